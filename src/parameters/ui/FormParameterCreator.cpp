#include "parameters/ui/FormParameterCreator.h"

#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/WaitCursor.h"
#include "front/ui/WindowParts.h"
#include "front/ui/Windows.h"
#include "parameters/Messages.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kelvo::parameters {

FormParameterCreator::FormParameterCreator(front::Session& session, front::Prompter& prompter,
                                           front::Windows& windows, qint32 reportID, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_windows(windows), m_commands(prompter),
      m_reportID(reportID), m_columns(DesignColumns(session.queries.tables)), m_list(new QListWidget(this)),
      m_allColumns(new QCheckBox(kAllColumnsCaption, this)),
      m_selectColumns(new QCheckBox(kSelectedColumnsCaption, this))
{
    setObjectName(QStringLiteral("FormParameterCreator"));
    setWindowTitle(kParameterCreatorTitle);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_list->setObjectName(QStringLiteral("lstColumns"));
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const DesignColumn& column : m_columns) {
        auto* item = new QListWidgetItem(column.text, m_list);
        item->setData(Qt::UserRole, column.number);
    }
    m_allColumns->setObjectName(QStringLiteral("chkAllColumns"));
    m_selectColumns->setObjectName(QStringLiteral("chkSelectColumns"));
    connect(m_allColumns, &QCheckBox::toggled, this, &FormParameterCreator::markAll);
    connect(m_selectColumns, &QCheckBox::toggled, this, &FormParameterCreator::markSelected);

    m_commands.connect(front::MakeCommand(*this, "cmdOK", kConfirmCaption), [this] { createParameters(); });
    // Cancel reports what an OK that failed part way had already created.
    m_commands.connect(front::MakeCommand(*this, "cmdCancel", kCancelCaption), [this] { reject(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(front::MakeLabel(*this, kColumnsLabel));
    layout->addWidget(m_list, 1);
    auto* checks = new QHBoxLayout;
    checks->addWidget(m_allColumns);
    checks->addWidget(m_selectColumns);
    checks->addStretch();
    layout->addLayout(checks);
    layout->addLayout(front::ButtonRow(*this, {"cmdOK", "cmdCancel"}));
    resize(420, 420);
}

bool FormParameterCreator::CreateParametersAutomatically()
{
    m_created = false;
    m_windows.show(*this, true);
    return m_created;
}

void FormParameterCreator::markAll(bool on)
{
    if (on) {
        const QSignalBlocker blocker(m_selectColumns);
        m_selectColumns->setChecked(false);
    }
    for (int i = 0; i < m_list->count(); ++i)
        m_list->item(i)->setSelected(on);
}

void FormParameterCreator::markSelected(bool on)
{
    if (on) {
        const QSignalBlocker blocker(m_allColumns);
        m_allColumns->setChecked(false);
    }
    for (int i = 0; i < m_list->count(); ++i)
        m_list->item(i)->setSelected(on && m_columns[i].selected);
}

void FormParameterCreator::createParameters()
{
    {
        const front::WaitCursor hourglass;
        for (int i = 0; i < m_list->count(); ++i) {
            if (!m_list->item(i)->isSelected())
                continue;
            const int number = m_list->item(i)->data(Qt::UserRole).toInt();
            const query::QueryTable& table = m_session.queries.tables.tables[DesignColumnTable(number) - 1];
            const query::QueryColumn& column = table.Columns[DesignColumnColumn(number) - 1];
            CreateParameterForColumn(m_session.DtEn, m_reportID, table.Name, column.Name);
            // Set at once: when a later column fails, the parameters created
            // so far stay and the caller must still show them.
            m_created = true;
        }
    }
    if (!m_created) {
        m_prompter.ShowMessage(kErrorTitle, kNoColumnChosenMessage);
        return;
    }
    accept();
}

} // namespace kelvo::parameters
