#pragma once

#include <QString>

// The dictionary statements of the query model. Each is the system's text
// with its one value bound as "?" (so that a quote in a name cannot break
// it, and the prepared statement is reused).
namespace kelvo::sql {
class Dialect;
}

namespace kelvo::query {

// The columns of one table with its description; bound: the table name.
QString DictionaryColumnsStatement(bool oracle);
// The descriptions of a table-dot-column reference; bound: table, column,
// each matched with like as Dialect::likeLiteral writes it (a name's "_" is
// no wildcard).
QString ColumnReferenceStatement();
// The dictionary's described tables, counted to size the query model: the
// text InitQueryModel uses (atInit) or the one RebuildQueryModel uses.
QString DescribedTablesStatement(const sql::Dialect& dialect, bool atInit);

} // namespace kelvo::query
