#pragma once

#include "presentation/RowSink.h"

#include <QByteArray>
#include <QStringList>

class QIODevice;

namespace kelvo::presentation {

// Writes rows as CSV in UTF-8 with a byte-order mark (so that spreadsheet
// programs read Persian): the headings first, then each batch as it comes,
// fields quoted when they hold a comma, a quote or a line break. Numbers are
// written as they are stored, NULL as an empty field.
class CsvWriter final : public RowSink {
public:
    explicit CsvWriter(QIODevice& out);
    ~CsvWriter() override;

    void writeHeadings(const QStringList& headings) override;
    void writeBatch(const db::RowBatch& batch) override;
    // Writes what is buffered; throws std::runtime_error when the device fails.
    void finish() override { flush(); }
    void flush();

private:
    void field(QByteArrayView utf8);
    void endRow();

    QIODevice& m_out;
    QByteArray m_buffer;
};

} // namespace kelvo::presentation
