#include "presentation/ResultModel.h"

#include "presentation/Shaping.h"
#include "text/PersianText.h"

#include <algorithm>

namespace kelvo::presentation {

namespace {

const QString kTotalsHeading = QStringLiteral("جمع");

// Cells compare numbers as numbers before texts, texts by their code points.
int CompareCells(const ResultTable& t, qsizetype a, qsizetype b, int column)
{
    const bool na = t.isNumber(a, column), nb = t.isNumber(b, column);
    if (na && nb) {
        const double x = t.number(a, column), y = t.number(b, column);
        return x < y ? -1 : x > y ? 1 : 0;
    }
    const bool nullA = t.kind(a, column) == db::CellKind::Null, nullB = t.kind(b, column) == db::CellKind::Null;
    if (nullA || nullB)
        return nullA == nullB ? 0 : nullA ? -1 : 1;
    if (na != nb)
        return na ? -1 : 1;
    return QString::compare(t.text(a, column), t.text(b, column));
}

} // namespace

ResultModel::ResultModel(QObject* parent) : QAbstractTableModel(parent) {}

void ResultModel::reset(QStringList columns, QList<db::ColumnType> types, QList<ColumnLayout> layout)
{
    beginResetModel();
    m_table = ResultTable(std::move(columns), std::move(types));
    m_layout = std::move(layout);
    m_totals.clear();
    m_order.clear();
    m_ordered = false;
    m_sortColumn = -1;
    m_filter.clear();
    m_foldedFilter.clear();
    endResetModel();
}

void ResultModel::appendBatch(std::shared_ptr<const db::RowBatch> batch)
{
    if (!batch || batch->rowCount() == 0)
        return;
    const qsizetype first = m_table.rowCount();
    if (!m_ordered) {
        beginInsertRows({}, int(first), int(first + batch->rowCount() - 1));
        m_table.append(std::move(batch));
        endInsertRows();
        return;
    }
    // Sorted or filtered: the new rows take their places at the next rebuild.
    m_table.append(std::move(batch));
    beginResetModel();
    rebuildOrder();
    endResetModel();
}

void ResultModel::finish()
{
    const QList<std::optional<double>> totals = ColumnTotals(m_table, m_layout);
    if (totals.isEmpty())
        return;
    const int row = shownRows();
    beginInsertRows({}, row, row);
    m_totals = totals;
    endInsertRows();
}

int ResultModel::shownRows() const
{
    return m_ordered ? int(m_order.size()) : int(m_table.rowCount());
}

qsizetype ResultModel::sourceRow(int row) const
{
    if (row >= shownRows())
        return -1;
    return m_ordered ? m_order[size_t(row)] : row;
}

int ResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownRows() + (m_totals.isEmpty() ? 0 : 1);
}

int ResultModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_table.columnCount();
}

Qt::Alignment ResultModel::AlignmentOf(int code)
{
    // The stored codes name screen edges, also in a right-to-left grid.
    switch (code) {
    case 1:
        return Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignVCenter;
    case 7:
        return Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignCenter;
    }
}

Qt::Alignment ResultModel::columnAlignment(int column) const
{
    for (const ColumnLayout& l : m_layout)
        if (l.columnNumber == column + 1)
            return AlignmentOf(l.alignment);
    return AlignmentOf(4);
}

QVariant ResultModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(columnAlignment(column));
    const qsizetype row = sourceRow(index.row());
    if (row < 0) { // the totals row
        if (role != Qt::DisplayRole || column >= m_totals.size() || !m_totals[column])
            return {};
        return QLocale::c().toString(*m_totals[column], 'f', *m_totals[column] == qint64(*m_totals[column]) ? 0 : 2);
    }
    if (role == Qt::DisplayRole)
        return m_table.text(row, column);
    if (role == Qt::EditRole)
        return m_table.value(row, column);
    return {};
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_table.columns().value(section);
    return sourceRow(section) < 0 ? kTotalsHeading : QString::number(section + 1);
}

bool ResultModel::matchesFilter(qsizetype row) const
{
    for (int c = 0; c < m_table.columnCount(); ++c)
        if (text::FoldPersian(m_table.text(row, c)).contains(m_foldedFilter, Qt::CaseInsensitive))
            return true;
    return false;
}

void ResultModel::rebuildOrder()
{
    m_ordered = m_sortColumn >= 0 || !m_foldedFilter.isEmpty();
    m_order.clear();
    if (!m_ordered)
        return;
    m_order.reserve(size_t(m_table.rowCount()));
    for (qsizetype r = 0; r < m_table.rowCount(); ++r)
        if (m_foldedFilter.isEmpty() || matchesFilter(r))
            m_order.push_back(r);
    if (m_sortColumn >= 0 && m_sortColumn < m_table.columnCount()) {
        const int column = m_sortColumn;
        const bool ascending = m_sortOrder == Qt::AscendingOrder;
        std::stable_sort(m_order.begin(), m_order.end(), [&](qsizetype a, qsizetype b) {
            const int c = CompareCells(m_table, a, b, column);
            return ascending ? c < 0 : c > 0;
        });
    }
}

void ResultModel::setFilterText(const QString& text)
{
    beginResetModel();
    m_filter = text;
    m_foldedFilter = text::FoldPersian(text.trimmed());
    rebuildOrder();
    endResetModel();
}

void ResultModel::sort(int column, Qt::SortOrder order)
{
    beginResetModel();
    m_sortColumn = column;
    m_sortOrder = order;
    rebuildOrder();
    endResetModel();
}

} // namespace kelvo::presentation
