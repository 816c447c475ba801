#pragma once

#include "presentation/RowSink.h"

#include <QString>
#include <QStringList>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace kelvo::presentation {

// Writes rows to an Excel workbook (.xlsx) through libxlsxwriter, row by
// row in its constant-memory mode: a right-to-left sheet with the headings
// in bold, numbers as number cells, texts as text cells, NULL as an empty
// cell. Rows past a sheet's last row continue on a new sheet that repeats
// the headings.
class XlsxWriter final : public RowSink {
public:
    // Throws std::runtime_error when the file cannot be created.
    XlsxWriter(const QString& path, const QString& sheetTitle);
    ~XlsxWriter();
    XlsxWriter(const XlsxWriter&) = delete;
    XlsxWriter& operator=(const XlsxWriter&) = delete;

    void writeHeadings(const QStringList& headings) override;
    void writeBatch(const db::RowBatch& batch) override;
    // Finishes the file; throws std::runtime_error when it cannot be written.
    void finish() override;

private:
    void addSheet();
    void check(int error, const char* what) const;

    lxw_workbook* m_workbook = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    lxw_format* m_heading = nullptr;
    QString m_title;
    QStringList m_headings;
    int m_sheets = 0;
    quint32 m_row = 0;
};

} // namespace kelvo::presentation
