#pragma once

#include "presentation/ResultTable.h"

#include <QList>
#include <QStringList>

#include <optional>

// Shaping steps over a report's fetched rows, each a pure function from one
// table to the next: merging rows, distributing values into columns, and
// the colour of a row.
namespace kelvo::presentation {

// How a column takes part in a merge of rows.
enum class MergeType : int {
    First = 0,    // the first row's value
    Base = 1,     // rows are merged where all base columns agree
    Sum = 2,      // the numbers are summed
    Distinct = 3, // the distinct values joined with "، "
};
// Consecutive rows that agree on every base column become one row. types
// holds one entry per result column (missing ones count as First). Without
// a base column the table is returned as it is.
ResultTable MergeRows(const ResultTable& table, const QList<MergeType>& types);

// A distribution of one column's values into column headings.
struct Distribution {
    int distributingColumn = -1;   // result column whose values become headings
    QList<int> valueColumns;       // result columns spread under them
    QStringList storedOrder;       // values in their stored order; others follow in first-seen order
};
// The cross-tab: the other columns as row keys (one row per key, in
// first-seen order), then per distinct value (and per value column when
// there are several) one column; cells that several rows fall into are
// summed when numeric and joined with "، " when text.
ResultTable Distribute(const ResultTable& table, const Distribution& distribution);

// The table without these result columns.
ResultTable WithoutColumns(const ResultTable& table, const QList<int>& columns);

// Rows coloured by the value of one column.
struct RowColourRule {
    int gridColumn = -1; // the colouring column of the grid (result column + 1); -1 for none
    int type = 1;        // bit 1 text colour, bit 2 background colour
    struct Value {
        double value = 0;
        quint32 foreColor = 0; // OLE colours: 0x00BBGGRR
        quint32 backColor = 0;
    };
    QList<Value> values;
};
// OLE colours (0x00BBGGRR) of a row's text and background, where the rule
// sets them.
struct RowColours {
    std::optional<quint32> text, background;
};
// The colours of a row; none when the rule does not colour it.
std::optional<RowColours> ColoursOfRow(const RowColourRule& rule, const ResultTable& table, qsizetype row);

} // namespace kelvo::presentation
