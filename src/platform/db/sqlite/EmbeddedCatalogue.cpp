#include "platform/db/sqlite/EmbeddedCatalogue.h"

#include "platform/db/sqlite/SqliteBackend.h"

#include <QRegularExpression>
#include <QStringList>

#include <sqlite3.h>

namespace kelvo::db {

namespace {

constexpr qint64 kProcedureIdBase = 1000000000;

// SQL Server's types as systypes lists them. length: bytes of a fixed-size
// type; 0 for a type sized by its declaration, with bytesPerChar bytes per
// declared unit.
struct TypeInfo {
    const char* name;
    int xtype;
    int length;
    int bytesPerChar;
};

constexpr TypeInfo kTypes[] = {
    {"image", 34, 16, 0},           {"text", 35, 16, 0},       {"uniqueidentifier", 36, 16, 0},
    {"date", 40, 3, 0},             {"time", 41, 5, 0},        {"datetime2", 42, 8, 0},
    {"datetimeoffset", 43, 10, 0},  {"tinyint", 48, 1, 0},     {"smallint", 52, 2, 0},
    {"int", 56, 4, 0},              {"smalldatetime", 58, 4, 0}, {"real", 59, 4, 0},
    {"money", 60, 8, 0},            {"datetime", 61, 8, 0},    {"float", 62, 8, 0},
    {"sql_variant", 98, 8016, 0},   {"ntext", 99, 16, 0},      {"bit", 104, 1, 0},
    {"decimal", 106, 0, 0},         {"numeric", 108, 0, 0},    {"smallmoney", 122, 4, 0},
    {"bigint", 127, 8, 0},          {"varbinary", 165, 0, 1},  {"varchar", 167, 0, 1},
    {"binary", 173, 0, 1},          {"char", 175, 0, 1},       {"timestamp", 189, 8, 0},
    {"nvarchar", 231, 0, 2},        {"nchar", 239, 0, 2},      {"xml", 241, -1, 0},
};

// Names SQLite schemas use for the same types.
const char* sqlServerName(const QString& base)
{
    static const char* const aliases[][2] = {
        {"integer", "int"}, {"boolean", "bit"}, {"blob", "image"}, {"double", "float"},
        {"character", "char"}, {"clob", "ntext"}, {"", "sql_variant"},
    };
    for (const auto& a : aliases)
        if (base == QLatin1String(a[0]))
            return a[1];
    return nullptr;
}

int decimalLength(int precision)
{
    if (precision <= 9)
        return 5;
    if (precision <= 19)
        return 9;
    if (precision <= 28)
        return 13;
    return 17;
}

void typeXtype(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QString declared = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])));
    sqlite3_result_int(ctx, MapDeclaredType(declared).xtype);
}

void typeLength(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QString declared = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])));
    sqlite3_result_int(ctx, MapDeclaredType(declared).length);
}

QString systypesRows()
{
    QStringList rows;
    for (const TypeInfo& t : kTypes)
        rows << QStringLiteral("('%1', %2, %3)").arg(QLatin1String(t.name)).arg(t.xtype).arg(t.length ? t.length : 8000);
    return rows.join(QLatin1String(", "));
}

} // namespace

SqlServerType MapDeclaredType(const QString& declared)
{
    static const QRegularExpression shape(QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_ ]*?)\\s*(?:\\(\\s*([^,)]*)\\s*(?:,[^)]*)?\\))?\\s*$"));
    const auto m = shape.match(declared);
    QString base = m.hasMatch() ? m.captured(1).toLower().simplified() : declared.trimmed().toLower();
    const QString size = m.hasMatch() ? m.captured(2).trimmed().toLower() : QString();
    if (base.startsWith(QLatin1String("unsigned ")) || base.startsWith(QLatin1String("signed ")))
        base = base.section(u' ', 1);
    if (const char* alias = sqlServerName(base))
        base = QLatin1String(alias);
    for (const TypeInfo& t : kTypes) {
        if (base != QLatin1String(t.name))
            continue;
        SqlServerType result{base, t.xtype, t.length};
        if (t.xtype == 106 || t.xtype == 108) {
            bool ok = false;
            const int precision = size.toInt(&ok);
            result.length = decimalLength(ok ? precision : 18);
        } else if (t.bytesPerChar) {
            bool ok = false;
            const int n = size.toInt(&ok);
            if (size == u"max" || (ok && n < 0))
                result.length = -1;
            else
                result.length = (ok ? n : 1) * t.bytesPerChar;
        }
        return result;
    }
    // A type SQL Server does not know: shown as sql_variant.
    return {QStringLiteral("sql_variant"), 98, 8016};
}

qint64 ProcedureObjectId(qint64 procedureId)
{
    return kProcedureIdBase + procedureId;
}

void InstallCatalogueViews(SqliteBackend& backend)
{
    sqlite3* db = backend.handle();
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    sqlite3_create_function_v2(db, "kv_type_xtype", 1, flags, nullptr, typeXtype, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "kv_type_length", 1, flags, nullptr, typeLength, nullptr, nullptr, nullptr);

    // Views of the catalogue itself, so that the catalogue's own views (a
    // list of procedures over sysobjects) can use them. Only tables have
    // their columns listed: a view that no longer compiles must not break
    // every query of syscolumns.
    const QString base = QString::number(kProcedureIdBase);
    const QString userObjects = QStringLiteral(
        "m.name NOT LIKE 'sqlite\\_%' ESCAPE '\\' AND m.name NOT LIKE 'kvstore\\_%' ESCAPE '\\' "
        "AND m.name NOT IN ('sysobjects', 'syscolumns', 'systypes')");
    const std::pair<const char*, QString> views[] = {
        {"sysobjects",
         QStringLiteral("CREATE VIEW sysobjects AS "
                        "SELECT m.rowid AS id, m.name COLLATE NOCASE AS name, "
                        "CASE m.type WHEN 'table' THEN 'U' ELSE 'V' END AS xtype, "
                        "CASE m.type WHEN 'table' THEN 'U' ELSE 'V' END AS type, 1 AS uid, 0 AS parent_obj "
                        "FROM main.sqlite_master m WHERE m.type IN ('table', 'view') AND %1 "
                        "UNION ALL SELECT %2 + p.id, p.name, 'P', 'P', 1, 0 FROM main.kvstore_procedure p")
             .arg(userObjects, base)},
        {"syscolumns",
         QStringLiteral("CREATE VIEW syscolumns AS "
                        "SELECT m.rowid AS id, c.name COLLATE NOCASE AS name, kv_type_xtype(c.type) AS xtype, "
                        "kv_type_xtype(c.type) AS xusertype, kv_type_length(c.type) AS length, c.cid + 1 AS colid, "
                        "c.cid + 1 AS ColOrder, CASE WHEN c.\"notnull\" THEN 0 ELSE 1 END AS isnullable, "
                        "0 AS isOutParam "
                        "FROM main.sqlite_master m JOIN pragma_table_info(m.name, 'main') c "
                        "WHERE m.type = 'table' AND %1 "
                        "UNION ALL SELECT %2 + p.procedure_id, p.name, kv_type_xtype(p.type), kv_type_xtype(p.type), "
                        "kv_type_length(p.type), p.ordinal, p.ordinal, 1, p.is_output FROM main.kvstore_parameter p")
             .arg(userObjects, base)},
        {"systypes",
         QStringLiteral("CREATE VIEW systypes AS "
                        "SELECT column1 COLLATE NOCASE AS name, column2 AS xtype, column2 AS xusertype, "
                        "column3 AS length FROM (VALUES %1)")
             .arg(systypesRows())},
    };

    // Created once per catalogue, and again when their definition changed.
    QStringList missing;
    for (const auto& [name, sql] : views) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT sql FROM main.sqlite_master WHERE type = 'view' AND name = ?", -1, &stmt,
                           nullptr);
        sqlite3_bind_text(stmt, 1, name, -1, SQLITE_STATIC);
        const bool current = sqlite3_step(stmt) == SQLITE_ROW
            && QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))) == sql;
        sqlite3_finalize(stmt);
        if (!current)
            missing << QStringLiteral("DROP VIEW IF EXISTS main.%1; %2;").arg(QLatin1String(name), sql);
    }
    if (missing.isEmpty())
        return;
    backend.executeScript(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        backend.executeScript(missing.join(u' '));
        backend.executeScript(QStringLiteral("COMMIT"));
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

} // namespace kelvo::db
