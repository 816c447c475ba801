#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

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

    // What makes the string unreadable, naming the key but never its value
    // (a quoted value left open, or text after a closing quote); empty when
    // the string is sound. Such a string is refused before it is used.
    const QString& problem() const { return m_problem; }
    // Throws DbError with problem() when there is one.
    void checkSound() const;

    // The text with the value of every key in keys that equals oldValue
    // (without regard to case) replaced by newValue; all else as given.
    QString withValueReplaced(const QStringList& keys, const QString& oldValue, const QString& newValue) const;

private:
    struct Span {
        qsizetype begin = 0;
        qsizetype end = 0;
    };
    QString m_text;
    QList<QPair<QString, QString>> m_pairs;
    QList<Span> m_valueSpans; // where each pair's value stands in m_text, quotes included
    QString m_problem;
};

// The provider named by a connection string as the host context reads it:
// the text after the first "=" of the first ";"-separated segment. Throws a
// DbError when the string has no ";" (no segment can be cut out of it), its
// first segment has no "=", or the string is unsound.
QString ProviderOfConnectionString(const QString& connectionString);

// The text with the values of Password and PWD keys replaced by "****", for
// messages and logs; anything else is kept. Works on any text that may hold
// a connection string.
QString MaskPasswords(const QString& text);

} // namespace kelvo::db
