#pragma once

#include "presentation/ChartData.h"
#include "presentation/RowExpressions.h"
#include "presentation/RowShaping.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace kelvo::db {
class Connection;
}

// What the shaping windows read and write for a report: the per-column rows
// of its two presentations, its merge, its row colours and its row
// expressions. Every rewrite of several statements is one transaction.
namespace kelvo::presentation {

// The presentation on display: the result (tblKelvoReportLayout) or the
// distributed result (tblKelvoReportTranspose).
enum class Presentation { Normal, Distributed };
QString LayoutTable(Presentation presentation);

// A grid column as the grid shows it: its alignment code and width (twips).
struct GridColumn {
    int alignment = 4;
    int width = 1000;
};
// Gives every grid column (0 to n - 1) a layout row, new ones with the
// grid's alignment and width, and removes the rows past the last column;
// rows that exist keep their values. Runs inside the caller's transaction.
void SyncLayoutRows(db::Connection& db, qint32 reportID, Presentation presentation, const QList<GridColumn>& columns);

// Merge types by grid column, as stored.
QHash<int, int> StoredMergeTypes(db::Connection& db, qint32 reportID, Presentation presentation);
bool HasMerge(db::Connection& db, qint32 reportID, Presentation presentation);
// Writes the grid's merge types (missing ones 0) and marks the report merged.
void SaveMerge(db::Connection& db, qint32 reportID, Presentation presentation, const QList<GridColumn>& columns,
               const QHash<int, int>& types);
// Unmarks the report and clears the merge types of both presentations.
void RemoveMerge(db::Connection& db, qint32 reportID);

// The stored colouring type, 1 when the report has none.
int ReadColoringType(db::Connection& db, qint32 reportID);
RowColourRule LoadRowColors(db::Connection& db, qint32 reportID);
void SaveRowColors(db::Connection& db, qint32 reportID, const RowColourRule& rule);

struct StoredExpression {
    RowExpression expression;
    std::optional<int> captionID;
};
QList<StoredExpression> LoadExpressions(db::Connection& db, qint32 reportID);
// Replaces the report's expressions, numbered 0, 1, … in list order.
void SaveExpressions(db::Connection& db, qint32 reportID, const QList<StoredExpression>& expressions);

// One column's format in a presentation.
struct ColumnFormat {
    QString heading;
    int alignment = 4;
    int width = 1000;
    int mergeType = 0;
    int transposeType = 0;            // the normal presentation only
    bool makeSum = false;             // the normal presentation only
    bool invisibleInTextFile = false; // the distributed presentation only
};
// The stored formats by grid column.
QHash<int, ColumnFormat> StoredFormats(db::Connection& db, qint32 reportID, Presentation presentation);
// The report's grid row height; none when the repository has no such column
// or the report none stored.
std::optional<int> StoredGridRowHeight(db::Connection& db, qint32 reportID, bool* columnExists = nullptr);
// Replaces the presentation's rows by these (grid columns 1 on) and writes
// the row height when given, in one transaction.
void SaveFormats(db::Connection& db, qint32 reportID, Presentation presentation, const QList<ColumnFormat>& formats,
                 std::optional<int> gridRowHeight);

// The stored distribution by grid column: the distributing column (-1 for
// none) and the value columns.
struct StoredDistribution {
    int distributingColumn = -1;
    QList<int> valueColumns;
};
StoredDistribution LoadStoredDistribution(db::Connection& db, qint32 reportID);
bool HasDistribution(db::Connection& db, qint32 reportID);
// The stored order of the distributed headings.
QStringList LoadDistributionOrder(db::Connection& db, qint32 reportID);
// Writes the distribution (grid columns) and marks the report distributed;
// an order, when given, replaces the stored order of the headings.
void SaveDistribution(db::Connection& db, qint32 reportID, const QList<GridColumn>& columns, int distributingColumn,
                      const QList<int>& valueColumns, const std::optional<QStringList>& order);
// Clears the distribution, its distributed layout and the mark.
void RemoveDistribution(db::Connection& db, qint32 reportID);

struct ChartType {
    int id = 0;
    QString name;
};
QList<ChartType> ChartTypes(db::Connection& db);
ChartDefinition LoadChartDefinition(db::Connection& db, qint32 reportID);
// Replaces the report's chart in one transaction.
void SaveChartDefinition(db::Connection& db, qint32 reportID, const ChartDefinition& chart);
bool IsMergedReport(db::Connection& db, qint32 reportID);

} // namespace kelvo::presentation
