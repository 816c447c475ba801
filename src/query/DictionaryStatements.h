#pragma once

#include <QString>

// The dictionary statements of the query model. Each is the system's text
// with its one value bound as "?" (so that a quote in a name cannot break
// it, and the prepared statement is reused).
namespace kelvo::query {

// The columns of one table with its description; bound: the table name.
QString DictionaryColumnsStatement(bool oracle);
// The descriptions of a table-dot-column reference; bound: table, column
// (matched with like).
QString ColumnReferenceStatement();

} // namespace kelvo::query
