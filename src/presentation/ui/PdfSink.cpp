#include "presentation/ui/PdfSink.h"

#include "front/ui/AppStyle.h"
#include "text/PersianDate.h"

#include <QFontMetricsF>
#include <QPageLayout>

#include <stdexcept>

namespace kelvo::presentation {

namespace {

constexpr int kResolution = 96; // device units per inch
constexpr double kCellPadding = 4;

const QString kPageText = QStringLiteral("صفحه %1");
const QString kDateText = QStringLiteral("تاريخ اجرا: %1");

} // namespace

PageWriter::PageWriter(QPagedPaintDevice& device, const QString& title, const QDateTime& when)
    : m_title(title), m_date(kDateText.arg(text::JalaliText(when.date()) + u' ' + when.time().toString("HH:mm"))),
      m_writer(&device)
{
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_writer))
        throw std::runtime_error("The pages cannot be drawn: the file or printer cannot be written.");
    m_font = front::PersianFont();
    m_font.setPointSizeF(9);
    m_bold = m_font;
    m_bold.setBold(true);
    m_painter->setLayoutDirection(Qt::RightToLeft);
}

PageWriter::~PageWriter()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

void PageWriter::writeHeadings(const QStringList& headings)
{
    m_headings = headings;
}

void PageWriter::layoutColumns(const db::RowBatch* sample)
{
    const QFontMetricsF metrics(m_font, m_writer);
    const QFontMetricsF boldMetrics(m_bold, m_writer);
    m_rowHeight = metrics.height() + 2 * kCellPadding;
    QList<double> wanted;
    for (int c = 0; c < m_headings.size(); ++c) {
        double w = boldMetrics.horizontalAdvance(m_headings[c]);
        if (sample)
            for (qsizetype r = 0; r < std::min<qsizetype>(sample->rowCount(), 200); ++r)
                w = std::max(w, metrics.horizontalAdvance(sample->text(r, c)));
        wanted << std::min(w, 400.0) + 2 * kCellPadding;
    }
    // The widths are scaled to the page's width.
    const double page = m_writer->width();
    double total = 0;
    for (double w : wanted)
        total += w;
    m_widths.clear();
    for (double w : wanted)
        m_widths << (total > 0 ? w * page / total : page);
    m_laidOut = true;
}

void PageWriter::startPage()
{
    if (m_page > 0)
        m_writer->newPage();
    ++m_page;
    QPainter& p = *m_painter;
    const QRectF page(0, 0, m_writer->width(), m_writer->height());
    p.setFont(m_bold);
    const double line = QFontMetricsF(m_bold, m_writer).height();
    p.drawText(QRectF(0, 0, page.width(), line), Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter, m_title);
    p.setFont(m_font);
    p.drawText(QRectF(0, 0, page.width(), line), Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignVCenter, m_date);
    p.drawText(QRectF(0, page.height() - line, page.width(), line), Qt::AlignHCenter | Qt::AlignVCenter,
               kPageText.arg(m_page));
    m_y = line * 1.5;
    drawRow(m_headings, true);
}

void PageWriter::drawRow(const QStringList& cells, bool heading)
{
    QPainter& p = *m_painter;
    p.setFont(heading ? m_bold : m_font);
    // The first column stands at the right edge.
    double right = m_writer->width();
    for (int c = 0; c < cells.size() && c < m_widths.size(); ++c) {
        const QRectF cell(right - m_widths[c], m_y, m_widths[c], m_rowHeight);
        if (heading)
            p.fillRect(cell, QColor(0xE1, 0xDB, 0xDB));
        p.drawRect(cell);
        p.drawText(cell.adjusted(kCellPadding, 0, -kCellPadding, 0), Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter,
                   QFontMetricsF(p.font(), m_writer).elidedText(cells[c], Qt::ElideLeft, cell.width() - 2 * kCellPadding));
        right -= m_widths[c];
    }
    m_y += m_rowHeight;
}

void PageWriter::writeBatch(const db::RowBatch& batch)
{
    if (!m_laidOut)
        layoutColumns(&batch);
    const double bottom = m_writer->height() - QFontMetricsF(m_font, m_writer).height() * 1.5;
    QStringList cells;
    for (qsizetype r = 0; r < batch.rowCount(); ++r) {
        if (m_page == 0 || m_y + m_rowHeight > bottom)
            startPage();
        cells.clear();
        for (int c = 0; c < batch.columnCount(); ++c)
            cells << batch.text(r, c);
        drawRow(cells, false);
    }
}

void PageWriter::finish()
{
    if (!m_laidOut)
        layoutColumns(nullptr);
    if (m_page == 0)
        startPage(); // headings only
    if (!m_painter->end())
        throw std::runtime_error("The PDF file cannot be written.");
}

PdfFile::PdfFile(const QString& path, const QString& title) : pdf(path)
{
    pdf.setTitle(title);
    pdf.setResolution(kResolution);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                  QPageLayout::Millimeter));
    pdf.setCreator(QStringLiteral("kelvo-report"));
}

PdfWriter::PdfWriter(const QString& path, const QString& title) : PdfFile(path, title), PageWriter(pdf, title) {}

SinkFactory PdfSinkFactory(const QString& title)
{
    return [title](const QString& path) { return std::unique_ptr<RowSink>(new PdfWriter(path, title)); };
}

SinkFactory SinkFactoryFor(ExportFormat format, const QString& title)
{
    return format == ExportFormat::Pdf ? PdfSinkFactory(title) : FileSinkFactory(format, title);
}

} // namespace kelvo::presentation
