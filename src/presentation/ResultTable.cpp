#include "presentation/ResultTable.h"

#include "text/PersianText.h"
#include "text/TextPrimitives.h"

#include <algorithm>

namespace kelvo::presentation {

ResultTable::ResultTable(QStringList columns, QList<db::ColumnType> types)
    : m_columns(std::move(columns)), m_types(std::move(types))
{
    while (m_types.size() < m_columns.size())
        m_types << db::ColumnType::Unknown;
}

void ResultTable::append(std::shared_ptr<const db::RowBatch> batch)
{
    if (!batch || batch->rowCount() == 0)
        return;
    m_starts.push_back(m_rows);
    m_rows += batch->rowCount();
    m_batches.push_back(std::move(batch));
}

std::pair<const db::RowBatch*, qsizetype> ResultTable::locate(qsizetype row) const
{
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), row);
    const size_t index = size_t(after - m_starts.begin()) - 1;
    return {m_batches[index].get(), row - m_starts[index]};
}

db::CellKind ResultTable::kind(qsizetype row, int column) const
{
    const auto [batch, at] = locate(row);
    return batch->kind(at, column);
}

QVariant ResultTable::value(qsizetype row, int column) const
{
    const auto [batch, at] = locate(row);
    return batch->value(at, column);
}

QString ResultTable::text(qsizetype row, int column) const
{
    const auto [batch, at] = locate(row);
    return batch->text(at, column);
}

bool ResultTable::isNumber(qsizetype row, int column) const
{
    const db::CellKind k = kind(row, column);
    return k == db::CellKind::Integer || k == db::CellKind::Real;
}

double ResultTable::number(qsizetype row, int column) const
{
    const auto [batch, at] = locate(row);
    switch (batch->kind(at, column)) {
    case db::CellKind::Integer:
        return double(batch->integer(at, column));
    case db::CellKind::Real:
        return batch->real(at, column);
    default:
        return 0;
    }
}

qsizetype ResultTable::byteSize() const
{
    qsizetype bytes = 0;
    for (const auto& b : m_batches)
        bytes += b->byteSize();
    return bytes;
}

std::optional<double> ResultTable::cellNumber(qsizetype row, int column) const
{
    const auto [batch, at] = locate(row);
    return CellNumber(*batch, at, column);
}

std::optional<double> CellNumber(const db::RowBatch& batch, qsizetype row, int column)
{
    switch (batch.kind(row, column)) {
    case db::CellKind::Integer:
        return double(batch.integer(row, column));
    case db::CellKind::Real:
        return batch.real(row, column);
    case db::CellKind::Text: {
        const QString text = text::AsciiDigits(batch.text(row, column));
        return text::IsNumber(text) ? std::optional<double>(text::LeadingNumber(text)) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

} // namespace kelvo::presentation
