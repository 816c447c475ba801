#pragma once

#include "presentation/ChartData.h"
#include "presentation/RowExpressions.h"
#include "presentation/RowShaping.h"

#include <QList>
#include <QString>

#include <optional>

namespace kelvo::db {
class Connection;
}

// Everything the report display control reads about one stored report
// before it runs it, loaded in one place.
namespace kelvo::presentation {

// One parameter of a report and its place on the parameter form.
struct ReportParameter {
    qint32 parameterID = 0;
    QString name;
    QString type;              // SQL type name
    int controlTypeID = 0;     // 0 when none is chosen
    QString description;
    QString caption;           // the caption's text, else empty
    QString majorView, minorView;
    int colSpan = 1;
    int rowSpan = 1;
    int sequence = 0;
    bool visible = true;

    // The form title: the caption, else the description, else the name.
    QString title() const;
    // Control types 4 and 1007 choose several values.
    bool multiValued() const { return controlTypeID == 4 || controlTypeID == 1007; }
};

// Control types of the parameter form.
enum ControlType : int {
    ControlTextBox = 1002,
    ControlDropDown = 1003,
    ControlMultiList = 1007,
    ControlSelector = 13,
    ControlTreeSelector = 4,
    ControlSearchSelector = 2,
    ControlDate = 1005,
    ControlCheckBox = 1006,
};

// How one grid column is shown: grid column 0 holds the row numbers, result
// column c is grid column c + 1. Widths are in twips (15 to a pixel).
struct ColumnLayout {
    int columnNumber = 0;
    int alignment = 4; // 1 left, 4 centre, 7 right
    int width = 1000;
    int mergeType = 0;
    int transposeType = 0;
    bool makeSum = false;
    bool invisibleInTextFile = false; // the distributed presentation only
};

// One parameter of a called report fed from the calling report: from the
// clicked row's column with this heading, or from the value a parameter of
// the caller had in the run.
struct ReportLink {
    qint32 calledReportID = 0;
    QString calledTitle;
    qint32 calledParameterID = 0;
    QString callerReportColumn;           // empty when a parameter feeds it
    std::optional<qint32> callerParameterID; // none when a column feeds it
};

// A button that calls a stored procedure with one value per parameter, in
// call order: the current row's value of the column with this heading, or
// the text itself as a constant, converted by the parameter's SQL type.
struct ButtonArgument {
    QString parName;
    QString type;
};
struct ActionButton {
    qint32 id = 0;
    QString caption;
    QString procedure;
    QList<ButtonArgument> arguments;
};

struct ReportDefinition {
    qint32 id = -1;
    QString title;
    bool isStoredProcedure = false;
    QString query;         // SQLQuery followed by Reserved
    QString procedureCall; // SQLSP
    QList<ReportParameter> parameters; // in form order (Sequence)
    int formColumns = 1;       // Cols
    int formRowHeight = 400;   // ReportRowHeight, twips
    int gridRowHeight = 240;   // GridRowHeight, twips
    QList<ColumnLayout> layout;
    QList<ReportLink> links; // by called report
    QList<ActionButton> buttons;

    // How the fetched rows are shaped, in this order.
    QList<RowExpression> expressions;
    bool isTree = false;          // a hierarchical report (MakeTree)
    bool isMerged = false;        // merged by the layout's merge types
    bool makeTranspose = false;   // distributed by the layout's transpose types
    QList<ColumnLayout> transposeLayout; // of the distributed presentation
    QStringList distributionOrder;       // stored order of the distributed headings
    RowColourRule colours;
    ChartDefinition chart; // drawn beside the result when showWithReport

    // The merge types and the distribution the layout stores, by result
    // column (the layout numbers grid columns, result column c being c + 1).
    QList<MergeType> mergeTypes() const;
    Distribution distribution() const;

    // The text that runs: the procedure call or the query; empty when the
    // report has neither.
    QString runText() const { return isStoredProcedure ? procedureCall : query; }
    const ReportParameter* parameter(qint32 parameterID) const;
    // By name, without regard to case.
    const ReportParameter* parameter(const QString& name) const;
    std::optional<ColumnLayout> layoutOf(int gridColumn) const;
};

// The definition of report reportID; none when there is no such report.
// Throws db::DbError when the repository cannot be read.
std::optional<ReportDefinition> LoadReportDefinition(db::Connection& db, qint32 reportID);

} // namespace kelvo::presentation
