#pragma once

#include "presentation/ReportExport.h"
#include "presentation/RowSink.h"

#include <QDateTime>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <memory>

namespace kelvo::presentation {

// Draws rows on pages, page by page as they come: right to left, the
// report's title and the run date (Persian calendar) at the head of every
// page, the headings repeated on every page, page numbers at the foot.
// Column widths are taken from the headings and the first batch of rows.
// The pages are a PDF file's (PdfWriter) or a printer's.
class PageWriter : public RowSink {
public:
    // Throws std::runtime_error when the device cannot be drawn on.
    PageWriter(QPagedPaintDevice& device, const QString& title, const QDateTime& when = QDateTime::currentDateTime());
    ~PageWriter() override;

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
    QPagedPaintDevice* m_writer;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font, m_bold;
    QStringList m_headings;
    QList<double> m_widths; // of each column, in device units
    double m_rowHeight = 0;
    double m_y = 0;
    int m_page = 0;
    bool m_laidOut = false;
};

// The file of a PdfWriter, made before its pages are drawn on it.
struct PdfFile {
    PdfFile(const QString& path, const QString& title);
    QPdfWriter pdf;
};

// A PDF file of A4 landscape pages.
class PdfWriter final : private PdfFile, public PageWriter {
public:
    PdfWriter(const QString& path, const QString& title);
};

// The PDF sink for the file exports, with the report's title. Needs the
// application object of a GUI (for fonts).
SinkFactory PdfSinkFactory(const QString& title);

// The sink of any export format.
SinkFactory SinkFactoryFor(ExportFormat format, const QString& title);

} // namespace kelvo::presentation
