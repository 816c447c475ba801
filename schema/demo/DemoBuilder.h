#pragma once

// Internal parts of the demo catalogue builder.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <random>
#include <vector>

namespace kelvo::db {
class SqliteBackend;
}

namespace kelvo::schema::demo {

// Inserts rows with prepared statements: one statement text per table and
// column list, so the store prepares each once.
class RowWriter {
public:
    explicit RowWriter(db::SqliteBackend& db) : m_db(db) {}
    // Returns the identifier of the inserted row.
    QVariant insert(const QString& table, const QStringList& columns, const QVariantList& values);
    db::SqliteBackend& db() { return m_db; }

private:
    db::SqliteBackend& m_db;
    QHash<QString, QString> m_statements;
};

// One column of a demo host table as the dictionary describes it.
struct ColumnDef {
    const char* name;
    const char* type;        // SQL Server type as declared ("nvarchar(50)")
    const char* description; // Persian; empty for a column the dictionary leaves undescribed
    const char* references = nullptr; // referenced table (by its ID column)
    bool displayName = false;         // the column that names a row (IsAlternativeName)
};

// The selector views "vw<stem>Major" / "vw<stem>Minor" of a table.
struct SelectorDef {
    const char* stem;
    const char* code;       // expression for Code
    const char* name;       // expression for Name
    const char* value;      // expression for Value
    const char* minorWhere; // condition of the Minor view, or null
};

struct TableDef {
    const char* name;
    const char* description; // Persian; empty: never offered
    int systemId;
    int sortType;            // tblKelvoTable.Type
    bool createdByRepository; // the repository script creates it already
    std::vector<ColumnDef> columns;
    SelectorDef selector = {nullptr, nullptr, nullptr, nullptr, nullptr};
    int visible = 1;         // tblKelvoTable.Visible; -1 writes NULL
};

// Persian text from UTF-8 source, in the Arabic letter forms of the
// system's own texts (Yeh U+064A, Kaf U+0643).
QString fa(const char* utf8);

const std::vector<TableDef>& DemoTables();

// Creates the demo's host tables and selector views, the dictionary
// (systems, tables, columns, relations, captions), the control and chart
// types and the other fixed host rows.
void WriteDictionary(RowWriter& w, const QString& basePath);

// Fills the host tables with generated Persian data.
void WriteHostData(RowWriter& w, std::mt19937& rng);

// The six sample reports with their layout and the rows hanging off them.
void WriteReports(RowWriter& w);

// The benchmark data: 5,000 dictionary tables of 40 columns and a fact
// table of 1,000,000 rows.
void WriteLargeData(RowWriter& w, std::mt19937& rng);

// A Gregorian date as the store keeps datetime values, and its Persian
// (Jalali) text yyyy/MM/dd.
QString IsoDate(const QDate& date);
QString JalaliDate(const QDate& date);

} // namespace kelvo::schema::demo
