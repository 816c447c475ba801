#pragma once

#include "presentation/ReportDefinition.h"
#include "presentation/ResultTable.h"

#include <QAbstractTableModel>
#include <QLocale>

#include <optional>

namespace kelvo::presentation {

// The result grid's model: one row per result row (the vertical header
// numbers them), the columns of the result under their headings, aligned as
// the stored layout says, and a totals row at the end when the layout asks
// for sums. Rows arrive batch by batch while the report runs. Sorting by a
// column and a quick text filter work on the rows loaded, without copying
// them: the model keeps the order of the rows it shows.
class ResultModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultModel(QObject* parent = nullptr);

    // A new result: its columns, the layout of the grid, no rows yet.
    void reset(QStringList columns, QList<db::ColumnType> types, QList<ColumnLayout> layout);
    void appendBatch(std::shared_ptr<const db::RowBatch> batch);
    // Computes the totals row (after the last batch).
    void finish();

    const ResultTable& table() const { return m_table; }
    // The result row shown at a model row; -1 for the totals row.
    qsizetype sourceRow(int row) const;
    bool hasTotals() const { return !m_totals.isEmpty(); }

    // Shows only the rows where some cell holds text (the Arabic and Persian
    // forms of a letter and the three kinds of digits count as one, case is
    // ignored); an empty text shows every row.
    void setFilterText(const QString& text);
    const QString& filterText() const { return m_filter; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The alignment a layout code stands for: 1 left, 4 centre, 7 right.
    static Qt::Alignment AlignmentOf(int code);
    // A result column's alignment by its layout (centred without one).
    Qt::Alignment columnAlignment(int column) const;
    const QList<ColumnLayout>& layout() const { return m_layout; }

private:
    int shownRows() const;
    bool matchesFilter(qsizetype row) const;
    void rebuildOrder();

    ResultTable m_table;
    QList<ColumnLayout> m_layout;
    QList<std::optional<double>> m_totals;
    // The result rows shown, in order; empty while the natural order of all
    // rows is shown.
    std::vector<qsizetype> m_order;
    bool m_ordered = false;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QString m_filter;
    QString m_foldedFilter;
};

} // namespace kelvo::presentation
