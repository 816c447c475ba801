#pragma once

#include "platform/db/Backend.h"
#include "platform/db/RowBatch.h"

#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace kelvo::presentation {

// The rows of a report run, the only copy of them in a window: the batches
// of the row stream kept as they came (one kind byte and one 8-byte payload
// per cell, texts as UTF-8 in each batch's pool), appended batch by batch.
class ResultTable {
public:
    ResultTable() = default;
    ResultTable(QStringList columns, QList<db::ColumnType> types);

    const QStringList& columns() const { return m_columns; }
    const QList<db::ColumnType>& types() const { return m_types; }
    int columnCount() const { return int(m_columns.size()); }
    qsizetype rowCount() const { return m_rows; }

    // Appends a batch of rows of this table's columns.
    void append(std::shared_ptr<const db::RowBatch> batch);

    db::CellKind kind(qsizetype row, int column) const;
    QVariant value(qsizetype row, int column) const;
    QString text(qsizetype row, int column) const;
    // A number cell's value; 0 for any other.
    double number(qsizetype row, int column) const;
    bool isNumber(qsizetype row, int column) const;
    // A cell as a number: a number cell, or a text that is one number (in
    // any digits); none otherwise.
    std::optional<double> cellNumber(qsizetype row, int column) const;

    // The batches in order, for sinks that write them as they are.
    const std::vector<std::shared_ptr<const db::RowBatch>>& batches() const { return m_batches; }
    qsizetype byteSize() const;

private:
    // The batch that holds a row, and the row's place in it.
    std::pair<const db::RowBatch*, qsizetype> locate(qsizetype row) const;

    QStringList m_columns;
    QList<db::ColumnType> m_types;
    std::vector<std::shared_ptr<const db::RowBatch>> m_batches;
    std::vector<qsizetype> m_starts; // first row of each batch
    qsizetype m_rows = 0;
};

// ResultTable::cellNumber on a batch's cell.
std::optional<double> CellNumber(const db::RowBatch& batch, qsizetype row, int column);

} // namespace kelvo::presentation
