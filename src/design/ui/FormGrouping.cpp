#include "design/ui/FormGrouping.h"

#include "design/Messages.h"
#include "design/ui/DialogParts.h"
#include "front/HostContext.h"
#include "front/ui/AppStyle.h"
#include "front/ui/WaitCursor.h"
#include "front/Prompter.h"
#include "front/ui/ListItems.h"
#include "query/Vocabulary.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>

namespace kelvo::design {

using namespace query;

namespace {

QListWidgetItem* AddItem(QListWidget& list, const QString& text, int value)
{
    auto* item = new QListWidgetItem(text, &list);
    item->setData(Qt::UserRole, value);
    return item;
}

int ItemValue(const QListWidgetItem* item)
{
    return item->data(Qt::UserRole).toInt();
}

} // namespace

FormGrouping::FormGrouping(front::Session& session, front::Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_stores(session.queries), m_prompter(prompter), m_commands(prompter), m_grouping(new QListWidget(this)),
      m_column(new QComboBox(this)), m_function(new QComboBox(this)), m_aggregated(new QListWidget(this))
{
    setObjectName(QStringLiteral("FormGrouping"));
    setWindowTitle(kGroupingCaption);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_grouping->setObjectName(QStringLiteral("lstGrouping"));
    m_column->setObjectName(QStringLiteral("cmbColumn"));
    m_function->setObjectName(QStringLiteral("cmbFunction"));
    m_aggregated->setObjectName(QStringLiteral("lstFunctionedColumns"));
    m_column->installEventFilter(this);

    m_commands.connect(MakeCommand(*this, "cmdToLeft", kAddCaption), [this] { addAggregate(); });
    m_commands.connect(MakeCommand(*this, "cmdToRight", kRemoveCaption), [this] {
        const int row = m_aggregated->currentRow();
        if (row < 0)
            return;
        delete m_aggregated->takeItem(row);
        m_aggregated->setCurrentRow(std::min(row, m_aggregated->count() - 1));
        updateCommands();
    });
    m_commands.connect(MakeCommand(*this, "cmdSendAll", kDeleteAllCaption), [this] {
        m_aggregated->clear();
        updateCommands();
    });
    m_commands.connect(MakeCommand(*this, "cmdBack", kConfirmCaption), [this] { accept(); });
    m_commands.connect(MakeCommand(*this, "cmdCancel", kCancelCaption), [this] { reject(); });
    connect(m_grouping, &QListWidget::itemChanged, this, &FormGrouping::groupingChanged);
    connect(m_column, &QComboBox::currentIndexChanged, this, &FormGrouping::updateCommands);
    connect(m_function, &QComboBox::currentIndexChanged, this, &FormGrouping::updateCommands);

    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(*this, kGroupingHelp), 0, 0, 1, 3);
    grid->addWidget(MakeLabel(*this, kGroupByLabel), 1, 0);
    grid->addWidget(m_grouping, 2, 0, 4, 1);
    grid->addWidget(MakeLabel(*this, kColumnLabel), 1, 1);
    grid->addWidget(m_column, 2, 1);
    grid->addWidget(MakeLabel(*this, kFunctionLabel), 3, 1);
    grid->addWidget(m_function, 4, 1);
    grid->addLayout(ButtonColumn(*this, {"cmdToLeft", "cmdToRight", "cmdSendAll"}), 5, 1);
    grid->addWidget(MakeLabel(*this, kAggregatedLabel), 1, 2);
    grid->addWidget(m_aggregated, 2, 2, 4, 1);
    grid->addWidget(MakeLabel(*this, kGroupingDeleteHelp), 6, 0, 1, 3);
    grid->addLayout(ButtonRow(*this, {"cmdBack", "cmdCancel"}), 7, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    resize(720, 420);
    fill(session.DtEn.isOracle());
}

void FormGrouping::fill(bool oracle)
{
    const QSignalBlocker blocker(m_grouping);
    m_grouping->clear();
    m_column->clear();
    m_function->clear();
    m_aggregated->clear();
    const auto addAggregates = [this](const auto& aggregates, int count, const QString& name, int value) {
        for (int slot = 0; slot < count; ++slot)
            AddItem(*m_aggregated, AggregateToFarsi(aggregates[size_t(slot)]) + QStringLiteral(" (") + name + u')',
                    value);
    };
    for (int t = 1; t <= m_stores.tables.count(); ++t) {
        const QueryTable& table = m_stores.tables.tables[t - 1];
        for (int c = 1; c <= table.ColumnCount(); ++c) {
            const QueryColumn& column = table.Columns[c - 1];
            if (!column.Selected)
                continue;
            const int id = MakeColumnId(t, c);
            const QString name = table.Description + u'_' + column.Description;
            m_column->addItem(name, id);
            addAggregates(column.Aggregates, column.AggregateCount, name, id);
            QListWidgetItem* item = AddItem(*m_grouping, name, id);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(column.Grouped ? Qt::Checked : Qt::Unchecked);
        }
    }
    for (int e = 1; e <= m_stores.expressions.count(); ++e) {
        const ExpressionItem& item = m_stores.expressions.items[e - 1];
        m_column->addItem(item.FarsiText, -e);
        addAggregates(item.Aggregates, item.AggregateCount, item.FarsiText, -e);
    }
    const int functions = oracle ? 5 : 7;
    for (int i = 0; i < functions; ++i)
        m_function->addItem(QString::fromUtf16(Aggregates()[size_t(i)].farsi));
    m_column->setCurrentIndex(-1);
    m_function->setCurrentIndex(-1);
    updateCommands();
}

void FormGrouping::updateCommands()
{
    for (QAction* action : actions()) {
        const QString name = action->objectName();
        if (name == QLatin1String("cmdToLeft"))
            action->setEnabled(m_column->currentIndex() >= 0 && m_function->currentIndex() >= 0);
        else if (name == QLatin1String("cmdToRight") || name == QLatin1String("cmdSendAll"))
            action->setEnabled(m_aggregated->count() > 0);
    }
}

bool FormGrouping::isGrouped(int itemValue) const
{
    for (int i = 0; i < m_grouping->count(); ++i) {
        if (ItemValue(m_grouping->item(i)) == itemValue)
            return m_grouping->item(i)->checkState() == Qt::Checked;
    }
    return false;
}

bool FormGrouping::hasAggregate(int itemValue) const
{
    for (int i = 0; i < m_aggregated->count(); ++i) {
        if (ItemValue(m_aggregated->item(i)) == itemValue)
            return true;
    }
    return false;
}

void FormGrouping::addAggregate()
{
    if (m_column->currentIndex() < 0 || m_function->currentIndex() < 0)
        return;
    const int value = m_column->currentData().toInt();
    if (isGrouped(value)) {
        m_prompter.ShowMessage(kErrorTitle, kGroupedNotAggregatedMessage);
        return;
    }
    const QString text = m_function->currentText() + QStringLiteral(" (") + m_column->currentText() + u')';
    if (m_aggregated->findItems(text, Qt::MatchExactly).isEmpty())
        AddItem(*m_aggregated, text, value);
    updateCommands();
}

void FormGrouping::groupingChanged(QListWidgetItem* item)
{
    if (item->checkState() != Qt::Checked || !hasAggregate(ItemValue(item)))
        return;
    m_prompter.ShowMessage(kErrorTitle, kAggregatedNotGroupedMessage);
    const QSignalBlocker blocker(m_grouping);
    item->setCheckState(Qt::Unchecked);
}

void FormGrouping::removeChosenColumn()
{
    const int index = m_column->currentIndex();
    if (index < 0 || !m_prompter.Confirm(kRemoveColumnTitle, kSureQuestion))
        return;
    const int value = m_column->itemData(index).toInt();
    const QString text = m_column->itemText(index);
    if (value > 0) {
        if (QueryColumn* column = FindColumn(m_stores.tables, value))
            column->Selected = false;
    }
    const QString inParentheses = QStringLiteral(" (") + text + u')';
    for (int i = m_aggregated->count() - 1; i >= 0; --i) {
        if (m_aggregated->item(i)->text().contains(inParentheses))
            delete m_aggregated->takeItem(i);
    }
    m_column->removeItem(index);
    m_column->setCurrentIndex(-1);
    updateCommands();
}

bool FormGrouping::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_column && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeChosenColumn();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FormGrouping::accept()
{
    bool anyGrouped = false;
    for (int i = 0; i < m_grouping->count(); ++i)
        anyGrouped = anyGrouped || m_grouping->item(i)->checkState() == Qt::Checked;
    if (anyGrouped) {
        for (int i = 0; i < m_column->count(); ++i) {
            const int value = m_column->itemData(i).toInt();
            if (!isGrouped(value) && !hasAggregate(value)) {
                m_prompter.ShowMessage(kErrorTitle, kUngroupedColumnMessage.arg(m_column->itemText(i)));
                return;
            }
        }
    }
    const front::WaitCursor wait;
    for (int i = 0; i < m_grouping->count(); ++i) {
        if (QueryColumn* column = FindColumn(m_stores.tables, ItemValue(m_grouping->item(i))))
            column->Grouped = m_grouping->item(i)->checkState() == Qt::Checked;
    }
    for (QueryTable& table : m_stores.tables.tables) {
        for (QueryColumn& column : table.Columns)
            column.AggregateCount = 0;
    }
    for (ExpressionItem& item : m_stores.expressions.items)
        item.AggregateCount = 0;
    for (int i = 0; i < m_aggregated->count(); ++i) {
        const QString text = m_aggregated->item(i)->text();
        const QString aggregate = AggregateToSql(text.left(text.indexOf(u'(')).trimmed());
        const int value = ItemValue(m_aggregated->item(i));
        std::array<QString, kMaxAggregates>* slots = nullptr;
        int* count = nullptr;
        if (value >= 1) {
            if (QueryColumn* column = FindColumn(m_stores.tables, value)) {
                slots = &column->Aggregates;
                count = &column->AggregateCount;
            }
        } else if (-value <= m_stores.expressions.count()) {
            ExpressionItem& item = m_stores.expressions.items[-value - 1];
            slots = &item.Aggregates;
            count = &item.AggregateCount;
        }
        if (slots && *count < kMaxAggregates)
            (*slots)[size_t((*count)++)] = aggregate;
    }
    ApplyAggregatesToSelectItems(m_stores);
    QDialog::accept();
}

} // namespace kelvo::design
