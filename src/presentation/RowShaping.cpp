#include "presentation/RowShaping.h"

#include <QHash>

#include <cmath>
#include <vector>

namespace kelvo::presentation {

namespace {

// Rows written to one batch of a shaped table before the next is started.
constexpr qsizetype kBatchRows = 65536;
const QString kJoin = QStringLiteral("، ");

// One row of a table, as its batch holds it.
struct RowRef {
    const db::RowBatch* batch = nullptr;
    qsizetype row = 0;
    QString text(int column) const { return batch->text(row, column); }
};

template <class F>
void ForEachRow(const ResultTable& table, F&& f)
{
    for (const auto& batch : table.batches())
        for (qsizetype r = 0; r < batch->rowCount(); ++r)
            f(RowRef{batch.get(), r});
}

// Accumulates the cells that fall into one shaped cell: the numbers summed,
// and the texts kept (every cell's when allTexts, else those of text cells).
struct Accumulator {
    bool any = false;      // a non-null cell came
    bool numeric = true;   // every non-null cell was a number
    bool integral = true;  // every number was an integer
    bool anyNumber = false;
    double sum = 0;
    QStringList texts;     // the distinct texts, in first-seen order

    void add(const RowRef& cell, int column, bool allTexts)
    {
        const db::CellKind kind = cell.batch->kind(cell.row, column);
        if (kind == db::CellKind::Null)
            return;
        any = true;
        if (kind == db::CellKind::Integer) {
            sum += double(cell.batch->integer(cell.row, column));
            anyNumber = true;
        } else if (kind == db::CellKind::Real) {
            sum += cell.batch->real(cell.row, column);
            integral = false;
            anyNumber = true;
        } else {
            numeric = false;
            allTexts = true;
        }
        if (allTexts) {
            const QString text = cell.text(column);
            if (!texts.contains(text))
                texts << text;
        }
    }
    void writeSum(db::RowBatch& out) const
    {
        if (!any || !numeric)
            out.appendNull();
        else if (integral && std::abs(sum) < 9.0e15)
            out.appendInteger(qint64(sum));
        else
            out.appendReal(sum);
    }
    void writeJoined(db::RowBatch& out) const
    {
        if (any)
            out.appendText(texts.join(kJoin));
        else
            out.appendNull();
    }
    // A text column of a cross-tab: its texts, after the sum of any numbers.
    void writeTexts(db::RowBatch& out) const
    {
        if (!any) {
            out.appendNull();
            return;
        }
        QStringList parts = texts;
        if (anyNumber)
            parts.prepend(db::RealText(sum));
        out.appendText(parts.join(kJoin));
    }
};

// Writes shaped rows into batches of kBatchRows.
class BatchWriter {
public:
    BatchWriter(ResultTable& table, int columns) : m_table(table), m_columns(columns) {}
    ~BatchWriter() { flush(); }
    db::RowBatch& row()
    {
        if (!m_batch || m_batch->rowCount() >= kBatchRows) {
            flush();
            m_batch = std::make_shared<db::RowBatch>(m_columns);
        }
        return *m_batch;
    }
    void flush()
    {
        if (m_batch) {
            m_batch->shrink();
            m_table.append(std::move(m_batch));
        }
        m_batch.reset();
    }

private:
    ResultTable& m_table;
    int m_columns;
    std::shared_ptr<db::RowBatch> m_batch;
};


} // namespace

ResultTable MergeRows(const ResultTable& table, const QList<MergeType>& types)
{
    const int columns = table.columnCount();
    const auto typeOf = [&](int c) { return c < types.size() ? types[c] : MergeType::First; };
    QList<int> base;
    for (int c = 0; c < columns; ++c)
        if (typeOf(c) == MergeType::Base)
            base << c;
    if (base.isEmpty())
        return table;

    ResultTable merged(table.columns(), table.types());
    BatchWriter writer(merged, columns);
    RowRef first;
    QStringList key;
    auto accumulators = std::vector<Accumulator>(size_t(columns));
    const auto flush = [&] {
        if (!first.batch)
            return;
        db::RowBatch& out = writer.row();
        for (int c = 0; c < columns; ++c) {
            switch (typeOf(c)) {
            case MergeType::Sum:
                accumulators[size_t(c)].writeSum(out);
                break;
            case MergeType::Distinct:
                accumulators[size_t(c)].writeJoined(out);
                break;
            default:
                out.appendCell(*first.batch, first.row, c);
            }
        }
    };
    ForEachRow(table, [&](const RowRef& row) {
        const bool sameGroup = first.batch && std::all_of(base.begin(), base.end(), [&](int c) {
            return row.batch->sameCell(row.row, c, *first.batch, first.row, c);
        });
        if (!sameGroup) {
            flush();
            first = row;
            std::fill(accumulators.begin(), accumulators.end(), Accumulator{});
        }
        for (int c = 0; c < columns; ++c)
            if (typeOf(c) == MergeType::Sum || typeOf(c) == MergeType::Distinct)
                accumulators[size_t(c)].add(row, c, typeOf(c) == MergeType::Distinct);
    });
    flush();
    writer.flush();
    return merged;
}

ResultTable Distribute(const ResultTable& table, const Distribution& d)
{
    const int columns = table.columnCount();
    QList<int> values;
    for (int v : d.valueColumns)
        if (v >= 0 && v < columns && v != d.distributingColumn && !values.contains(v))
            values << v;
    if (d.distributingColumn < 0 || d.distributingColumn >= columns || values.isEmpty())
        return table;
    QList<int> keys;
    for (int c = 0; c < columns; ++c)
        if (c != d.distributingColumn && !values.contains(c))
            keys << c;

    // Rows by key, headings by value, in first-seen order; both are found by
    // the cells' stored bytes.
    QHash<QByteArray, int> rowOfKey, indexOfValue;
    std::vector<RowRef> firstOfRow;
    QStringList seenValues;
    // cells[row][value * |values| + value column]
    std::vector<std::vector<Accumulator>> cells;
    QByteArray key, valueKey;
    ForEachRow(table, [&](const RowRef& row) {
        key.clear();
        for (int c : keys)
            row.batch->appendCellKey(key, row.row, c);
        auto found = rowOfKey.constFind(key);
        if (found == rowOfKey.constEnd()) {
            found = rowOfKey.insert(key, int(firstOfRow.size()));
            firstOfRow.push_back(row);
            cells.emplace_back(size_t(seenValues.size() * values.size()));
        }
        valueKey.clear();
        row.batch->appendCellKey(valueKey, row.row, d.distributingColumn);
        auto index = indexOfValue.constFind(valueKey);
        if (index == indexOfValue.constEnd()) {
            index = indexOfValue.insert(valueKey, int(seenValues.size()));
            seenValues << row.text(d.distributingColumn);
        }
        std::vector<Accumulator>& line = cells[size_t(*found)];
        const size_t needed = size_t(seenValues.size() * values.size());
        if (line.size() < needed)
            line.resize(needed);
        for (int v = 0; v < values.size(); ++v)
            line[size_t(*index * values.size() + v)].add(row, values[v], false);
    });

    // The stored order first, then the values it does not name.
    QList<int> order;
    for (const QString& stored : d.storedOrder)
        if (const qsizetype i = seenValues.indexOf(stored); i >= 0 && !order.contains(int(i)))
            order << int(i);
    for (int i = 0; i < seenValues.size(); ++i)
        if (!order.contains(i))
            order << i;

    QStringList headings;
    QList<db::ColumnType> types;
    for (int c : keys) {
        headings << table.columns()[c];
        types << table.types().value(c);
    }
    std::vector<bool> numeric;
    for (int i : order) {
        for (int v = 0; v < values.size(); ++v) {
            headings << (values.size() == 1 ? seenValues[i]
                                            : seenValues[i] + QStringLiteral(" - ") + table.columns()[values[v]]);
            bool allNumbers = true;
            for (const auto& line : cells) {
                const size_t at = size_t(i * values.size() + v);
                if (at < line.size() && line[at].any && !line[at].numeric)
                    allNumbers = false;
            }
            numeric.push_back(allNumbers);
            types << (allNumbers ? db::ColumnType::Real : db::ColumnType::Text);
        }
    }
    ResultTable distributed(headings, types);
    BatchWriter writer(distributed, int(headings.size()));
    for (size_t r = 0; r < firstOfRow.size(); ++r) {
        db::RowBatch& out = writer.row();
        for (int c : keys)
            out.appendCell(*firstOfRow[r].batch, firstOfRow[r].row, c);
        size_t column = 0;
        for (int i : order) {
            for (int v = 0; v < values.size(); ++v, ++column) {
                const size_t at = size_t(i * values.size() + v);
                const Accumulator empty;
                const Accumulator& cell = at < cells[r].size() ? cells[r][at] : empty;
                if (numeric[column])
                    cell.writeSum(out);
                else
                    cell.writeTexts(out);
            }
        }
    }
    writer.flush();
    return distributed;
}

ResultTable WithoutColumns(const ResultTable& table, const QList<int>& columns)
{
    QList<int> kept;
    QStringList headings;
    QList<db::ColumnType> types;
    for (int c = 0; c < table.columnCount(); ++c) {
        if (columns.contains(c))
            continue;
        kept << c;
        headings << table.columns()[c];
        types << table.types().value(c);
    }
    if (kept.size() == table.columnCount())
        return table;
    ResultTable narrowed(headings, types);
    BatchWriter writer(narrowed, int(kept.size()));
    ForEachRow(table, [&](const RowRef& row) {
        db::RowBatch& out = writer.row();
        for (int c : kept)
            out.appendCell(*row.batch, row.row, c);
    });
    writer.flush();
    return narrowed;
}

std::optional<RowColours> ColoursOfRow(const RowColourRule& rule, const ResultTable& table, qsizetype row)
{
    const int column = rule.gridColumn - 1;
    if (column < 0 || column >= table.columnCount() || (rule.type & 3) == 0 || row < 0 || row >= table.rowCount())
        return std::nullopt;
    const std::optional<double> value = table.cellNumber(row, column);
    if (!value)
        return std::nullopt;
    for (const RowColourRule::Value& v : rule.values) {
        if (std::abs(v.value - *value) > 1e-9)
            continue;
        RowColours colours;
        if (rule.type & 1)
            colours.text = v.foreColor;
        if (rule.type & 2)
            colours.background = v.backColor;
        return colours;
    }
    return std::nullopt;
}

} // namespace kelvo::presentation
