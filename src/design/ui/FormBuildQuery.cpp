#include "design/ui/FormBuildQuery.h"

#include "controls/ui/KelvoSelector.h"
#include "design/Messages.h"
#include "design/QueryDesign.h"
#include "design/ui/ColumnDialogs.h"
#include "design/ui/DialogParts.h"
#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/WaitCursor.h"
#include "front/ui/Windows.h"
#include "query/StoreFullError.h"
#include "query/Vocabulary.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>

namespace kelvo::design {

using namespace query;

namespace {

const QString kPlaceholder = QStringLiteral("!$@Dummy@$!");
constexpr int kKeyRole = Qt::UserRole;
constexpr int kTagRole = Qt::UserRole + 1;
constexpr int kOtherTextRole = Qt::UserRole + 2;

QString Key(const QTreeWidgetItem* item)
{
    return item->data(0, kKeyRole).toString();
}

QString Tag(const QTreeWidgetItem* item)
{
    return item->data(0, kTagRole).toString();
}

bool IsPlaceholder(const QTreeWidgetItem* item)
{
    return item && Tag(item) == kPlaceholder;
}

QTreeWidgetItem* AddPlaceholder(QTreeWidgetItem* parent)
{
    auto* item = new QTreeWidgetItem(parent, {kPlaceholder});
    item->setData(0, kTagRole, kPlaceholder);
    item->setData(0, kOtherTextRole, kPlaceholder);
    return item;
}

} // namespace

FormBuildQuery::FormBuildQuery(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                               QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_windows(windows), m_commands(prompter),
      m_tree(new QTreeWidget(this)), m_databaseNames(new QCheckBox(kDatabaseNamesCaption, this)),
      m_tableFinder(new controls::KelvoSelector(this)), m_grid(new QTableView(this)),
      m_rows(new QStandardItemModel(0, kGridColumns, this)),
      m_columnMode(new QRadioButton(kColumnModeCaption, this)),
      m_constantMode(new QRadioButton(kConstantModeCaption, this)),
      m_operatorMode(new QRadioButton(kOperatorModeCaption, this)), m_constant(new QLineEdit(this)),
      m_operators(new QComboBox(this))
{
    setObjectName(QStringLiteral("FormBuildQuery"));
    setWindowTitle(kBuilderCaption);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_tree->setObjectName(QStringLiteral("treeTables"));
    m_tree->setHeaderHidden(true);
    m_databaseNames->setObjectName(QStringLiteral("chkDBName"));
    m_tableFinder->setObjectName(QStringLiteral("gmpTable"));
    m_tableFinder->setConnection(session.DtEn);
    m_tableFinder->setMajorView(QStringLiteral("vwKelvoTableMajor"));
    m_tableFinder->setMinorView(QStringLiteral("vwKelvoTableMinor"));
    m_tableFinder->setRightToLeft(true);
    m_grid->setObjectName(QStringLiteral("flxSelColumns"));
    m_grid->setModel(m_rows);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->verticalHeader()->hide();
    m_rows->setHorizontalHeaderLabels(QStringList(std::begin(kGridHeaders), std::end(kGridHeaders)));
    for (int c = 0; c < kGridColumns; ++c)
        m_grid->setColumnHidden(c, c != ColFarsi && c != ColCaption);
    m_grid->setColumnWidth(ColFarsi, 3990 / 15);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_columnMode->setObjectName(QStringLiteral("optCol"));
    m_constantMode->setObjectName(QStringLiteral("optData"));
    m_operatorMode->setObjectName(QStringLiteral("optOp"));
    m_constant->setObjectName(QStringLiteral("txtData"));
    m_operators->setObjectName(QStringLiteral("cmbOp"));
    m_operators->addItems({QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"), QStringLiteral("/"),
                           QStringLiteral("%")});
    m_operators->setCurrentIndex(-1);

    m_commands.connect(MakeCommand(*this, "cmdToLeft", kAddCaption), [this] { add(); });
    m_commands.connect(MakeCommand(*this, "cmdToRight", kRemoveCaption), [this] { removeCurrent(); });
    m_commands.connect(MakeCommand(*this, "cmdSendAll", kDeleteAllCaption), [this] { resetGrid(); });
    m_commands.connect(MakeCommand(*this, "cmdMoveUp", kMoveUpCaption), [this] { moveCurrent(-1); });
    m_commands.connect(MakeCommand(*this, "cmdMoveDown", kMoveDownCaption), [this] { moveCurrent(1); });
    m_commands.connect(MakeCommand(*this, "cmdFindTable", kFindTableCaption), [this] { findTable(); });
    m_commands.connect(MakeCommand(*this, "cmdBack", kConfirmCaption), [this] { acceptGrid(); });
    m_commands.connect(MakeCommand(*this, "cmdCancel", kCancelCaption), [this] {
        m_ok = false;
        reject();
    });
    auto* renameAction = new QAction(kRenameMenuCaption, this);
    renameAction->setObjectName(QStringLiteral("mnuRename"));
    m_commands.connect(*renameAction, [this] { rename(); });
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this, renameAction](const QPoint& at) {
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("mnuListPopup"));
        menu.addAction(renameAction);
        menu.exec(m_grid->viewport()->mapToGlobal(at));
    });
    connect(m_tree, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { m_commands.run([this, item] { FillNode(Key(item)); }); });
    connect(m_tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { m_commands.run([this, item] { FillNode(Key(item)); }); });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this] { m_commands.run([this] { add(); }); });
    connect(m_grid, &QTableView::clicked, this, [this] { paintCurrentRow(); });
    connect(m_grid, &QTableView::doubleClicked, this, [this] { removeCurrent(); });
    connect(m_databaseNames, &QCheckBox::clicked, this, [this] { swapTexts(); });
    connect(m_tableFinder, &controls::KelvoSelector::Change, this, [this] { m_commands.run([this] { findTable(); }); });
    for (QRadioButton* mode : {m_columnMode, m_constantMode, m_operatorMode})
        connect(mode, &QRadioButton::toggled, this, [this] { updateInputs(); });
    installEventFilter(this);
    m_grid->installEventFilter(this);

    auto* left = new QVBoxLayout;
    left->addWidget(MakeLabel(*this, kChooseColumnsLabel));
    auto* finder = new QHBoxLayout;
    finder->addWidget(m_tableFinder, 1);
    finder->addWidget(&CommandButton(*this, "cmdFindTable"));
    left->addLayout(finder);
    left->addWidget(m_tree, 1);
    left->addWidget(m_databaseNames);
    left->addWidget(MakeLabel(*this, kTranslationsHelp));
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    for (const char* name : {"cmdToLeft", "cmdToRight", "cmdSendAll", "cmdMoveUp", "cmdMoveDown"})
        middle->addWidget(&CommandButton(*this, name));
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(MakeLabel(*this, kSelectedColumnsAndValuesLabel));
    right->addWidget(m_grid, 1);
    right->addWidget(MakeLabel(*this, kRenameHelp));
    auto* modes = new QGridLayout;
    modes->addWidget(m_columnMode, 0, 0);
    modes->addWidget(m_constantMode, 1, 0);
    modes->addWidget(m_constant, 1, 1);
    modes->addWidget(m_operatorMode, 2, 0);
    modes->addWidget(m_operators, 2, 1);
    modes->addWidget(MakeLabel(*this, kConstantHelp), 3, 0, 1, 2);
    right->addLayout(modes);
    auto* panes = new QHBoxLayout;
    panes->addLayout(left, 1);
    panes->addLayout(middle);
    panes->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(ButtonRow(*this, {"cmdBack", "cmdCancel"}));
    resize(980, 620);

    resetGrid();
    m_columnMode->setChecked(true);
    updateInputs();
    m_commands.run([this] { m_tableFinder->Refresh(); });
    m_commands.run([this] { buildTree(); });
    fillList();
}

FormBuildQuery::~FormBuildQuery() = default;

// ---------------------------------------------------------------- the tree

void FormBuildQuery::buildTree()
{
    auto* root = new QTreeWidgetItem(m_tree, {kAllReportsRoot});
    root->setData(0, kKeyRole, kRootKey);
    root->setData(0, kTagRole, kAllReportsRoot);
    root->setData(0, kOtherTextRole, kAllReportsRootEnglish);
    m_nodes.insert(kRootKey, root);
    AddPlaceholder(root);
    FillNode(kRootKey);
    root->setExpanded(true);
}

void FormBuildQuery::FillNode(const QString& key)
{
    QTreeWidgetItem* item = m_nodes.value(key);
    if (!item || !IsPlaceholder(item->child(0)))
        return;
    delete item->takeChild(0);
    QList<DictionaryNode> children;
    {
        const front::WaitCursor wait;
        children = DictionaryChildren(m_session.DtEn, key, m_session.context.CurrentSystemID);
    }
    const bool names = m_databaseNames->isChecked();
    for (const DictionaryNode& child : children) {
        // A table already shown under another system is not shown twice.
        if (ISNodeKeyExists(child.key))
            continue;
        auto* node = new QTreeWidgetItem(item, {names ? child.name : child.description});
        node->setData(0, kKeyRole, child.key);
        node->setData(0, kTagRole, child.description);
        node->setData(0, kOtherTextRole, names ? child.description : child.name);
        m_nodes.insert(child.key, node);
        if (child.hasChildren)
            AddPlaceholder(node);
    }
}

void FormBuildQuery::swapTexts()
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        QTreeWidgetItem* item = *it;
        const QString shown = item->text(0);
        item->setText(0, item->data(0, kOtherTextRole).toString());
        item->setData(0, kOtherTextRole, shown);
    }
    m_tree->setFocus();
}

void FormBuildQuery::findTable()
{
    if (m_tableFinder->IsEmpty())
        return;
    const QString table = m_tableFinder->Code();
    const std::optional<int> system = SystemOfTable(m_session.DtEn, table);
    if (!system) {
        m_tableFinder->Refresh();
        return;
    }
    const QString systemKey = u'S' + QString::number(*system);
    FillNode(systemKey);
    if (QTreeWidgetItem* s = node(systemKey))
        s->setExpanded(true);
    QTreeWidgetItem* t = node(u'T' + table);
    if (!t) {
        // The dictionary may spell the name in another case.
        for (auto it = m_nodes.cbegin(); it != m_nodes.cend(); ++it) {
            if (it.key().compare(u'T' + table, Qt::CaseInsensitive) == 0)
                t = it.value();
        }
    }
    if (!t)
        return;
    FillNode(Key(t));
    t->setExpanded(true);
    m_tree->scrollToItem(t);
    m_tree->setCurrentItem(t);
    m_tree->setFocus();
}

// ---------------------------------------------------------------- the grid

int FormBuildQuery::gridRows() const
{
    return m_rows->rowCount();
}

QString FormBuildQuery::cell(int row, int column) const
{
    const QStandardItem* item = m_rows->item(row - 1, column);
    return item ? item->text() : QString();
}

bool FormBuildQuery::IsColumnSelected(const QString& english) const
{
    for (int r = 1; r <= gridRows(); ++r) {
        if (cell(r, ColEnglish) == english)
            return true;
    }
    return false;
}

qsizetype FormBuildQuery::FindOperator(const QString& text)
{
    for (const char* op : {" + ", " - ", " * ", " / ", " % "}) {
        const qsizetype at = text.indexOf(QLatin1String(op));
        if (at >= 0)
            return at + 1;
    }
    return 0;
}

void FormBuildQuery::resetGrid()
{
    m_rows->setRowCount(0);
    m_rows->setRowCount(1);
    for (int c = 0; c < kGridColumns; ++c)
        m_rows->setItem(0, c, new QStandardItem());
    m_awaitingOperand = false;
    setCurrentRow(1);
}

void FormBuildQuery::setCurrentRow(int row)
{
    m_grid->setCurrentIndex(m_rows->index(row - 1, ColFarsi));
    paintCurrentRow();
}

void FormBuildQuery::paintCurrentRow()
{
    const int current = m_grid->currentIndex().row();
    for (int r = 0; r < m_rows->rowCount(); ++r) {
        for (int c = 0; c < kGridColumns; ++c) {
            if (QStandardItem* item = m_rows->item(r, c))
                item->setBackground(r == current ? QColor(0xFF, 0xFF, 0xC0) : QColor(Qt::white));
        }
    }
    if (const QStandardItem* item = m_rows->itemFromIndex(m_grid->currentIndex()))
        m_grid->setToolTip(item->text());
}

void FormBuildQuery::appendRow(const QString& farsi, const QString& english, const QString& captionNumber,
                               const QString& caption)
{
    // The empty first row stands for an empty selection: the first row added takes its place.
    int row = m_rows->rowCount();
    if (row == 1 && cell(1, ColFarsi).isEmpty() && cell(1, ColEnglish).isEmpty())
        row = 0;
    else
        m_rows->insertRow(row);
    const QString texts[kGridColumns] = {farsi, english, captionNumber, caption};
    for (int c = 0; c < kGridColumns; ++c)
        m_rows->setItem(row, c, new QStandardItem(texts[c]));
    setCurrentRow(row + 1);
}

void FormBuildQuery::appendToCurrent(const QString& farsi, const QString& english)
{
    const int row = std::max(0, m_grid->currentIndex().row());
    m_rows->item(row, ColFarsi)->setText(m_rows->item(row, ColFarsi)->text() + farsi);
    m_rows->item(row, ColEnglish)->setText(m_rows->item(row, ColEnglish)->text() + english);
}

void FormBuildQuery::fillList()
{
    for (const SelectItem& item : m_session.queries.selectItems.items)
        appendRow(item.FarsiText, item.EnglishText, QString::number(item.CaptionNumber), item.Caption);
}

void FormBuildQuery::updateInputs()
{
    m_tree->setEnabled(m_columnMode->isChecked());
    m_constant->setEnabled(m_constantMode->isChecked());
    m_operators->setEnabled(m_operatorMode->isChecked());
    if (m_operatorMode->isChecked() && m_operators->currentIndex() < 0)
        m_operators->setCurrentIndex(0);
}

void FormBuildQuery::add()
{
    const int current = std::max(1, m_grid->currentIndex().row() + 1);
    const bool rowExists = !(gridRows() == 1 && cell(1, ColFarsi).isEmpty() && cell(1, ColEnglish).isEmpty());
    if (m_operatorMode->isChecked()) {
        if (!rowExists || m_operators->currentIndex() < 0 || m_awaitingOperand ||
            cell(current, ColFarsi).contains(kWithoutColumns))
            return;
        appendToCurrent(u' ' + m_operators->currentText(), u' ' + m_operators->currentText());
        m_awaitingOperand = true;
        return;
    }
    if (m_constantMode->isChecked()) {
        if (m_constant->text().trimmed().isEmpty())
            return;
        const QString value = m_constant->text().trimmed().replace(u'%', u'\'');
        if (m_awaitingOperand && rowExists)
            appendToCurrent(u' ' + value, u' ' + value);
        else
            appendRow(u' ' + value, u' ' + value, QStringLiteral("-1"), kExpressionCaption);
        m_awaitingOperand = false;
        return;
    }
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item || !Key(item).startsWith(u'T'))
        return;
    if (Key(item).contains(u'#'))
        addColumnNode(item);
    else if (!m_awaitingOperand)
        addTableNode(item);
}

void FormBuildQuery::addTableNode(QTreeWidgetItem* item)
{
    const QString key = Key(item);
    const QString table = key.mid(1);
    if (!m_prompter.Confirm(kChooseTableTitle, kChooseTableQuestion)) {
        const QString english = table + u'.' + kWithoutAnyCols;
        if (!IsColumnSelected(english))
            appendRow(Tag(item) + u'_' + kWithoutColumns, english, QStringLiteral("-1"), Tag(item));
        return;
    }
    FillNode(key);
    for (int i = 0; i < item->childCount(); ++i) {
        const QTreeWidgetItem* child = item->child(i);
        const QString english = ColumnKeyReference(Key(child));
        if (IsColumnSelected(english))
            continue;
        const QString farsi = Tag(item) + u'_' + Tag(child);
        if (!addReferenceColumn(Key(child), farsi))
            appendRow(farsi, english, QStringLiteral("-1"), Tag(child));
    }
}

void FormBuildQuery::addColumnNode(QTreeWidgetItem* item)
{
    const QString english = ColumnKeyReference(Key(item));
    const QString farsi = (item->parent() ? Tag(item->parent()) : QString()) + u'_' + Tag(item);
    if (m_awaitingOperand) {
        appendToCurrent(u' ' + farsi, u' ' + english);
        m_awaitingOperand = false;
        return;
    }
    if (IsColumnSelected(english) && !m_prompter.Confirm(kDuplicateColumnTitle, kDuplicateColumnQuestion))
        return;
    if (!addReferenceColumn(Key(item), farsi))
        appendRow(farsi, english, QStringLiteral("-1"), Tag(item));
}

bool FormBuildQuery::addReferenceColumn(const QString& key, const QString& farsi)
{
    const QString reference = ColumnKeyReference(key);
    const qsizetype dot = reference.indexOf(u'.');
    const QString table = reference.left(dot);
    const QString column = reference.mid(dot + 1);
    db::Connection& db = m_session.DtEn;
    const std::optional<Relation> relation = RelationOfColumn(db, table, column);
    if (!relation)
        return false;
    const QString display = DisplayColumnOf(db, relation->referenceTable);
    if (display.isEmpty())
        return false;
    const QString farsiTable = TableDescription(db, relation->referenceTable);
    const QString farsiDisplay = LoadDictionaryColumn(db, relation->referenceTable, display).description;
    const QString farsiKey = LoadDictionaryColumn(db, relation->referenceTable, relation->referenceKey).description;
    const QString description = LoadDictionaryColumn(db, table, column).description;

    const int answer = AskReferenceColumn(m_session, m_windows, m_prompter, farsiTable + u'_' + farsiDisplay, farsi);
    if (answer < 0)
        return true;
    if (answer == 0 || answer == 2)
        appendRow(farsi, reference, QStringLiteral("-1"), description);
    if (answer == 1 || answer == 2) {
        const QString english = QStringLiteral("(Select TableAlias.") + display + QStringLiteral(" FROM ") +
                                relation->referenceTable + QStringLiteral(" TableAlias WHERE TableAlias.") +
                                relation->referenceKey + QStringLiteral(" = ") + relation->dependentTable + u'.' +
                                relation->foreignKey + u')';
        const QString subquery = QStringLiteral("(انتخاب ") + farsiDisplay + QStringLiteral(" از ") + farsiTable +
                                 QStringLiteral(" كه ") + farsiKey + QStringLiteral(" = ") + farsi + u')';
        appendRow(subquery, english, QStringLiteral("-1"),
                  answer == 1 ? description : description + QStringLiteral(" - ") + farsiDisplay);
    }
    if (answer == 1) {
        const QString english = table + u'.' + kWithoutAnyCols;
        if (!IsColumnSelected(english)) {
            const QString farsiDependent = TableDescription(db, table);
            appendRow(farsiDependent + u'_' + kWithoutColumns, english, QStringLiteral("-1"), farsiDependent);
        }
    }
    return true;
}

void FormBuildQuery::removeCurrent()
{
    const int row = m_grid->currentIndex().row();
    if (row < 0)
        return;
    if (m_rows->rowCount() == 1) {
        for (int c = 0; c < kGridColumns; ++c)
            m_rows->item(0, c)->setText(QString());
        m_awaitingOperand = false;
        return;
    }
    m_rows->removeRow(row);
    setCurrentRow(std::min(row, m_rows->rowCount() - 1) + 1);
}

void FormBuildQuery::moveCurrent(int by)
{
    const int row = m_grid->currentIndex().row();
    const int other = row + by;
    if (row < 0 || other < 0 || other >= m_rows->rowCount())
        return;
    const QList<QStandardItem*> taken = m_rows->takeRow(row);
    m_rows->insertRow(other, taken);
    setCurrentRow(other + 1);
}

void FormBuildQuery::rename()
{
    const int row = m_grid->currentIndex().row() + 1;
    if (row < 1 || (cell(row, ColFarsi).isEmpty() && cell(row, ColEnglish).isEmpty()))
        return;
    FormRename dialog(m_session, m_prompter);
    m_windows.show(dialog, true);
    if (!dialog.OK())
        return;
    if (dialog.SpecialColumn().isEmpty()) {
        m_rows->item(row - 1, ColCaptionNumber)->setText(QStringLiteral("-1"));
        m_rows->item(row - 1, ColFarsi)->setText(dialog.NewName());
        // The new title is also the column's heading in the report.
        m_rows->item(row - 1, ColCaption)->setText(dialog.NewName());
    } else {
        m_rows->item(row - 1, ColCaptionNumber)->setText(QStringLiteral("-2"));
        m_rows->item(row - 1, ColFarsi)->setText(dialog.SpecialColumn());
    }
}

bool FormBuildQuery::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
        m_commands.run([this] { rename(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- accept

void FormBuildQuery::registerTables(QueryTableList& tables, const QString& english, int position,
                                    bool expression)
{
    QString s = english;
    while (true) {
        if (s.contains(QLatin1String("(Select "))) {
            // A reference subquery: what it refers to is "dependent.foreignKey" at its end.
            QString after = s.mid(s.indexOf(u'.') + 1);
            after.chop(1);
            s = after.split(u' ', Qt::SkipEmptyParts).value(after.split(u' ', Qt::SkipEmptyParts).size() - 1);
        }
        const qsizetype p = s.indexOf(u'.');
        if (p < 0)
            return;
        const QString table = s.left(p).trimmed();
        const QString columnText = s.mid(p + 1);
        QueryTable* entry = nullptr;
        for (QueryTable& t : tables.tables) {
            if (t.Name.compare(table, Qt::CaseInsensitive) == 0)
                entry = &t;
        }
        if (!entry) {
            if (std::optional<QueryTable> loaded = LoadDictionaryTable(m_session.DtEn, table)) {
                tables.tables.append(std::move(*loaded));
                entry = &tables.tables.last();
            }
        }
        const qsizetype op = FindOperator(columnText);
        if (entry && columnText != kWithoutAnyCols && !expression) {
            for (QueryColumn& c : entry->Columns) {
                if (c.Name.compare(columnText.trimmed(), Qt::CaseInsensitive) == 0) {
                    c.Selected = true;
                    c.Position = position;
                }
            }
        }
        if (op == 0)
            return;
        s = columnText.mid(op + 2).trimmed();
    }
}

void FormBuildQuery::acceptGrid()
{
    // Written into the stores only when every row was read: a full list or a
    // failed dictionary read leaves the stores and the window as they were.
    const front::WaitCursor wait;
    SelectItemList items;
    QueryTableList tables;
    tables.capacity = m_session.queries.tables.capacity;
    ExpressionList expressions;
    for (int r = 1; r <= gridRows(); ++r) {
        const QString english = cell(r, ColEnglish);
        // The empty row that stands for an empty selection writes nothing.
        if (english.trimmed().isEmpty() && cell(r, ColFarsi).trimmed().isEmpty())
            continue;
        const bool expression = FindOperator(english) > 0;
        if (!english.contains(u'.' + kWithoutAnyCols)) {
            if (items.count() >= SelectItemList::kCapacity)
                throw StoreFullError(QStringLiteral("select list"), SelectItemList::kCapacity);
            SelectItem item;
            item.FarsiText = cell(r, ColFarsi);
            item.EnglishText = english;
            item.CaptionNumber = ValOrMinusOne(cell(r, ColCaptionNumber));
            item.Caption = cell(r, ColCaption);
            item.Width = ValOrMinusOne(cell(r, ColWidth));
            item.Alignment = qint16(ValOrMinusOne(cell(r, ColAlignment)));
            item.Merge = qint16(ValOrMinusOne(cell(r, ColMerge)));
            item.TextFlag = qint16(ValOrMinusOne(cell(r, ColText)));
            items.items.append(item);
        }
        if (expression && expressions.count() < ExpressionList::kCapacity) {
            ExpressionItem e;
            e.EnglishText = english.trimmed();
            e.FarsiText = cell(r, ColFarsi).trimmed();
            e.FarsiOriginal = cell(r, ColFarsi);
            expressions.items.append(e);
        }
        registerTables(tables, english, items.count(), expression);
    }
    QueryStores& stores = m_session.queries;
    stores.selectItems = std::move(items);
    stores.tables = std::move(tables);
    stores.expressions = std::move(expressions);
    m_ok = true;
    accept();
}

} // namespace kelvo::design
