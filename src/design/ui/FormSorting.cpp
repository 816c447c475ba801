#include "design/ui/FormSorting.h"

#include "design/Messages.h"
#include "design/ui/DialogParts.h"
#include "front/HostContext.h"
#include "front/ui/AppStyle.h"
#include "query/Vocabulary.h"
#include "text/TextPrimitives.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>

namespace kelvo::design {

using namespace query;

namespace {

constexpr int kValueRole = Qt::UserRole;
constexpr int kAscendingRole = Qt::UserRole + 1;

QListWidgetItem* AddItem(QListWidget& list, const QString& text, int value)
{
    auto* item = new QListWidgetItem(text, &list);
    item->setData(kValueRole, value);
    return item;
}

QString AggregateEntry(const QString& sqlName, const QString& name)
{
    return AggregateToFarsi(sqlName) + u'(' + name + u')';
}

} // namespace

FormSorting::FormSorting(front::Session& session, front::Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_stores(session.queries), m_commands(prompter), m_columns(new QListWidget(this)),
      m_sortColumns(new QListWidget(this)), m_ascending(new QRadioButton(kAscendingWord, this)),
      m_descending(new QRadioButton(kDescendingWord, this))
{
    setObjectName(QStringLiteral("FormSorting"));
    setWindowTitle(kSortingCaption);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_columns->setObjectName(QStringLiteral("lstColumns"));
    m_sortColumns->setObjectName(QStringLiteral("lstSelColumns"));
    m_ascending->setObjectName(QStringLiteral("optAsc"));
    m_descending->setObjectName(QStringLiteral("optDesc"));

    m_commands.connect(MakeCommand(*this, "cmdToLeft", kAddCaption), [this] { addChosen(); });
    m_commands.connect(MakeCommand(*this, "cmdToRight", kRemoveCaption), [this] { removeSelected(); });
    m_commands.connect(MakeCommand(*this, "cmdSendAll", kDeleteAllCaption), [this] {
        m_sortColumns->clear();
        updateCommands();
    });
    m_commands.connect(MakeCommand(*this, "cmdBack", kConfirmCaption), [this] { accept(); });
    m_commands.connect(MakeCommand(*this, "cmdCancel", kCancelCaption), [this] { reject(); });
    connect(m_columns, &QListWidget::itemDoubleClicked, this, [this] { addChosen(); });
    connect(m_sortColumns, &QListWidget::itemDoubleClicked, this, [this] { removeSelected(); });
    connect(m_sortColumns, &QListWidget::currentRowChanged, this, [this] { selectionChanged(); });
    connect(m_columns, &QListWidget::currentRowChanged, this, [this] { updateCommands(); });
    connect(m_ascending, &QRadioButton::clicked, this, [this] { setDirection(true); });
    connect(m_descending, &QRadioButton::clicked, this, [this] { setDirection(false); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(*this, kSortingHelp, "lbl1"), 0, 0, 1, 3);
    grid->addWidget(MakeLabel(*this, kSelectedColumnsLabel), 1, 0);
    grid->addWidget(m_columns, 2, 0);
    QBoxLayout* moves = ButtonColumn(*this, {"cmdToLeft", "cmdToRight", "cmdSendAll"});
    moves->insertWidget(3, m_ascending);
    moves->insertWidget(4, m_descending);
    grid->addLayout(moves, 2, 1);
    grid->addWidget(MakeLabel(*this, kSortColumnsLabel), 1, 2);
    grid->addWidget(m_sortColumns, 2, 2);
    grid->addLayout(ButtonRow(*this, {"cmdBack", "cmdCancel"}), 3, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    resize(680, 400);
    fill();
}

void FormSorting::fill()
{
    m_ascending->setChecked(true);
    m_columns->clear();
    m_sortColumns->clear();
    for (int t = 1; t <= m_stores.tables.count(); ++t) {
        const QueryTable& table = m_stores.tables.tables[t - 1];
        for (int c = 1; c <= table.ColumnCount(); ++c) {
            const QueryColumn& column = table.Columns[c - 1];
            if (!column.Selected)
                continue;
            const ColumnId id = MakeColumnId(t, c);
            const QString name = table.Description + u'_' + column.Description;
            if (column.AggregateCount == 0)
                AddItem(*m_columns, name, ItemValue(id, 0));
            for (int slot = 1; slot <= column.AggregateCount; ++slot)
                AddItem(*m_columns, AggregateEntry(column.Aggregates[size_t(slot - 1)], name), ItemValue(id, slot));
        }
    }
    for (int e = 1; e <= m_stores.expressions.count(); ++e) {
        const ExpressionItem& item = m_stores.expressions.items[e - 1];
        if (item.AggregateCount == 0)
            AddItem(*m_columns, item.FarsiText, ExpressionItemValue(e, 0));
        for (int slot = 1; slot <= item.AggregateCount; ++slot)
            AddItem(*m_columns, AggregateEntry(item.Aggregates[size_t(slot - 1)], item.FarsiText),
                    ExpressionItemValue(e, slot));
    }
    // The current Farsi ORDER BY chooses the sort items again.
    for (const QString& piece : m_stores.clauses.FOrderBy.split(kFarsiComma)) {
        for (const auto& [word, ascending] : {std::pair{kAscendingWord, true}, std::pair{kDescendingWord, false}}) {
            const qsizetype at = piece.indexOf(word);
            if (at < 0)
                continue;
            const QString text = text::TrimBlanks(QStringView(piece).left(at));
            const QList<QListWidgetItem*> found = m_columns->findItems(text, Qt::MatchExactly);
            if (!found.isEmpty() && m_sortColumns->findItems(text, Qt::MatchExactly).isEmpty())
                AddItem(*m_sortColumns, text, found.first()->data(kValueRole).toInt())
                    ->setData(kAscendingRole, ascending);
            break;
        }
    }
    updateCommands();
}

void FormSorting::updateCommands()
{
    const bool selected = m_sortColumns->currentRow() >= 0;
    for (QAction* action : actions()) {
        const QString name = action->objectName();
        if (name == QLatin1String("cmdToLeft"))
            action->setEnabled(m_columns->count() > 0);
        else if (name == QLatin1String("cmdToRight") || name == QLatin1String("cmdSendAll"))
            action->setEnabled(m_sortColumns->count() > 0);
    }
    m_ascending->setEnabled(selected);
    m_descending->setEnabled(selected);
}

void FormSorting::addChosen()
{
    const QListWidgetItem* chosen = m_columns->currentItem();
    if (!chosen || !m_sortColumns->findItems(chosen->text(), Qt::MatchExactly).isEmpty())
        return;
    AddItem(*m_sortColumns, chosen->text(), chosen->data(kValueRole).toInt())->setData(kAscendingRole, true);
    updateCommands();
}

void FormSorting::removeSelected()
{
    const int row = m_sortColumns->currentRow();
    if (row < 0)
        return;
    delete m_sortColumns->takeItem(row);
    updateCommands();
}

void FormSorting::selectionChanged()
{
    if (const QListWidgetItem* item = m_sortColumns->currentItem()) {
        const bool ascending = item->data(kAscendingRole).toBool();
        m_ascending->setChecked(ascending);
        m_descending->setChecked(!ascending);
    }
    updateCommands();
}

void FormSorting::setDirection(bool ascending)
{
    if (QListWidgetItem* item = m_sortColumns->currentItem())
        item->setData(kAscendingRole, ascending);
}

void FormSorting::accept()
{
    QString english, farsi;
    for (int i = 0; i < m_sortColumns->count(); ++i) {
        const QListWidgetItem* item = m_sortColumns->item(i);
        const bool ascending = item->data(kAscendingRole).toBool();
        const QString d = ascending ? QStringLiteral("ASC") : QStringLiteral("DESC");
        const QString fd = ascending ? kAscendingWord : kDescendingWord;
        const int value = item->data(kValueRole).toInt();
        const int slot = std::abs(value) % 10;
        const int index = std::abs(value) / 10;
        QString eText, fText;
        const std::array<QString, kMaxAggregates>* aggregates = nullptr;
        if (value > 0) {
            const QueryColumn* column = FindColumn(m_stores.tables, index);
            if (!column)
                continue;
            const QueryTable& table = m_stores.tables.tables[ColumnIdTable(index) - 1];
            eText = table.Name + u'.' + column->Name;
            fText = table.Description + u'_' + column->Description;
            aggregates = &column->Aggregates;
        } else {
            if (index < 1 || index > m_stores.expressions.count())
                continue;
            const ExpressionItem& e = m_stores.expressions.items[index - 1];
            eText = e.EnglishText;
            fText = e.FarsiText;
            aggregates = &e.Aggregates;
        }
        if (slot > 0) {
            const QString sqlName = (*aggregates)[size_t(slot - 1)];
            eText = sqlName + u'(' + eText + u')';
            fText = AggregateToFarsi(sqlName) + u'(' + fText + u')';
        }
        english += u' ' + eText + u' ' + d + QStringLiteral(" ,");
        farsi += u' ' + fText + u' ' + fd + QStringLiteral(" ،");
    }
    if (text::TrimBlanks(english).isEmpty()) {
        english.clear();
        farsi.clear();
    } else {
        english.chop(1);
        farsi.chop(1);
    }
    m_stores.clauses.EOrderBy = english;
    m_stores.clauses.FOrderBy = farsi;
    QDialog::accept();
}

} // namespace kelvo::design
