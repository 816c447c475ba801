#include "presentation/ui/KelvoReport.h"

#include "front/Messages.h"
#include "front/Prompter.h"
#include "front/ui/Windows.h"
#include "platform/db/RowStream.h"
#include "presentation/Messages.h"
#include "presentation/ResultModel.h"
#include "presentation/ui/ParameterForm.h"
#include "presentation/ui/PdfSink.h"
#include "presentation/ui/ReportChart.h"
#include "presentation/ui/ReportGrid.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvo::presentation {

namespace {

constexpr int kTwipsPerPixel = 15;
const QString kProgressText = QStringLiteral("%1 سطر، %2 ثانيه");
const QString kDoneText = QStringLiteral("%1 سطر در %2 ثانيه");
const QString kFilterHint = QStringLiteral("جستجو در نتيجه");
const QString kStopCaption = QStringLiteral("توقف");
const QString kExportCaption = QStringLiteral("خروجي");
const QString kExportCsv = QStringLiteral("فايل متني (CSV)");
const QString kExportXlsx = QStringLiteral("فايل اكسل (XLSX)");
const QString kExportPdf = QStringLiteral("فايل PDF");
const QString kPrintCaption = QStringLiteral("چاپ…");
const QString kExportFailed = QStringLiteral("نوشتن فايل خروجي انجام نشد.");

} // namespace

KelvoReport::KelvoReport(front::Prompter& prompter, front::Windows& windows, QWidget* parent)
    : QWidget(parent), m_prompter(prompter), m_windows(windows), m_model(new ResultModel(this)),
      m_alternateModel(new ResultModel(this)),
      m_resultGrid(new ReportGrid(this)), m_alternateGrid(new ReportGrid(this)), m_filter(new QLineEdit(this)),
      m_progress(new QLabel(this)), m_cancel(new QToolButton(this)), m_export(new QToolButton(this)),
      m_buttonBar(new QWidget(this)), m_chartView(new QChartView(this))
{
    setObjectName(QStringLiteral("KelvoReport1"));
    setLayoutDirection(Qt::RightToLeft);
    m_resultGrid->setObjectName(QStringLiteral("ResultGrid"));
    m_alternateGrid->setObjectName(QStringLiteral("AlternateGrid"));
    m_alternateGrid->hide();
    m_resultGrid->setResultModel(m_model);
    m_alternateGrid->setResultModel(m_alternateModel);
    m_filter->setObjectName(QStringLiteral("txtFilter"));
    m_filter->setPlaceholderText(kFilterHint);
    m_filter->setClearButtonEnabled(true);
    m_progress->setObjectName(QStringLiteral("lblProgress"));
    m_progress->setMinimumWidth(m_progress->fontMetrics().horizontalAdvance(kDoneText.arg(9999999).arg(9999.9)));
    m_cancel->setObjectName(QStringLiteral("cmdCancelRun"));
    m_cancel->setText(kStopCaption);
    m_cancel->setEnabled(false);
    m_export->setObjectName(QStringLiteral("cmdExport"));
    m_export->setText(kExportCaption);
    m_export->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(m_export);
    menu->setObjectName(QStringLiteral("mnuExport"));
    QAction* csv = menu->addAction(kExportCsv);
    csv->setObjectName(QStringLiteral("mnuExportCsv"));
    QAction* xlsx = menu->addAction(kExportXlsx);
    xlsx->setObjectName(QStringLiteral("mnuExportXlsx"));
    QAction* pdf = menu->addAction(kExportPdf);
    pdf->setObjectName(QStringLiteral("mnuExportPdf"));
    connect(pdf, &QAction::triggered, this, [this] { chooseExport(ExportFormat::Pdf); });
    QAction* print = menu->addAction(kPrintCaption);
    print->setObjectName(QStringLiteral("mnuPrint"));
    connect(print, &QAction::triggered, this, &KelvoReport::printPreview);
    m_export->setMenu(menu);
    connect(csv, &QAction::triggered, this, [this] { chooseExport(ExportFormat::Csv); });
    connect(xlsx, &QAction::triggered, this, [this] { chooseExport(ExportFormat::Xlsx); });
    connect(m_cancel, &QToolButton::clicked, this, &KelvoReport::cancel);
    connect(m_filter, &QLineEdit::textChanged, m_model, &ResultModel::setFilterText);
    m_buttonBar->setObjectName(QStringLiteral("fraButtons"));
    new QHBoxLayout(m_buttonBar);
    m_buttonBar->layout()->setContentsMargins(0, 0, 0, 0);
    m_buttonBar->hide();
    m_resultGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_resultGrid, &QWidget::customContextMenuRequested, this, &KelvoReport::showRowMenu);
    connect(m_resultGrid, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!m_definition)
            return;
        const QList<CalledReport> called = CalledReports(*m_definition);
        if (called.size() == 1)
            openCalledReport(called.first(), index.row());
        else if (called.size() > 1)
            showRowMenu(m_resultGrid->viewport()->mapFromGlobal(QCursor::pos()));
    });
    connect(m_resultGrid->selectionModel(), &QItemSelectionModel::currentChanged, this, &KelvoReport::updateButtons);
    connect(m_model, &QAbstractItemModel::modelReset, this, &KelvoReport::updateButtons);

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_filter, 1);
    bar->addWidget(m_progress);
    bar->addWidget(m_cancel);
    bar->addWidget(m_export);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(m_buttonBar);
    m_chartView->setObjectName(QStringLiteral("ChartView"));
    m_chartView->setLayoutDirection(Qt::LeftToRight);
    m_chartView->setMinimumWidth(320);
    m_chartView->hide();
    auto* shown = new QSplitter(Qt::Horizontal, this);
    shown->addWidget(m_resultGrid);
    shown->addWidget(m_alternateGrid);
    shown->addWidget(m_chartView);
    shown->setStretchFactor(0, 3);
    shown->setStretchFactor(1, 3);
    shown->setStretchFactor(2, 2);
    layout->addWidget(shown, 1);
}

KelvoReport::~KelvoReport() = default;

void KelvoReport::setOleConnectionString(const QString& connectionString)
{
    m_connectionString = connectionString;
    m_connection.setConnectionString(connectionString);
}

bool KelvoReport::isRunning() const
{
    return m_stream && m_stream->isRunning();
}

void KelvoReport::RunReport(qint32 reportID, const QString& caller, const QString&)
{
    m_caller = caller;
    run(reportID, {}, true);
}

void KelvoReport::RunCalledReport(qint32 reportID, const ParameterValues& fed)
{
    m_caller.clear();
    run(reportID, fed, false);
}

void KelvoReport::run(qint32 reportID, const ParameterValues& fed, bool askAlways)
{
    cancel();
    m_keptRow = -1;
    try {
        m_definition = LoadReportDefinition(m_connection, reportID);
        buildButtonBar();
        if (!m_definition) {
            m_prompter.ShowMessage(front::kErrorTitle, kNoReportMessage.arg(reportID));
            return;
        }
        ParameterValues values = fed;
        const bool asks = std::any_of(m_definition->parameters.begin(), m_definition->parameters.end(),
                                      [&](const ReportParameter& p) {
                                          return p.visible && (askAlways || !fed.contains(p.parameterID));
                                      });
        if (asks) {
            ParameterForm form(*m_definition, m_connection, m_prompter, fed, this);
            if (m_windows.show(form, true) != QDialog::Accepted)
                return;
            values = form.values();
        }
        m_values = values;
        m_environment.when = QDateTime::currentDateTime();
        startRun(BuildRunStatement(*m_definition, values, m_environment));
    } catch (const RunError& e) {
        m_prompter.ShowMessage(front::kErrorTitle, e.message());
    } catch (const db::DbError& e) {
        m_prompter.DisplayError(e, kRunFailedMessage);
    }
}

void KelvoReport::startRun(const RunStatement& statement)
{
    m_model->reset({}, {}, m_definition->layout);
    m_fetched = ResultTable();
    m_alternateShown = false;
    m_alternateModel->reset({}, {}, {});
    m_alternateGrid->hide();
    m_resultGrid->show();
    // The rows are coloured as they come; a distributed report is coloured
    // on its distributed grid once every row is in.
    m_resultGrid->setRowColours(m_definition->makeTranspose ? RowColourRule() : m_definition->colours);
    m_resultSetTaken = false;
    m_filter->clear();
    m_stream = std::make_unique<db::RowStream>(m_connection, statement.sql, statement.values);
    connect(m_stream.get(), &db::RowStream::resultSetStarted, this,
            [this](int, const QStringList& columns, const QList<db::ColumnType>& types) {
                // The rows shown are those of the first result set with columns.
                if (m_resultSetTaken || columns.isEmpty())
                    return;
                m_resultSetTaken = true;
                m_model->reset(columns, types, m_definition->layout);
                applyLayout();
            });
    connect(m_stream.get(), &db::RowStream::batchReady, this,
            [this](std::shared_ptr<const db::RowBatch> batch, qint64 rows) {
                if (batch->columnCount() == m_model->columnCount())
                    m_model->appendBatch(std::move(batch));
                showProgress(rows);
            });
    connect(m_stream.get(), &db::RowStream::finished, this, [this](qint64 rows) {
        m_fetched = m_model->table();
        applyShaping();
        ended(kDoneText.arg(rows).arg(m_clock.elapsed() / 1000.0, 0, 'f', 1));
    });
    connect(m_stream.get(), &db::RowStream::cancelled, this, [this](qint64) {
        ended(kRunCancelledMessage);
        m_prompter.ShowMessage(front::kErrorTitle, kRunCancelledMessage);
    });
    connect(m_stream.get(), &db::RowStream::failed, this, [this](const db::DbError& e) {
        ended(kRunFailedMessage);
        m_prompter.DisplayError(e, kRunFailedMessage);
    });
    m_clock.start();
    m_cancel->setEnabled(true);
    showProgress(0);
    m_stream->start();
}

void KelvoReport::showProgress(qint64 rows)
{
    m_progress->setText(kProgressText.arg(rows).arg(m_clock.elapsed() / 1000.0, 0, 'f', 1));
}

void KelvoReport::ended(const QString& status)
{
    m_cancel->setEnabled(false);
    m_progress->setText(status);
    // A run again after a button keeps the current row where it still is.
    if (m_keptRow >= 0 && m_keptRow < m_model->rowCount())
        m_resultGrid->setCurrentIndex(m_model->index(m_keptRow, 0));
    m_keptRow = -1;
    updateButtons();
    Q_EMIT runEnded();
}

void KelvoReport::applyLayout()
{
    if (!m_definition)
        return;
    for (const ColumnLayout& l : m_definition->layout)
        m_resultGrid->setColWidth(l.columnNumber, l.width);
    for (const ColumnLayout& l : m_definition->transposeLayout)
        m_alternateGrid->setColWidth(l.columnNumber, l.width);
    const int height = std::max(16, m_definition->gridRowHeight / kTwipsPerPixel);
    m_resultGrid->verticalHeader()->setDefaultSectionSize(height);
    m_alternateGrid->verticalHeader()->setDefaultSectionSize(height);
}

void KelvoReport::RefreshReport()
{
    if (isRunning())
        return;
    reloadShaping();
    applyShaping();
}

void KelvoReport::ReapplyLayout()
{
    RefreshReport();
}

void KelvoReport::reloadShaping()
{
    if (!m_definition)
        return;
    try {
        if (std::optional<ReportDefinition> fresh = LoadReportDefinition(m_connection, m_definition->id)) {
            ReportDefinition& d = *m_definition;
            d.layout = fresh->layout;
            d.gridRowHeight = fresh->gridRowHeight;
            d.expressions = fresh->expressions;
            d.isMerged = fresh->isMerged;
            d.makeTranspose = fresh->makeTranspose;
            d.transposeLayout = fresh->transposeLayout;
            d.distributionOrder = fresh->distributionOrder;
            d.colours = fresh->colours;
            d.chart = fresh->chart;
        }
    } catch (const db::DbError& e) {
        m_prompter.DisplayError(e, kRunFailedMessage);
    }
}

namespace {

// Shows a shaped table in a model, with the totals its layout asks for.
void ShowTable(ResultModel& model, const ResultTable& table, const QList<ColumnLayout>& layout)
{
    model.reset(table.columns(), table.types(), layout);
    for (const auto& batch : table.batches())
        model.appendBatch(batch);
    model.finish();
}

} // namespace

void KelvoReport::applyShaping()
{
    if (!m_definition || m_fetched.columnCount() == 0) {
        // Nothing fetched to shape: the rows shown keep their totals.
        if (!m_model->hasTotals())
            m_model->finish();
        return;
    }
    const ReportDefinition& d = *m_definition;
    ResultTable table = m_fetched;
    if (!d.expressions.isEmpty())
        table = AddRowExpressions(table, d.expressions);
    if (d.isMerged)
        table = MergeRows(table, d.mergeTypes());
    ShowTable(*m_model, table, d.layout);
    const Distribution distribution = d.distribution();
    m_alternateShown = d.makeTranspose && distribution.distributingColumn >= 0 && !distribution.valueColumns.isEmpty();
    if (m_alternateShown)
        ShowTable(*m_alternateModel, Distribute(table, distribution), d.transposeLayout);
    else
        m_alternateModel->reset({}, {}, {});
    m_resultGrid->setVisible(!m_alternateShown);
    m_alternateGrid->setVisible(m_alternateShown);
    ReportGrid& shown = m_alternateShown ? *m_alternateGrid : *m_resultGrid;
    (m_alternateShown ? m_resultGrid : m_alternateGrid)->setRowColours({});
    shown.setRowColours(d.colours);
    m_model->setFilterText(m_filter->text());
    applyLayout();
    const bool chart = d.chart.showWithReport && d.chart.xColumn > 0 && !d.chart.yColumns.isEmpty();
    if (chart)
        m_chartView->setChart(MakeChart(BuildChartData(shown.resultModel()->table(), d.chart), d.chart.typeID, d.title));
    m_chartView->setVisible(chart);
}

void KelvoReport::cancel()
{
    if (m_stream)
        m_stream->cancel();
}

void KelvoReport::exportTo(ExportFormat format, const QString& path)
{
    const QString title = m_definition ? m_definition->title : QString();
    if (!m_alternateShown || !m_definition) {
        ExportTable(m_model->table(), SinkFactoryFor(format, title), path);
        return;
    }
    // The distributed presentation; a text file leaves out the columns its
    // layout hides from text files.
    QList<int> hidden;
    if (format == ExportFormat::Csv)
        for (const ColumnLayout& l : m_definition->transposeLayout)
            if (l.invisibleInTextFile)
                hidden << l.columnNumber - 1;
    ExportTable(WithoutColumns(m_alternateModel->table(), hidden), SinkFactoryFor(format, title), path);
}

void KelvoReport::printTo(QPagedPaintDevice& device)
{
    PageWriter pages(device, m_definition ? m_definition->title : QString());
    pages.writeHeadings(m_model->table().columns());
    for (const auto& batch : m_model->table().batches())
        pages.writeBatch(*batch);
    pages.finish();
}

void KelvoReport::printPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        try {
            printTo(*target);
        } catch (const std::runtime_error& e) {
            m_prompter.DisplayError(e, kExportFailed);
        }
    });
    m_windows.show(preview, true);
}

void KelvoReport::chooseExport(ExportFormat format)
{
    struct Kind {
        const char* suffix;
        const char* filter;
    };
    const Kind kinds[] = {{".csv", "CSV (*.csv)"}, {".xlsx", "Excel (*.xlsx)"}, {".pdf", "PDF (*.pdf)"}};
    const Kind& kind = kinds[int(format)];
    const std::optional<QString> path = m_windows.ChooseSaveFile(
        kExportCaption, (m_definition ? m_definition->title : QStringLiteral("report")) + QLatin1String(kind.suffix),
        QLatin1String(kind.filter));
    if (!path)
        return;
    try {
        exportTo(format, *path);
    } catch (const std::runtime_error& e) {
        m_prompter.DisplayError(e, kExportFailed);
    }
}

} // namespace kelvo::presentation
