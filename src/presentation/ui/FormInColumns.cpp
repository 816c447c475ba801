#include "presentation/ui/FormInColumns.h"

#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/WaitCursor.h"
#include "front/ui/WindowParts.h"
#include "front/ui/Windows.h"
#include "presentation/Messages.h"
#include "presentation/ResultModel.h"
#include "presentation/ShapingDefinitions.h"
#include "presentation/ui/FormMerge.h"
#include "presentation/ui/KelvoReport.h"
#include "presentation/ui/ReportGrid.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QSet>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvo::presentation {

namespace {

// With fewer distinct values than this the stored order applies.
constexpr int kOrderedValuesBelow = 20;

QList<int> SelectedRows(const QListWidget& list)
{
    QList<int> rows;
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->isSelected())
            rows << i;
    return rows;
}

} // namespace

FormInColumns::FormInColumns(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                             qint32 reportID, KelvoReport& control, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_windows(windows), m_commands(prompter),
      m_reportID(reportID), m_control(control), m_grid(*control.ResultGrid()), m_distributing(new QComboBox(this)),
      m_valueColumns(new QListWidget(this)), m_preview(new QListWidget(this)),
      m_count(front::MakeLabel(*this, kNewHeadingsLabel, "lblCount"))
{
    setObjectName(QStringLiteral("FormInColumns"));
    setWindowTitle(kInColumnsCaption);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_distributing->setObjectName(QStringLiteral("cmbDisColumn"));
    m_valueColumns->setObjectName(QStringLiteral("lstValueColumns"));
    m_valueColumns->setSelectionMode(QAbstractItemView::MultiSelection);
    m_preview->setObjectName(QStringLiteral("lstDistinctVals"));
    for (int c = 1; c < m_grid.Cols(); ++c) {
        m_distributing->addItem(m_grid.TextMatrix(0, c));
        m_valueColumns->addItem(m_grid.TextMatrix(0, c));
    }
    m_distributing->setCurrentIndex(-1);

    QAction& order = front::MakeCommand(*this, "cmdOrderColumns", QStringLiteral(">>"));
    m_commands.connect(order, [this] { togglePreview(); });
    order.setEnabled(false);
    m_commands.connect(front::MakeCommand(*this, "cmdMoveUp", QStringLiteral("▲")), [this] { moveValue(-1); });
    m_commands.connect(front::MakeCommand(*this, "cmdMoveDown", QStringLiteral("▼")), [this] { moveValue(1); });
    m_commands.connect(front::MakeCommand(*this, "cmdContinue", kConfirmCaption), [this] { save(); });
    m_commands.connect(front::MakeCommand(*this, "cmdDelete", kDeleteCaption), [this] { removeDistribution(); });
    m_commands.connect(front::MakeCommand(*this, "cmdCancel", kCancelCaption), [this] { reject(); });
    connect(m_distributing, &QComboBox::currentIndexChanged, this, [this, &order] {
        order.setEnabled(m_distributing->currentIndex() >= 0);
        if (m_previewOpen)
            m_commands.run([this] { fillPreview(); });
        else
            m_preview->clear();
    });
    connect(m_valueColumns, &QListWidget::itemSelectionChanged, this, &FormInColumns::valueColumnsChanged);

    auto* grid = new QGridLayout;
    grid->addWidget(front::MakeLabel(*this, kDistributingColumnLabel), 0, 0);
    grid->addWidget(m_distributing, 0, 1);
    grid->addWidget(&front::CommandButton(*this, "cmdOrderColumns"), 0, 2);
    grid->addWidget(front::MakeLabel(*this, kValueColumnsLabel), 1, 0);
    grid->addWidget(m_valueColumns, 2, 0, 1, 2);
    auto* preview = new QVBoxLayout;
    preview->addWidget(m_count);
    preview->addWidget(m_preview, 1);
    preview->addLayout(front::ButtonRow(*this, {"cmdMoveUp", "cmdMoveDown"}));
    grid->addLayout(preview, 1, 3, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(front::ButtonRow(*this, {"cmdContinue", "cmdDelete", "cmdCancel"}));
    resize(640, 360);

    m_commands.run([this] {
        const StoredDistribution stored = LoadStoredDistribution(m_session.DtEn, m_reportID);
        const QSignalBlocker blocker(m_valueColumns);
        if (stored.distributingColumn >= 1 && stored.distributingColumn <= m_distributing->count())
            m_distributing->setCurrentIndex(stored.distributingColumn - 1);
        for (int c : stored.valueColumns)
            if (c >= 1 && c <= m_valueColumns->count())
                m_valueColumns->item(c - 1)->setSelected(true);
    });
    m_lastValueRows = SelectedRows(*m_valueColumns);
}

bool FormInColumns::showDistribution()
{
    m_saved = false;
    m_windows.show(*this, true);
    return m_saved;
}

void FormInColumns::togglePreview()
{
    m_previewOpen = !m_previewOpen;
    findChild<QAction*>(QStringLiteral("cmdOrderColumns"))->setText(m_previewOpen ? QStringLiteral("<<")
                                                                                   : QStringLiteral(">>"));
    if (m_previewOpen)
        fillPreview();
    else
        m_preview->clear();
}

void FormInColumns::fillPreview()
{
    const front::WaitCursor hourglass;
    m_preview->clear();
    m_previewMoved = false;
    const int column = m_distributing->currentIndex();
    if (column < 0)
        return;
    const ResultTable& table = m_grid.resultModel()->table();
    QStringList values;
    QSet<QString> seen;
    for (qsizetype r = 0; r < table.rowCount(); ++r) {
        const QString value = table.text(r, column);
        if (!seen.contains(value)) {
            seen.insert(value);
            values << value;
        }
    }
    if (m_reportID > 0 && values.size() < kOrderedValuesBelow) {
        const QStringList stored = LoadDistributionOrder(m_session.DtEn, m_reportID);
        std::stable_sort(values.begin(), values.end(), [&](const QString& a, const QString& b) {
            const qsizetype ia = stored.indexOf(a), ib = stored.indexOf(b);
            return (ia < 0 ? stored.size() : ia) < (ib < 0 ? stored.size() : ib);
        });
    }
    m_preview->addItems(values);
    m_count->setText(kNewHeadingsLabel + kItemsCount.arg(values.size()));
}

void FormInColumns::moveValue(int by)
{
    const int row = m_preview->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_preview->count())
        return;
    QListWidgetItem* item = m_preview->takeItem(row);
    m_preview->insertItem(to, item);
    m_preview->setCurrentRow(to);
    m_previewMoved = true;
}

void FormInColumns::valueColumnsChanged()
{
    const QList<int> rows = SelectedRows(*m_valueColumns);
    if (m_control.IsTreeReport() && rows.size() > 1) {
        m_prompter.ShowMessage(front::kErrorTitle, kTreeMultipleMessage);
        const QSignalBlocker blocker(m_valueColumns);
        for (int i = 0; i < m_valueColumns->count(); ++i)
            m_valueColumns->item(i)->setSelected(m_lastValueRows.contains(i));
        return;
    }
    m_lastValueRows = rows;
}

void FormInColumns::save()
{
    const int distributing = m_distributing->currentIndex();
    QList<int> values;
    for (int row : SelectedRows(*m_valueColumns))
        if (row != distributing)
            values << row + 1;
    if (distributing < 0 || values.isEmpty())
        return;
    // The preview's order is kept when the user looked at it.
    std::optional<QStringList> order;
    if (m_previewOpen) {
        QStringList shown;
        for (int i = 0; i < m_preview->count(); ++i)
            shown << m_preview->item(i)->text();
        order = shown;
    }
    SaveDistribution(m_session.DtEn, m_reportID, GridColumnsOf(m_grid), distributing + 1, values, order);
    m_saved = true;
    accept();
}

void FormInColumns::removeDistribution()
{
    if (!m_prompter.Confirm(kDeleteTitle, kDeleteDistributionQuestion))
        return;
    RemoveDistribution(m_session.DtEn, m_reportID);
    m_saved = true;
}

} // namespace kelvo::presentation
