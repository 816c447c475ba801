#include "front/Prompter.h"

#include "front/Messages.h"
#include "platform/automation/AutomationError.h"

namespace kelvo::front {

int Prompter::AskYesNo(const QString& title, const QString& question)
{
    return presentYesNo(title, question) == AnswerYes ? AnswerYes : AnswerNo;
}

void Prompter::ShowMessage(const QString& title, const QString& message)
{
    presentMessage(title, message);
}

void Prompter::DisplayError(bool checkProvider, const QString& message, const QString& details,
                            const QString& title, qint64 errorNumber)
{
    ErrorReport report{ErrorCaption(errorNumber), message, details, title};
    if (details.isEmpty() && checkProvider && m_providerErrors) {
        const QList<db::ProviderError> errors = m_providerErrors->providerErrors();
        if (!errors.isEmpty())
            report.details = errors.first().description;
    }
    presentError(report);
}

void Prompter::DisplayError(const std::exception& error, const QString& message)
{
    if (const auto* db = dynamic_cast<const db::DbError*>(&error))
        DisplayError(false, message, db->fullText(), kErrorTitle, automation::ErrProviderFailure);
    else if (const auto* component = dynamic_cast<const automation::AutomationError*>(&error))
        DisplayError(false, message, component->description(), kErrorTitle, component->number());
    else
        DisplayError(false, message, QString::fromUtf8(error.what()), kErrorTitle, automation::ErrAutomation);
}

QString Prompter::ErrorCaption(qint64 errorNumber)
{
    // qint64 holds the absolute value of every 32-bit error number.
    return QStringLiteral("خطاي شماره :  ") + QString::number(errorNumber < 0 ? -errorNumber : errorNumber);
}

} // namespace kelvo::front
