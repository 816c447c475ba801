#pragma once

#include "platform/db/RowBatch.h"

#include <QByteArray>
#include <QStringList>

class QIODevice;

namespace kelvo::presentation {

class ResultTable;

// Writes rows as CSV in UTF-8 with a byte-order mark (so that spreadsheet
// programs read Persian): the headings first, then each batch as it comes,
// fields quoted when they hold a comma, a quote or a line break. Numbers are
// written as they are stored, NULL as an empty field.
class CsvWriter {
public:
    explicit CsvWriter(QIODevice& out);
    ~CsvWriter();

    void writeHeadings(const QStringList& headings);
    void writeBatch(const db::RowBatch& batch);
    // Writes what is buffered; throws std::runtime_error when the device fails.
    void flush();

private:
    void field(QByteArrayView utf8);
    void endRow();

    QIODevice& m_out;
    QByteArray m_buffer;
};

// The whole table, headings first.
void WriteCsv(QIODevice& out, const ResultTable& table);

} // namespace kelvo::presentation
