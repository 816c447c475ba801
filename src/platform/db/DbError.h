#pragma once

#include <QList>
#include <QString>
#include <stdexcept>

namespace kelvo::db {

// One entry of a provider's error list, as the error dialog shows them.
struct ProviderError {
    QString description;
    int nativeCode = 0;
    QString sqlState;
    QString source;
};

// A failed database call: the provider's errors in order, and the statement
// that was running (empty for connection-level failures).
class DbError : public std::runtime_error {
public:
    DbError(QList<ProviderError> errors, QString statement = {});
    DbError(const QString& description, int nativeCode = 0, QString statement = {});

    const QList<ProviderError>& errors() const { return m_errors; }
    QString description() const;
    int nativeCode() const;
    const QString& statement() const { return m_statement; }
    // Descriptions of every error, one per line.
    QString fullText() const;
    // Whether the database refused the statement for a constraint (SQLSTATE
    // class 23: a foreign key, a unique key, a check, NOT NULL).
    bool isConstraintViolation() const;

private:
    struct Masked {};
    DbError(Masked, QList<ProviderError> errors, QString statement);

    QList<ProviderError> m_errors;
    QString m_statement;
};

// Raised when a failed statement ended the transaction it ran in, so that
// the work before it is gone as well. Carries the statement's own errors.
class TransactionLostError : public DbError {
public:
    explicit TransactionLostError(const DbError& failure);
};

// Raised when a running statement was cancelled through Connection::cancel().
class CancelledError : public DbError {
public:
    explicit CancelledError(QString statement);
};

} // namespace kelvo::db
