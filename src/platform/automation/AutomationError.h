#pragma once

#include <QString>
#include <QtGlobal>

#include <stdexcept>

namespace kelvo::automation {

// Run-time error numbers an automation call can fail with.
enum AutomationErrorNumber : qint32 {
    ErrOverflow = 6,
    ErrTypeMismatch = 13,
    ErrFileNotFound = 53,
    ErrPathFileAccess = 75,
    ErrInvalidFileFormat = 321,
    ErrCannotCreateObject = 429,   // "ActiveX component can't create object"
    ErrMemberNotFound = 438,
    ErrAutomation = 440,           // "Automation error": any other failure of the called object       // "Object doesn't support this property or method"
    ErrNotSupportedAction = 445,   // "Object doesn't support this action"
    ErrWrongArgumentCount = 450,   // "Wrong number of arguments or invalid property assignment"
    ErrProviderFailure = qint32(0x80004005), // a failed database call, as providers report it
};

// A failed automation call: an error number and its description. Kept
// header-only so that plugins throw and catch the same type as the host.
class AutomationError : public std::runtime_error {
public:
    AutomationError(qint32 number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
    {
    }

    qint32 number() const { return m_number; }
    const QString& description() const { return m_description; }

    static AutomationError cannotCreate(const QString& progId, const QString& reason = {})
    {
        QString text = QStringLiteral("ActiveX component can't create object: \"%1\"").arg(progId);
        if (!reason.isEmpty())
            text += QStringLiteral(" (%1)").arg(reason);
        return AutomationError(ErrCannotCreateObject, text);
    }
    static AutomationError memberNotFound(const QString& member)
    {
        return AutomationError(ErrMemberNotFound,
                               QStringLiteral("Object doesn't support this property or method: %1").arg(member));
    }
    static AutomationError wrongArgumentCount(const QString& member)
    {
        return AutomationError(ErrWrongArgumentCount,
                               QStringLiteral("Wrong number of arguments or invalid property assignment: %1")
                                   .arg(member));
    }

private:
    qint32 m_number;
    QString m_description;
};

} // namespace kelvo::automation
