#pragma once

#include <QString>

// The statements of the windows that shape a report's result: row merge,
// distribution into columns, row colours, column formats and row
// expressions. Every value is bound; the layout table of the presentation
// on display is named by the caller (tblKelvoReportLayout or
// tblKelvoReportTranspose).
namespace kelvo::presentation::statements {

// Bound: report, column.
QString LayoutRow(const QString& table);
// Bound: report, column, alignment, width.
QString InsertLayoutRow(const QString& table);
// Bound: report, the last column kept.
QString DeleteLayoutRowsAfter(const QString& table);
// The report's layout rows by column; bound: the report.
QString LayoutRows(const QString& table);
// Bound: merge type, report, column.
QString UpdateMergeType(const QString& table);
// Bound: the report.
QString MergedLayoutRows(const QString& table);
QString SetMerged();   // bound: 0 or 1, report
QString ClearMergeTypes(const QString& table);

// Bound: column or NULL, type, report.
QString UpdateColouring();
QString DeleteColours(); // bound: the report
QString InsertColour();  // bound: report, value, text colour, background colour

// Bound: the report.
QString DeleteExpressions();
// Bound: report, column number, title, general, positive only (or NULL),
// first row, caption (or NULL).
QString InsertExpression();

// Bound: the report.
QString DeleteLayoutRows(const QString& table);
// Normal: bound report, column, alignment, width, merge, transpose, sum.
// Distributed: bound report, column, alignment, width, merge, hidden.
QString InsertFormatRow(const QString& table);
// Bound: the report.
QString GridRowHeight();
// Bound: height, report.
QString UpdateGridRowHeight();

// The distribution: bound the report, or the type, report and column.
QString TransposeRows();
QString AnyTransposeRow();
QString ClearTransposeTypes();
QString SetTransposeType();
QString SetMakeTranspose(); // bound: 0 or 1, report
QString DeleteTransposeRows();
QString DeleteDistributionOrder();
QString InsertDistributionOrder(); // bound: report, value, sequence

// Charts: the kinds, and the report's chart; bound: the report, or the
// values in column order.
QString ChartTypes();
QString ReportChart();
QString ReportChartColumns();
QString ReportShowDiagram();
QString DeleteReportChart();
QString DeleteReportChartColumns();
QString DropChartTypeConstraint();
QString InsertReportChart();       // report, accumulate, type or NULL, x column
QString InsertReportChartColumn(); // report, y column
QString SetShowDiagram();          // 0 or 1, report
QString MergedReport();            // the report when it is merged

} // namespace kelvo::presentation::statements
