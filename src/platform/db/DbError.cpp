#include "platform/db/DbError.h"

#include <QStringList>

namespace kelvo::db {

static std::string firstDescription(const QList<ProviderError>& errors)
{
    return errors.isEmpty() ? std::string("database error") : errors.first().description.toStdString();
}

DbError::DbError(QList<ProviderError> errors, QString statement)
    : std::runtime_error(firstDescription(errors)), m_errors(std::move(errors)), m_statement(std::move(statement))
{
}

DbError::DbError(const QString& description, int nativeCode, QString statement)
    : DbError(QList<ProviderError>{ProviderError{description, nativeCode, {}, {}}}, std::move(statement))
{
}

QString DbError::description() const
{
    return m_errors.isEmpty() ? QString() : m_errors.first().description;
}

int DbError::nativeCode() const
{
    return m_errors.isEmpty() ? 0 : m_errors.first().nativeCode;
}

QString DbError::fullText() const
{
    QStringList lines;
    for (const auto& e : m_errors)
        lines << e.description;
    return lines.join(QLatin1Char('\n'));
}

CancelledError::CancelledError(QString statement)
    : DbError(QStringLiteral("Operation cancelled"), 0, std::move(statement))
{
}

} // namespace kelvo::db
