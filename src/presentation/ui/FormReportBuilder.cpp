#include "presentation/ui/FormReportBuilder.h"

#include "front/HostContext.h"
#include "front/Messages.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/Windows.h"
#include "presentation/Messages.h"
#include "presentation/ShapingDefinitions.h"
#include "presentation/ui/FormDiagram.h"
#include "presentation/ui/FormExpressions.h"
#include "presentation/ui/FormFormat.h"
#include "presentation/ui/FormInColumns.h"
#include "presentation/ui/FormMerge.h"
#include "presentation/ui/FormRowColors.h"
#include "presentation/ui/KelvoReport.h"
#include "presentation/ui/ReportGrid.h"

#include <QAction>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace kelvo::presentation {

FormReportBuilder::FormReportBuilder(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                                     qint32 reportID, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_prompter(prompter), m_windows(windows), m_commands(prompter),
      m_reportID(reportID), m_report(new KelvoReport(prompter, windows, this)), m_toolbar(new QToolBar(this))
{
    setObjectName(QStringLiteral("FormReportBuilder"));
    setWindowTitle(kBuilderCaption);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_toolbar->setObjectName(QStringLiteral("tlbCommands"));
    m_toolbar->setMovable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    setCentralWidget(m_report);

    // The control takes the connection string and the identity, in that order.
    const front::HostContext& c = session.context;
    m_report->setOleConnectionString(c.CurrentConnectionString);
    m_report->setUserID(c.CurrentUserID);
    m_report->setEmployeeID(c.CurrentEmployeeID);
    m_report->setPositionID(c.CurrentPositionID);

    addCommand("Run", QStringLiteral("اجرا"), {}, [this] { m_report->RunReport(m_reportID); });
    addCommand("Refresh", QStringLiteral("بازسازي"), kRefreshFirst, [this] { m_report->RefreshReport(); });
    addCommand("Merge", QStringLiteral("ادغام سطرها"), kMergeFirst, [this] {
        FormMerge merge(m_session, m_prompter, m_windows, m_reportID, *m_report, this);
        if (merge.ShowForm() == 1)
            m_report->ReapplyLayout();
    });
    addCommand("InColumns", QStringLiteral("توزيع در ستونها"), kInColumnsFirst, [this] {
        // A stored distribution may simply stay in force.
        if (HasDistribution(m_session.DtEn, m_reportID) && m_prompter.Confirm(kInColumnsTitle, kUsePreviousQuestion))
            return;
        FormInColumns distribution(m_session, m_prompter, m_windows, m_reportID, *m_report, this);
        if (distribution.showDistribution())
            m_report->RefreshReport();
    });
    addCommand("RowColors", QStringLiteral("رنگ سطرها"), kRowColorsFirst, [this] {
        const ReportGrid& grid = m_report->AlternateShown() ? *m_report->AlternateGrid() : *m_report->ResultGrid();
        FormRowColors colours(m_session, m_prompter, m_windows, m_reportID, grid, this);
        if (colours.DefineColors())
            m_report->RefreshReport();
    });
    addCommand("Format", QStringLiteral("قالب ستونها"), kFormatFirst, [this] {
        FormFormat format(m_session, m_prompter, m_windows, m_reportID, *m_report, this);
        if (format.showFormats())
            m_report->ReapplyLayout();
    });
    addCommand("AddExpr", QStringLiteral("محاسبات سطري"), kAddExprFirst, [this] {
        QStringList headings{QString()};
        headings << shownHeadings();
        FormExprFlex expressions(m_session, m_prompter, m_windows, m_reportID, headings, this);
        if (expressions.ShowRowExpressions())
            m_report->RefreshReport();
    });
    addCommand("ShowDiagram", QStringLiteral("نمودار"), kDiagramFirst, [this] {
        if (IsMergedReport(m_session.DtEn, m_reportID)) {
            m_prompter.ShowMessage(front::kErrorTitle, kMergedChartMessage);
            return;
        }
        const QString title = m_report->definition() ? m_report->definition()->title : QString();
        FormDiagram chart(m_session, m_prompter, m_windows, m_reportID, title, *m_report, this);
        if (m_windows.show(chart, true) == QDialog::Accepted)
            m_report->RefreshReport();
    });
    addCommand("RelReport", QStringLiteral("گزارشهاي مرتبط"), kRelReportFirst, [this] {
        if (m_reportID <= 0)
            return;
        m_windows.EditReportLinks(m_session, m_reportID, shownHeadings(), this);
        m_report->ReloadRowActions();
    });
    addCommand("Buttons", QStringLiteral("دكمهها"), kButtonsFirst, [this] {
        m_windows.EditReportButtons(m_session, m_reportID, this);
        m_report->ReloadRowActions();
    });
    addCommand("ShowSQL", QStringLiteral("پرس و جو"), {}, [this] { m_windows.EditReportQuery(m_session, m_reportID, this); });
    addCommand("Schedule", QStringLiteral("زمانبندي"), {}, [this] { m_windows.ShowScheduler(m_session, m_reportID); });
    addCommand("AddTemplate", QStringLiteral("قالب"), {}, [] {}); // no effect
    // Exports the rows shown to Excel.
    addCommand("ToExcel", QStringLiteral("اكسل"), {}, [this] { m_report->chooseExport(ExportFormat::Xlsx); });
    resize(1000, 700);
}

FormReportBuilder::~FormReportBuilder() = default;

bool FormReportBuilder::hasRun() const
{
    const ReportGrid& grid = *m_report->ResultGrid();
    return !(grid.TextMatrix(0, 1).trimmed().isEmpty() && grid.TextMatrix(0, 2).trimmed().isEmpty());
}

QStringList FormReportBuilder::shownHeadings() const
{
    const ReportGrid& grid = m_report->AlternateShown() ? *m_report->AlternateGrid() : *m_report->ResultGrid();
    QStringList headings;
    for (int c = 1; c < grid.Cols(); ++c)
        headings << grid.TextMatrix(0, c);
    return headings;
}

void FormReportBuilder::addCommand(const char* key, const QString& caption, const QString& notRunMessage,
                                   std::function<void()> handler)
{
    QAction* action = m_toolbar->addAction(caption);
    action->setObjectName(QLatin1String(key));
    action->setData(QLatin1String(key));
    m_commands.connect(*action, [this, notRunMessage, handler = std::move(handler)] {
        if (!notRunMessage.isEmpty() && !hasRun()) {
            m_prompter.ShowMessage(front::kErrorTitle, notRunMessage);
            return;
        }
        handler();
    });
}

FormViewReport::FormViewReport(front::Prompter& prompter, front::Windows& windows, QWidget* parent)
    : QWidget(parent), m_report(new KelvoReport(prompter, windows, this))
{
    setObjectName(QStringLiteral("FormViewReport"));
    setLayoutDirection(Qt::RightToLeft);
    auto* close = new QPushButton(kContinueCaption, this);
    close->setObjectName(QStringLiteral("cmdContinue"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_report, 1);
    layout->addWidget(close, 0, Qt::AlignLeft);
    resize(900, 600);
}

} // namespace kelvo::presentation
