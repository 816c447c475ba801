#include "presentation/ui/ReportGrid.h"

#include "front/ui/AppStyle.h"
#include "presentation/ResultModel.h"

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace kelvo::presentation {

namespace {

constexpr int kTwipsPerPixel = 15;

// Paints the text and background colours the grid's rule gives a row.
class RowColourDelegate final : public QStyledItemDelegate {
public:
    explicit RowColourDelegate(ReportGrid& grid) : QStyledItemDelegate(&grid), m_grid(grid) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const std::optional<RowColours> colours = m_grid.coloursOf(index.row());
        if (!colours)
            return;
        if (colours->text) {
            option->palette.setColor(QPalette::Text, front::OleColor(*colours->text));
            option->palette.setColor(QPalette::HighlightedText, front::OleColor(*colours->text));
        }
        if (colours->background)
            option->backgroundBrush = front::OleColor(*colours->background);
    }

private:
    ReportGrid& m_grid;
};

} // namespace

ReportGrid::ReportGrid(QWidget* parent) : QTableView(parent)
{
    setSortingEnabled(true);
    setAlternatingRowColors(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setItemDelegate(new RowColourDelegate(*this));
}

void ReportGrid::setRowColours(const RowColourRule& rule)
{
    m_colours = rule;
    viewport()->update();
}

std::optional<RowColours> ReportGrid::coloursOf(int row) const
{
    if (!m_model || m_colours.values.isEmpty())
        return std::nullopt;
    return ColoursOfRow(m_colours, m_model->table(), m_model->sourceRow(row));
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
