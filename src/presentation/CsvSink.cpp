#include "presentation/CsvSink.h"


#include <QIODevice>

#include <charconv>
#include <stdexcept>

namespace kelvo::presentation {

namespace {

constexpr qsizetype kFlushBytes = 1 << 20;

bool NeedsQuotes(QByteArrayView s)
{
    for (char c : s)
        if (c == ',' || c == '"' || c == '\n' || c == '\r')
            return true;
    return false;
}

} // namespace

CsvWriter::CsvWriter(QIODevice& out) : m_out(out)
{
    m_buffer.reserve(kFlushBytes + 4096);
    m_buffer.append("\xEF\xBB\xBF");
}

CsvWriter::~CsvWriter()
{
    try {
        flush();
    } catch (const std::exception&) {
        // A failing device was reported by the explicit flush, if any.
    }
}

void CsvWriter::field(QByteArrayView utf8)
{
    if (!NeedsQuotes(utf8)) {
        m_buffer.append(utf8);
        return;
    }
    m_buffer.append('"');
    for (char c : utf8) {
        if (c == '"')
            m_buffer.append('"');
        m_buffer.append(c);
    }
    m_buffer.append('"');
}

void CsvWriter::endRow()
{
    m_buffer.append("\r\n");
    if (m_buffer.size() >= kFlushBytes)
        flush();
}

void CsvWriter::writeHeadings(const QStringList& headings)
{
    for (qsizetype i = 0; i < headings.size(); ++i) {
        if (i > 0)
            m_buffer.append(',');
        field(headings[i].toUtf8());
    }
    endRow();
}

void CsvWriter::writeBatch(const db::RowBatch& batch)
{
    char number[32];
    const int columns = batch.columnCount();
    for (qsizetype r = 0; r < batch.rowCount(); ++r) {
        for (int c = 0; c < columns; ++c) {
            if (c > 0)
                m_buffer.append(',');
            switch (batch.kind(r, c)) {
            case db::CellKind::Null:
                break;
            case db::CellKind::Integer: {
                const auto end = std::to_chars(number, number + sizeof number, batch.integer(r, c)).ptr;
                m_buffer.append(number, end - number);
                break;
            }
            case db::CellKind::Real: {
                const auto end = std::to_chars(number, number + sizeof number, batch.real(r, c)).ptr;
                m_buffer.append(number, end - number);
                break;
            }
            case db::CellKind::Text:
                field(batch.bytes(r, c));
                break;
            case db::CellKind::Blob:
                m_buffer.append(batch.bytes(r, c).toByteArray().toHex());
                break;
            }
        }
        endRow();
    }
}

void CsvWriter::flush()
{
    if (m_buffer.isEmpty())
        return;
    if (m_out.write(m_buffer) != m_buffer.size())
        throw std::runtime_error("The CSV file cannot be written: " + m_out.errorString().toStdString());
    m_buffer.resize(0); // keeps its room
}

} // namespace kelvo::presentation
