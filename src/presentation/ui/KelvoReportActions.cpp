// What a row of the display control leads to: the reports it opens and the
// action buttons that call procedures on it.
#include "front/Messages.h"
#include "front/Prompter.h"
#include "front/ui/Windows.h"
#include "presentation/Messages.h"
#include "presentation/ResultModel.h"
#include "presentation/ui/KelvoReport.h"
#include "presentation/ui/ReportGrid.h"

#include <QLayout>
#include <QMenu>
#include <QToolButton>

namespace kelvo::presentation {

void KelvoReport::ReloadRowActions()
{
    if (!m_definition)
        return;
    try {
        if (const std::optional<ReportDefinition> fresh = LoadReportDefinition(m_connection, m_definition->id)) {
            m_definition->links = fresh->links;
            m_definition->buttons = fresh->buttons;
        }
    } catch (const db::DbError& e) {
        m_prompter.DisplayError(e, kRunFailedMessage);
    }
    buildButtonBar();
}

void KelvoReport::buildButtonBar()
{
    QLayout* row = m_buttonBar->layout();
    while (QLayoutItem* item = row->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const QList<ActionButton> buttons = m_definition ? m_definition->buttons : QList<ActionButton>();
    for (const ActionButton& button : buttons) {
        auto* press = new QToolButton(m_buttonBar);
        press->setObjectName(QStringLiteral("cmdButton%1").arg(button.id));
        press->setText(button.caption);
        press->setToolTip(button.procedure);
        connect(press, &QToolButton::clicked, this, [this, button] { pressButton(button); });
        row->addWidget(press);
    }
    static_cast<QBoxLayout*>(row)->addStretch();
    m_buttonBar->setVisible(!buttons.isEmpty());
    updateButtons();
}

void KelvoReport::updateButtons()
{
    const QModelIndex current = m_resultGrid->currentIndex();
    const bool onRow = current.isValid() && m_model->sourceRow(current.row()) >= 0;
    for (QToolButton* button : m_buttonBar->findChildren<QToolButton*>())
        button->setEnabled(onRow && !isRunning());
}

QVariantList KelvoReport::rowValues(int gridRow) const
{
    QVariantList values;
    const qsizetype row = m_model->sourceRow(gridRow);
    if (row < 0)
        return values;
    const ResultTable& table = m_model->table();
    for (int c = 0; c < table.columnCount(); ++c)
        values << table.value(row, c);
    return values;
}

void KelvoReport::showRowMenu(const QPoint& at)
{
    const QModelIndex index = m_resultGrid->indexAt(at);
    if (!m_definition || !index.isValid() || m_model->sourceRow(index.row()) < 0)
        return;
    const QList<CalledReport> called = CalledReports(*m_definition);
    if (called.isEmpty())
        return;
    // One menu, filled for the row; it is not modal, its choice opens the report.
    auto* menu = findChild<QMenu*>(QStringLiteral("mnuRow"));
    if (!menu) {
        menu = new QMenu(this);
        menu->setObjectName(QStringLiteral("mnuRow"));
        menu->setLayoutDirection(Qt::RightToLeft);
    }
    menu->clear();
    for (const CalledReport& report : called) {
        QAction* open = menu->addAction(kOpenReportCaption.arg(report.title));
        open->setObjectName(QStringLiteral("mnuOpenReport%1").arg(report.id));
        connect(open, &QAction::triggered, this, [this, report, row = index.row()] { openCalledReport(report, row); });
    }
    menu->popup(m_resultGrid->viewport()->mapToGlobal(at));
}

void KelvoReport::openCalledReport(const CalledReport& called, int gridRow)
{
    if (!m_definition || m_model->sourceRow(gridRow) < 0)
        return;
    try {
        front::CalledReportRun run;
        run.connectionString = m_connectionString;
        run.userID = m_environment.userID;
        run.employeeID = m_environment.employeeID;
        run.positionID = m_environment.positionID;
        run.reportID = called.id;
        run.title = called.title;
        run.fed = LinkFeeds(*m_definition, called, m_model->table().columns(), rowValues(gridRow), m_values);
        m_windows.ShowCalledReport(run);
    } catch (const RunError& e) {
        m_prompter.ShowMessage(front::kErrorTitle, e.message());
    }
}

void KelvoReport::pressButton(const ActionButton& button)
{
    const QModelIndex current = m_resultGrid->currentIndex();
    if (!m_definition || !current.isValid() || m_model->sourceRow(current.row()) < 0 || isRunning())
        return;
    if (!m_prompter.Confirm(kButtonTitle, kButtonQuestion.arg(button.caption, button.procedure)))
        return;
    try {
        const db::ProcedureResult result =
            PressButton(m_connection, button, m_model->table().columns(), rowValues(current.row()));
        m_prompter.ShowMessage(kButtonTitle, ButtonOutcome(button, result));
    } catch (const RunError& e) {
        m_prompter.ShowMessage(front::kErrorTitle, e.message());
        return;
    } catch (const db::DbError& e) {
        m_prompter.DisplayError(e, kButtonFailedMessage.arg(button.procedure));
        return;
    }
    // The same run again, with the same values, to show what the procedure did.
    try {
        m_environment.when = QDateTime::currentDateTime();
        const RunStatement statement = BuildRunStatement(*m_definition, m_values, m_environment);
        const int kept = current.row();
        startRun(statement);
        m_keptRow = kept;
    } catch (const RunError& e) {
        m_prompter.ShowMessage(front::kErrorTitle, e.message());
    }
}

} // namespace kelvo::presentation
