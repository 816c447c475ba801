#include "presentation/Shaping.h"

namespace kelvo::presentation {

QList<std::optional<double>> ColumnTotals(const ResultTable& table, const QList<ColumnLayout>& layout)
{
    QList<bool> summed(table.columnCount(), false);
    bool any = false;
    for (const ColumnLayout& l : layout) {
        const int column = l.columnNumber - 1;
        if (l.makeSum && column >= 0 && column < table.columnCount())
            any = summed[column] = true;
    }
    if (!any)
        return {};
    QList<std::optional<double>> totals(table.columnCount());
    for (int c = 0; c < table.columnCount(); ++c) {
        if (!summed[c])
            continue;
        double sum = 0;
        for (const auto& batch : table.batches())
            for (qsizetype r = 0; r < batch->rowCount(); ++r) {
                if (batch->kind(r, c) == db::CellKind::Integer)
                    sum += double(batch->integer(r, c));
                else if (batch->kind(r, c) == db::CellKind::Real)
                    sum += batch->real(r, c);
            }
        totals[c] = sum;
    }
    return totals;
}

} // namespace kelvo::presentation
