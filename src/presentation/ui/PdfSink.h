#pragma once

#include "presentation/ReportExport.h"
#include "presentation/RowSink.h"

#include <QDateTime>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <memory>

namespace kelvo::presentation {

// Writes rows as a PDF document, page by page as they come: A4 landscape,
// right to left, the report's title and the run date (Persian calendar) at
// the head of every page, the headings repeated on every page, page numbers
// at the foot. Column widths are taken from the headings and the first
// batch of rows.
class PdfWriter final : public RowSink {
public:
    // Throws std::runtime_error when the file cannot be written.
    PdfWriter(const QString& path, const QString& title, const QDateTime& when = QDateTime::currentDateTime());
    ~PdfWriter() override;

    void writeHeadings(const QStringList& headings) override;
    void writeBatch(const db::RowBatch& batch) override;
    void finish() override;

    int pages() const { return m_page; }

private:
    void startPage();
    void layoutColumns(const db::RowBatch* sample);
    void drawRow(const QStringList& cells, bool heading);

    QString m_title;
    QString m_date;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font, m_bold;
    QStringList m_headings;
    QList<double> m_widths; // of each column, in device units
    double m_rowHeight = 0;
    double m_y = 0;
    int m_page = 0;
    bool m_laidOut = false;
};

// The PDF sink for the file exports, with the report's title. Needs the
// application object of a GUI (for fonts).
SinkFactory PdfSinkFactory(const QString& title);

// The sink of any export format.
SinkFactory SinkFactoryFor(ExportFormat format, const QString& title);

} // namespace kelvo::presentation
