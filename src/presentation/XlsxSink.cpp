#include "presentation/XlsxSink.h"

#include <xlsxwriter.h>

#include <stdexcept>

namespace kelvo::presentation {

namespace {

// Excel's limits: characters in a cell, and a sheet name's length.
constexpr qsizetype kCellCharacters = 32767;
constexpr qsizetype kSheetNameCharacters = 31;

// A sheet name without the characters Excel refuses in one.
QString SheetName(QString title, int number)
{
    for (QChar& c : title)
        if (QStringLiteral("[]:*?/\\").contains(c))
            c = u' ';
    title = title.trimmed();
    if (title.isEmpty())
        title = QStringLiteral("Report");
    if (number > 1)
        title = title.left(kSheetNameCharacters - 6) + QStringLiteral(" (%1)").arg(number);
    return title.left(kSheetNameCharacters);
}

} // namespace

XlsxWriter::XlsxWriter(const QString& path, const QString& sheetTitle) : m_title(sheetTitle)
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    m_workbook = workbook_new_opt(path.toUtf8().constData(), &options);
    if (!m_workbook)
        throw std::runtime_error("The Excel file cannot be created: " + path.toStdString());
    m_heading = workbook_add_format(m_workbook);
    format_set_bold(m_heading);
    addSheet();
}

XlsxWriter::~XlsxWriter()
{
    if (m_workbook)
        workbook_close(m_workbook);
}

void XlsxWriter::check(int error, const char* what) const
{
    if (error != LXW_NO_ERROR)
        throw std::runtime_error(std::string("The Excel file cannot be written (") + what +
                                 "): " + lxw_strerror(lxw_error(error)));
}

void XlsxWriter::addSheet()
{
    ++m_sheets;
    m_sheet = workbook_add_worksheet(m_workbook, SheetName(m_title, m_sheets).toUtf8().constData());
    if (!m_sheet)
        throw std::runtime_error("The Excel file cannot take another sheet.");
    worksheet_right_to_left(m_sheet);
    m_row = 0;
    if (!m_headings.isEmpty())
        writeHeadings(m_headings);
}

void XlsxWriter::writeHeadings(const QStringList& headings)
{
    m_headings = headings;
    for (int c = 0; c < headings.size(); ++c) {
        check(worksheet_write_string(m_sheet, m_row, lxw_col_t(c), headings[c].toUtf8().constData(), m_heading),
              "heading");
        // Column widths must be set before the rows: from the headings.
        worksheet_set_column(m_sheet, lxw_col_t(c), lxw_col_t(c), std::max<double>(10, headings[c].size() + 4),
                             nullptr);
    }
    worksheet_freeze_panes(m_sheet, 1, 0);
    ++m_row;
}

void XlsxWriter::writeBatch(const db::RowBatch& batch)
{
    QByteArray text;
    for (qsizetype r = 0; r < batch.rowCount(); ++r) {
        if (m_row >= LXW_ROW_MAX)
            addSheet();
        for (int c = 0; c < batch.columnCount(); ++c) {
            const lxw_col_t col = lxw_col_t(c);
            switch (batch.kind(r, c)) {
            case db::CellKind::Null:
                break;
            case db::CellKind::Integer:
                check(worksheet_write_number(m_sheet, m_row, col, double(batch.integer(r, c)), nullptr), "number");
                break;
            case db::CellKind::Real:
                check(worksheet_write_number(m_sheet, m_row, col, batch.real(r, c), nullptr), "number");
                break;
            case db::CellKind::Text: {
                const QByteArrayView bytes = batch.bytes(r, c);
                text = bytes.size() > kCellCharacters ? QString::fromUtf8(bytes).left(kCellCharacters).toUtf8()
                                                      : bytes.toByteArray();
                check(worksheet_write_string(m_sheet, m_row, col, text.constData(), nullptr), "text");
                break;
            }
            case db::CellKind::Blob:
                check(worksheet_write_string(m_sheet, m_row, col, batch.bytes(r, c).toByteArray().toHex().constData(),
                                             nullptr),
                      "binary");
                break;
            }
        }
        ++m_row;
    }
}

void XlsxWriter::finish()
{
    lxw_workbook* workbook = m_workbook;
    m_workbook = nullptr;
    if (workbook)
        check(workbook_close(workbook), "closing");
}

} // namespace kelvo::presentation
