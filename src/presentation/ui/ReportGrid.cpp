#include "presentation/ui/ReportGrid.h"

#include "presentation/ResultModel.h"

#include <QHeaderView>

namespace kelvo::presentation {

namespace {
constexpr int kTwipsPerPixel = 15;
}

ReportGrid::ReportGrid(QWidget* parent) : QTableView(parent)
{
    setSortingEnabled(true);
    setAlternatingRowColors(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void ReportGrid::setResultModel(ResultModel* model)
{
    m_model = model;
    setModel(model);
}

QString ReportGrid::TextMatrix(int row, int column) const
{
    if (!m_model)
        return {};
    if (row == 0)
        return column == 0 ? QString() : m_model->headerData(column - 1, Qt::Horizontal).toString();
    if (column == 0)
        return m_model->headerData(row - 1, Qt::Vertical).toString();
    return m_model->index(row - 1, column - 1).data().toString();
}

int ReportGrid::Rows() const
{
    return m_model ? m_model->rowCount() + 1 : 1;
}

int ReportGrid::Cols() const
{
    return m_model ? m_model->columnCount() + 1 : 1;
}

int ReportGrid::ColAlignment(int column) const
{
    if (!m_model || column < 1)
        return 4;
    const Qt::Alignment a = m_model->columnAlignment(column - 1);
    if (a & Qt::AlignLeft)
        return 1;
    if (a & Qt::AlignRight)
        return 7;
    return 4;
}

int ReportGrid::ColWidth(int column) const
{
    const int pixels = column == 0 ? verticalHeader()->width() : columnWidth(column - 1);
    return pixels * kTwipsPerPixel;
}

void ReportGrid::setColWidth(int column, int twips)
{
    if (column >= 1)
        setColumnWidth(column - 1, std::max(1, twips / kTwipsPerPixel));
}

} // namespace kelvo::presentation
