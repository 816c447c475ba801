#include "presentation/ui/FormMerge.h"

#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/WindowParts.h"
#include "front/ui/Windows.h"
#include "presentation/Messages.h"
#include "presentation/ui/KelvoReport.h"
#include "presentation/ui/ReportGrid.h"

#include <QAction>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelvo::presentation {

QList<GridColumn> GridColumnsOf(const ReportGrid& grid)
{
    QList<GridColumn> columns;
    for (int c = 0; c < grid.Cols(); ++c)
        columns.append({grid.ColAlignment(c), grid.ColWidth(c)});
    return columns;
}

FormMerge::FormMerge(front::Session& session, front::Prompter& prompter, front::Windows& windows, qint32 reportID,
                     KelvoReport& control, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_windows(windows), m_commands(prompter),
      m_reportID(reportID),
      m_presentation(control.AlternateShown() ? Presentation::Distributed : Presentation::Normal),
      m_grid(control.AlternateShown() ? *control.AlternateGrid() : *control.ResultGrid()),
      m_columns(new QListWidget(this)), m_state(front::MakeLabel(*this, QString(), "lblState"))
{
    setObjectName(QStringLiteral("FormMerge"));
    setWindowTitle(kMergeCaption);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_columns->setObjectName(QStringLiteral("lstColumns"));
    auto* group = new QButtonGroup(this);
    int index = 0;
    for (const QString& caption : {kMergeUniqueOption, kMergeBaseOption, kMergeSumOption, kMergeDistinctOption}) {
        auto* option = new QRadioButton(caption, this);
        option->setObjectName(QStringLiteral("optDec%1").arg(index));
        group->addButton(option, index++);
        m_options << option;
    }
    connect(group, &QButtonGroup::idClicked, this, &FormMerge::typeChosen);
    connect(m_columns, &QListWidget::currentRowChanged, this, &FormMerge::showType);

    QAction& confirm = front::MakeCommand(*this, "cmdContinue", kConfirmCaption);
    m_commands.connect(confirm, [this] { save(); });
    confirm.setEnabled(false);
    m_commands.connect(front::MakeCommand(*this, "cmdCancel", kCancelCaption), [this] { reject(); });
    m_commands.connect(front::MakeCommand(*this, "cmdDelete", kDeleteCaption), [this] { removeMerge(); });

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(front::MakeLabel(*this, kColumnsLabel));
    left->addWidget(m_columns, 1);
    body->addLayout(left, 1);
    auto* right = new QVBoxLayout;
    for (QRadioButton* option : m_options)
        right->addWidget(option);
    right->addStretch();
    body->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_state);
    layout->addLayout(body, 1);
    layout->addLayout(front::ButtonRow(*this, {"cmdContinue", "cmdDelete", "cmdCancel"}));
    resize(620, 320);

    for (int c = 1; c < m_grid.Cols(); ++c) {
        auto* item = new QListWidgetItem(m_grid.TextMatrix(0, c), m_columns);
        item->setData(Qt::UserRole, c);
    }
    m_commands.run([this] {
        m_state->setText(HasMerge(m_session.DtEn, m_reportID, m_presentation) ? kMergePresent : kMergeAbsent);
        m_types = StoredMergeTypes(m_session.DtEn, m_reportID, m_presentation);
    });
}

int FormMerge::ShowForm()
{
    m_result = 0;
    m_windows.show(*this, true);
    return m_result;
}

void FormMerge::showType()
{
    const QListWidgetItem* item = m_columns->currentItem();
    const int type = item ? m_types.value(item->data(Qt::UserRole).toInt(), 0) : -1;
    for (int i = 0; i < m_options.size(); ++i) {
        m_options[i]->setAutoExclusive(false);
        m_options[i]->setChecked(i == type);
        m_options[i]->setAutoExclusive(true);
    }
}

void FormMerge::typeChosen(int type)
{
    const QListWidgetItem* item = m_columns->currentItem();
    if (!item)
        return;
    m_types.insert(item->data(Qt::UserRole).toInt(), type);
    findChild<QAction*>(QStringLiteral("cmdContinue"))->setEnabled(true);
}

void FormMerge::save()
{
    const bool hasBase = std::any_of(m_types.begin(), m_types.end(), [](int t) { return t == 1; });
    if (!hasBase) {
        m_prompter.ShowMessage(front::kErrorTitle, kNoBaseColumnMessage);
        return;
    }
    SaveMerge(m_session.DtEn, m_reportID, m_presentation, GridColumnsOf(m_grid), m_types);
    m_result = 1;
    accept();
}

void FormMerge::removeMerge()
{
    if (!m_prompter.Confirm(kDeleteTitle, kDeleteMergeQuestion))
        return;
    RemoveMerge(m_session.DtEn, m_reportID);
    m_types.clear();
    m_state->setText(kMergeAbsent);
    showType();
}

} // namespace kelvo::presentation
