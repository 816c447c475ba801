#pragma once

#include "presentation/ReportDefinition.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>
#include <QVariantList>

#include <stdexcept>

namespace kelvo::presentation {

// A report that cannot run as asked: the Persian message says why.
class RunError : public std::runtime_error {
public:
    explicit RunError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// Who runs the report, and when.
struct RunEnvironment {
    qint16 userID = 0;
    qint16 employeeID = 0;
    qint16 positionID = 0;
    QDateTime when = QDateTime::currentDateTime();
};

// The values of a run, by ParameterID: one value, several for a
// multi-valued parameter, none (NULL) for a parameter not given.
using ParameterValues = QHash<qint32, QVariantList>;

// The statement that runs, with "?" in place of every parameter and
// environment value, and the values to bind in order.
struct RunStatement {
    QString sql;
    QVariantList values;
};

// Builds the run statement of a definition. In the query "@" + ParameterID
// and "@" + Name become bound values, a multi-valued parameter inside
// "IN (…)" one per chosen value; in a procedure call "(@12)" and "@Name" do,
// and the call is run with EXEC. The five environment texts ("مشخصه كاربر"
// …, with or without their parentheses) become the user, employee and
// position identifiers, the run date in Persian (yyyy/mm/dd) and the time.
// Only tokens are replaced: nothing inside a string literal or a comment is
// touched, and a value never changes the statement's shape. Throws RunError
// for a report without a query and for a reference to no parameter.
RunStatement BuildRunStatement(const ReportDefinition& definition, const ParameterValues& values,
                               const RunEnvironment& environment);

// A parameter's value from the text a user typed: a number for a numeric
// type (RunError when the text is none), else the trimmed text. An empty
// text gives NULL.
QVariant ParameterValueFromText(const ReportParameter& parameter, const QString& text);
// The same for a value of an SQL type; title names it in the message.
QVariant ValueOfType(const QString& type, const QString& text, const QString& title);

// The five environment texts, in the order of the value picker.
const QStringList& EnvironmentTexts();

} // namespace kelvo::presentation
