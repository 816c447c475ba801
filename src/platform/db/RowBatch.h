#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVariant>

#include <vector>

namespace kelvo::db {

// What a cell holds.
enum class CellKind : quint8 { Null, Integer, Real, Text, Blob };

// A run of result rows in a compact form: one kind byte and one 8-byte
// payload per cell, texts (UTF-8) and blobs in one byte pool. Rows are
// appended cell by cell, left to right.
class RowBatch {
public:
    explicit RowBatch(int columnCount = 0) : m_columns(columnCount) {}

    int columnCount() const { return m_columns; }
    qsizetype rowCount() const { return m_columns == 0 ? 0 : qsizetype(m_kinds.size()) / m_columns; }
    bool isEmpty() const { return m_kinds.empty(); }
    // Empties the batch for columnCount columns, keeping its memory.
    void reset(int columnCount);
    // Room for rows rows of the columns, so that filling does not regrow.
    void reserve(qsizetype rows);
    // Gives back the room the rows did not take.
    void shrink();
    // Bytes the batch holds.
    qsizetype byteSize() const;

    void appendNull() { push(CellKind::Null, 0); }
    void appendInteger(qint64 value) { push(CellKind::Integer, quint64(value)); }
    void appendReal(double value);
    void appendText(const char* utf8, qsizetype length) { appendBytes(CellKind::Text, utf8, length); }
    void appendText(const QString& text);
    void appendBlob(const char* data, qsizetype length) { appendBytes(CellKind::Blob, data, length); }
    void appendValue(const QVariant& value);
    // Appends a copy of a cell of another batch, as it is stored there.
    void appendCell(const RowBatch& from, qsizetype row, int column);
    // Whether a cell holds the same as a cell of another batch: the same
    // kind and the same number or bytes.
    bool sameCell(qsizetype row, int column, const RowBatch& other, qsizetype otherRow, int otherColumn) const;
    // Appends the cell's kind and stored form to key, so that two cells give
    // the same bytes exactly when sameCell holds.
    void appendCellKey(QByteArray& key, qsizetype row, int column) const;

    CellKind kind(qsizetype row, int column) const { return CellKind(m_kinds[index(row, column)]); }
    qint64 integer(qsizetype row, int column) const { return qint64(m_payload[index(row, column)]); }
    double real(qsizetype row, int column) const;
    // The bytes of a text or blob cell; empty for other kinds.
    QByteArrayView bytes(qsizetype row, int column) const;
    // The cell as a variant: NULL as a null QVariant, texts as QString.
    QVariant value(qsizetype row, int column) const;
    // The cell as text: numbers in their shortest exact form, NULL empty.
    QString text(qsizetype row, int column) const;

private:
    size_t index(qsizetype row, int column) const { return size_t(row) * size_t(m_columns) + size_t(column); }
    void push(CellKind kind, quint64 payload)
    {
        m_kinds.push_back(quint8(kind));
        m_payload.push_back(payload);
    }
    void appendBytes(CellKind kind, const char* data, qsizetype length);

    int m_columns;
    std::vector<quint8> m_kinds;
    std::vector<quint64> m_payload; // integer, the bits of a real, or (offset << 32 | length) into m_pool
    QByteArray m_pool;
};

// Formats a real as the system shows it: the shortest text that reads back
// as the same number.
QString RealText(double value);

} // namespace kelvo::db
