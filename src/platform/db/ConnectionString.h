#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace kelvo::db {

// An OLE DB connection string: "Key=Value;Key=\"quoted;value\";…". Keys are
// matched without regard to case; the original text is kept as given.
class ConnectionString {
public:
    ConnectionString() = default;
    explicit ConnectionString(const QString& text);

    const QString& text() const { return m_text; }
    bool contains(const QString& key) const;
    // The value of the first occurrence of key, unquoted; empty when absent.
    QString value(const QString& key) const;
    // Every pair in order, values unquoted.
    const QList<QPair<QString, QString>>& pairs() const { return m_pairs; }

private:
    QString m_text;
    QList<QPair<QString, QString>> m_pairs;
};

// The provider named by a connection string as the host context reads it:
// the text after the first "=" of the first ";"-separated segment. Throws a
// DbError when the string has no ";" (no segment can be cut out of it) or its
// first segment has no "=".
QString ProviderOfConnectionString(const QString& connectionString);

} // namespace kelvo::db
