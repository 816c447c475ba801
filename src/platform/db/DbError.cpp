#include "platform/db/DbError.h"

#include "platform/db/ConnectionString.h"

#include <QStringList>

namespace kelvo::db {

namespace {

// No message carries a password: connection strings in error texts (a
// driver may quote one) have their password values masked.
QList<ProviderError> masked(QList<ProviderError> errors)
{
    for (ProviderError& e : errors)
        e.description = MaskPasswords(e.description);
    return errors;
}

std::string firstDescription(const QList<ProviderError>& errors)
{
    return errors.isEmpty() ? std::string("database error") : errors.first().description.toStdString();
}

} // namespace

DbError::DbError(QList<ProviderError> errors, QString statement)
    : DbError(Masked{}, masked(std::move(errors)), MaskPasswords(statement))
{
}

DbError::DbError(Masked, QList<ProviderError> errors, QString statement)
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

bool DbError::isConstraintViolation() const
{
    for (const auto& e : m_errors)
        if (e.sqlState.startsWith(QLatin1String("23")))
            return true;
    return false;
}

TransactionLostError::TransactionLostError(const DbError& failure)
    : DbError(QList<ProviderError>{ProviderError{
                  QStringLiteral("The transaction was ended by a failed statement; none of its work was kept."),
                  0, {}, {}}} + failure.errors(),
              failure.statement())
{
}

CancelledError::CancelledError(QString statement)
    : DbError(QStringLiteral("Operation cancelled"), 0, std::move(statement))
{
}

} // namespace kelvo::db
