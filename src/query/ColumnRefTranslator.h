#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace kelvo::db {
class Connection;
}

namespace kelvo::query {

// The Farsi wording of many "table.column" references at once. prefetch()
// reads the dictionary rows of all of them in a few statements (pairs of
// names matched with "=", which the dictionary's case-insensitive names
// answer through their unique index); translate() then answers from what was
// read and falls back to TranslateColumnRef for anything not found, so the
// result is always the one TranslateColumnRef gives.
class ColumnRefTranslator {
public:
    explicit ColumnRefTranslator(db::Connection& db) : m_db(db) {}

    void prefetch(const QStringList& expressions);
    QString translate(const QString& expression);

private:
    db::Connection& m_db;
    QHash<QString, QString> m_found; // case-folded "table.column" → Farsi wording
};

} // namespace kelvo::query
