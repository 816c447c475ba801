#pragma once

#include <QString>

namespace kelvo::sql {
class Dialect;
}

// The statements of the query designer's windows. Every value a user typed
// or a name read from the dictionary is bound as "?"; the few names that a
// statement must name (a table's column in the value picker) are checked to
// be plain identifiers first.
namespace kelvo::design::statements {

// The editor's definition; bound: the report.
QString ReportRow();
// The three query texts; bound: text (or NULL), report.
QString UpdateSqlQuery();
QString UpdateFarsiSqlQuery();
QString UpdateReserved();
// Bound: 0 or 1, report.
QString UpdateIsStoredProcedure();
// Bound: SQLSP, FarsiSQLSP (or NULL), report.
QString UpdateProcedureCall();

// The report's parameters by name; bound: the report.
QString ReportParameters();
// One parameter with its control type's name; bound: parameter, report.
QString ParameterWithControl();
// Bound: Type, MajorView, MinorView, parameter, report.
QString UpdateParameterTypeAndViews();

// The dictionary tree. The root's systems: all visible named systems, or
// those a subsystem sees (systemID not -1).
QString RootSystems(const sql::Dialect& dialect, int systemID);
// A system's visible described tables, each with whether it has columns;
// bound: the system.
QString SystemTables(const sql::Dialect& dialect);
// Whether a system has visible tables; bound: the system.
QString SystemHasTables();
// A table's described columns in their order, each without children; bound:
// the table.
QString TableColumns(const sql::Dialect& dialect);
// A table's system; bound: the table name's like literal.
QString SystemOfTable();

// One dictionary column; bound: table and column like literals.
QString DictionaryColumn();
// The relation that starts at a foreign-key column; bound: column, table
// like literals.
QString RelationOfColumn();
// The relations between two tables either way; bound: A, B, B, A.
QString RelationsBetween();
// The description of a table; bound: its like literal.
QString TableDescription();

// The distinct values of a column, at most 32000, largest first: plain, or
// each with the name of the row it refers to. The names are pasted (checked
// by the caller); nothing is bound.
QString DistinctValues(const sql::Dialect& dialect, const QString& table, const QString& column);
QString DistinctValuesWithNames(const sql::Dialect& dialect, const QString& table, const QString& column,
                                const QString& referredTable, const QString& nameColumn);

} // namespace kelvo::design::statements
