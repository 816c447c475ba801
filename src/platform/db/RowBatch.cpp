#include "platform/db/RowBatch.h"

#include "platform/VariantKinds.h"
#include "platform/db/DbError.h"

#include <QDateTime>
#include <QLocale>

#include <cstring>
#include <limits>

namespace kelvo::db {

void RowBatch::reset(int columnCount)
{
    m_columns = columnCount;
    m_kinds.clear();
    m_payload.clear();
    m_pool.clear();
}

void RowBatch::reserve(qsizetype rows)
{
    const size_t cells = size_t(rows) * size_t(m_columns);
    m_kinds.reserve(cells);
    m_payload.reserve(cells);
}

void RowBatch::shrink()
{
    m_kinds.shrink_to_fit();
    m_payload.shrink_to_fit();
    m_pool.squeeze();
}

qsizetype RowBatch::byteSize() const
{
    return qsizetype(m_kinds.capacity() + m_payload.capacity() * sizeof(quint64)) + m_pool.capacity();
}

void RowBatch::appendReal(double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    push(CellKind::Real, bits);
}

void RowBatch::appendText(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    appendText(utf8.constData(), utf8.size());
}

void RowBatch::appendBytes(CellKind kind, const char* data, qsizetype length)
{
    const qsizetype offset = m_pool.size();
    if (offset + length > qsizetype(std::numeric_limits<quint32>::max()) || length < 0)
        throw DbError(QStringLiteral("A batch of rows cannot hold more than 4 GiB of text."));
    m_pool.append(data, length);
    push(kind, (quint64(offset) << 32) | quint64(length));
}

void RowBatch::appendCell(const RowBatch& from, qsizetype row, int column)
{
    const size_t at = from.index(row, column);
    const CellKind kind = CellKind(from.m_kinds[at]);
    if (kind == CellKind::Text || kind == CellKind::Blob) {
        const QByteArrayView b = from.bytes(row, column);
        appendBytes(kind, b.data(), b.size());
    } else {
        push(kind, from.m_payload[at]);
    }
}

bool RowBatch::sameCell(qsizetype row, int column, const RowBatch& other, qsizetype otherRow, int otherColumn) const
{
    const size_t a = index(row, column);
    const size_t b = other.index(otherRow, otherColumn);
    if (m_kinds[a] != other.m_kinds[b])
        return false;
    const CellKind kind = CellKind(m_kinds[a]);
    if (kind == CellKind::Text || kind == CellKind::Blob)
        return bytes(row, column) == other.bytes(otherRow, otherColumn);
    return kind == CellKind::Null || m_payload[a] == other.m_payload[b];
}

void RowBatch::appendCellKey(QByteArray& key, qsizetype row, int column) const
{
    const size_t at = index(row, column);
    const CellKind kind = CellKind(m_kinds[at]);
    key.append(char(kind));
    if (kind == CellKind::Text || kind == CellKind::Blob) {
        const QByteArrayView b = bytes(row, column);
        const quint32 length = quint32(b.size());
        key.append(reinterpret_cast<const char*>(&length), sizeof length);
        key.append(b.data(), b.size());
    } else if (kind != CellKind::Null) {
        key.append(reinterpret_cast<const char*>(&m_payload[at]), sizeof(quint64));
    }
}

void RowBatch::appendValue(const QVariant& v)
{
    if (v.isNull())
        appendNull();
    else if (IsIntegerValue(v) || v.typeId() == QMetaType::Bool)
        appendInteger(v.toLongLong());
    else if (IsRealValue(v))
        appendReal(v.toDouble());
    else if (v.typeId() == QMetaType::QByteArray) {
        const QByteArray b = v.toByteArray();
        appendBlob(b.constData(), b.size());
    } else if (v.typeId() == QMetaType::QDate)
        appendText(v.toDate().toString(Qt::ISODate));
    else if (v.typeId() == QMetaType::QDateTime)
        appendText(v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    else
        appendText(v.toString());
}

double RowBatch::real(qsizetype row, int column) const
{
    double value = 0;
    const quint64 bits = m_payload[index(row, column)];
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QByteArrayView RowBatch::bytes(qsizetype row, int column) const
{
    const size_t i = index(row, column);
    const CellKind k = CellKind(m_kinds[i]);
    if (k != CellKind::Text && k != CellKind::Blob)
        return {};
    const quint64 p = m_payload[i];
    return QByteArrayView(m_pool.constData() + qsizetype(p >> 32), qsizetype(p & 0xFFFFFFFFu));
}

QVariant RowBatch::value(qsizetype row, int column) const
{
    switch (kind(row, column)) {
    case CellKind::Null:
        return {};
    case CellKind::Integer:
        return integer(row, column);
    case CellKind::Real:
        return real(row, column);
    case CellKind::Text:
        return QString::fromUtf8(bytes(row, column));
    case CellKind::Blob:
        return bytes(row, column).toByteArray();
    }
    return {};
}

QString RowBatch::text(qsizetype row, int column) const
{
    switch (kind(row, column)) {
    case CellKind::Null:
        return {};
    case CellKind::Integer:
        return QString::number(integer(row, column));
    case CellKind::Real:
        return RealText(real(row, column));
    case CellKind::Text:
        return QString::fromUtf8(bytes(row, column));
    case CellKind::Blob:
        return QString::fromLatin1(bytes(row, column).toByteArray().toHex());
    }
    return {};
}

QString RealText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace kelvo::db
