#pragma once

#include <QString>

namespace kelvo::sql {
class Dialect;
}

// The statements of the parameter windows. Every value, the report and the
// parameter numbers included, is bound as "?"; titles and descriptions may
// hold apostrophes and Persian text and are never pasted.
namespace kelvo::parameters::statements {

// The SQL type names the type list offers.
QString SqlTypeNames();
// The entry control kinds: ID, Name.
QString ControlTypes();

// The report's parameters in form order; bound: the report.
QString ParameterList();
// One parameter; bound: parameter, report.
QString Parameter();
// The largest Sequence of the report's parameters; bound: the report.
QString MaxSequence();
// The report row, for its form columns; bound: the report.
QString ReportRow();
// The form's column count (1 when null), column width and row height (400
// when null); bound: the report.
QString FormGrid(const sql::Dialect& dialect);

// Another parameter of the report with this caption; bound: report, caption.
QString ParameterWithCaption();
// Another parameter of the report with this title; bound: report, the
// title's like literal, parameter.
QString OtherParameterWithTitle();
// The number a new parameter of the report takes; bound: the report.
QString NewParameterID(const sql::Dialect& dialect);
// Bound: report, parameter, Name, Type, ControlTypeID, Description,
// MajorView, MinorView, ColSpan, RowSpan, Sequence, Visible, CaptionID.
QString InsertParameter();
// Bound: Name, Type, ControlTypeID, Description, MajorView, MinorView,
// ColSpan, RowSpan, Sequence, Visible, CaptionID, parameter, report.
QString UpdateParameter();
// Bound: parameter, report.
QString DeleteParameter();
// Bound: the report.
QString DeleteAllParameters();

// A parameter of the report wider than the form; bound: report, columns.
QString ParameterWiderThan();
// Bound: columns, row height, report.
QString UpdateFormGrid();

// The procedure that creates a report's parameter for a dictionary column,
// called with ReportID, TableName and ColumnName.
QString CreateParameterProcedure();

// ---------------------------------------------------------------- report links

// The report's links; bound: the caller.
QString LinksOfCaller();
// A report's parameters by number; bound: the report.
QString ParametersByNumber();
// The caller's links to one report; bound: caller, called.
QString LinksBetween();
// The links this dialog writes (not the secondary ones); bound: the caller.
QString DeletePrimaryLinks(const sql::Dialect& dialect);
// Bound: caller, called, called parameter, column heading or NULL, caller
// parameter or NULL.
QString InsertLink();
// Every link of the caller; bound: the caller.
QString DeleteAllLinks();

// ---------------------------------------------------------------- action buttons

// Bound: the report.
QString ReportButtons();
// Bound: the button.
QString Button();
// The catalogue's procedure of this name; bound: the name.
QString StoredProcedureByName();
// Bound: the button.
QString ButtonDetails();
// Bound: report, caption, procedure.
QString InsertButton();
// Bound: caption, report, procedure, button.
QString UpdateButton();
// Bound: the button.
QString DeleteButtonDetails();
// Bound: button, Seq, ParName, Type.
QString InsertButtonDetail();
// Bound: the button.
QString DeleteButton();

} // namespace kelvo::parameters::statements
