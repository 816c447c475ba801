#pragma once

#include "presentation/ResultTable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Computed columns worked out row by row on a report's result: an
// expression over the current row's and the previous row's values, parsed
// by a small parser of its own and never run as code.
namespace kelvo::presentation {

// One stored expression, as tblKelvoReportExpression holds it.
struct RowExpression {
    QString title;
    QString general;  // every row after the first
    QString firstRow; // the first row; the general one when empty
    // Values shown: all (none), only positive ones (true), only negative ones (false).
    std::optional<bool> positiveOnly;
};

// An expression over "C"i (grid column i of the current row), "P"i (of the
// previous row), numbers, + - * / and parentheses. Grid column i is result
// column i - 1; column 0 holds the row numbers.
class ExpressionFormula {
public:
    // The formula of a text; none when the text does not read as one.
    static std::optional<ExpressionFormula> parse(const QString& text);

    // A row's value of grid column i; none when the cell holds no number.
    using Cells = std::function<std::optional<double>(int gridColumn)>;
    // The value on a row; none when a cell it names holds no number (the
    // previous row of the first row included) or it divides by zero.
    std::optional<double> evaluate(const Cells& current, const Cells& previous) const;

    struct Node;

private:
    std::shared_ptr<const Node> m_root;
};

// The Farsi reading of an expression: "C"i becomes heading(i) + " (سطر جاري)"
// and "P"i heading(i) + " (سطر قبلي)", from the last column down so that
// column 12 is never read as column 1. headings[i] is grid column i's.
QString FarsiExpression(const QString& english, const QStringList& headings);

// The table with one column per expression after the result's columns,
// headed by its title. A value that is not shown (by positiveOnly) is left
// empty but still counts for the next row's "P".
ResultTable AddRowExpressions(const ResultTable& table, const QList<RowExpression>& expressions);

} // namespace kelvo::presentation
