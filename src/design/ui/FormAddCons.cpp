#include "design/ui/FormAddCons.h"

#include "design/Messages.h"
#include "design/QueryDesign.h"
#include "design/ui/DialogParts.h"
#include "design/ui/FormValues.h"
#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "query/Vocabulary.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>

namespace kelvo::design {

using namespace query;

namespace {

// Clears a list's choice on Delete.
class DeleteClears final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
            static_cast<QComboBox*>(watched)->setCurrentIndex(-1);
            return true;
        }
        return false;
    }
};

} // namespace

FormAddCons::FormAddCons(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                         QueryStores& stores, qint32 reportID, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_windows(windows), m_commands(prompter),
      m_stores(stores), m_reportID(reportID), m_column(new QComboBox(this)), m_operator(new QComboBox(this)),
      m_value(new QComboBox(this)), m_query(MakeFarsiBox(*this, "txtQuery", 6)),
      m_farsi(new QRadioButton(kFarsiCaption, this)), m_english(new QRadioButton(kEnglishCaption, this))
{
    setObjectName(QStringLiteral("FormAddCons"));
    setWindowTitle(kConditionsCaption);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_column->setObjectName(QStringLiteral("cmbColumn"));
    m_operator->setObjectName(QStringLiteral("cmbOperator"));
    m_value->setObjectName(QStringLiteral("cmbValCol"));
    m_farsi->setObjectName(QStringLiteral("optFarsi"));
    m_english->setObjectName(QStringLiteral("optEnglish"));
    auto* deleteClears = new DeleteClears(this);
    for (QComboBox* list : {m_column, m_operator, m_value}) {
        list->installEventFilter(deleteClears);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        connect(list, &QComboBox::currentIndexChanged, this, &FormAddCons::updateCommands);
    }
    connect(m_column, &QComboBox::activated, this, [this] { fillOperators(); });

    m_commands.connect(MakeCommand(*this, "cmdAdd", kAddCaption), [this] { addComparison(); });
    m_commands.connect(MakeCommand(*this, "cmdAnd", kAndCaption), [this] { append(QStringLiteral("AND "), QStringLiteral("و ")); });
    m_commands.connect(MakeCommand(*this, "cmdOr", kOrCaption), [this] { append(QStringLiteral("OR "), QStringLiteral("يا ")); });
    m_commands.connect(MakeCommand(*this, "cmdNot", kNotCaption), [this] { append(QStringLiteral("NOT "), QStringLiteral("غير ")); });
    // The two parenthesis buttons trade places when the English text is shown.
    m_commands.connect(MakeCommand(*this, "cmdOpenPar", QStringLiteral("(")), [this] {
        if (farsiShown())
            append(QStringLiteral("( "), QStringLiteral(" ("));
        else
            append(QStringLiteral(") "), QStringLiteral(" )"));
    });
    m_commands.connect(MakeCommand(*this, "cmdClosePar", QStringLiteral(")")), [this] {
        if (farsiShown())
            append(QStringLiteral(") "), QStringLiteral(" )"));
        else
            append(QStringLiteral("( "), QStringLiteral(" ("));
    });
    m_commands.connect(MakeCommand(*this, "cmdDelete", kNewCaption), [this] {
        m_stores.clauses.EWhere.clear();
        m_stores.clauses.FWhere.clear();
        showLanguage();
    });
    m_commands.connect(MakeCommand(*this, "cmdAddDeps", kCreateJoinCaption), [this] { addRelations(); });
    m_commands.connect(MakeCommand(*this, "cmdValues", kValuesCaption), [this] { pickValues(); });
    m_commands.connect(MakeCommand(*this, "cmdModify", kDisallowEditCaption), [this] { toggleEditing(); });
    m_commands.connect(MakeCommand(*this, "cmdBack", kConfirmCaption), [this] { accept(); });
    m_commands.connect(MakeCommand(*this, "cmdCancel", kCancelCaption), [this] { reject(); });
    connect(m_farsi, &QRadioButton::toggled, this, [this] { showLanguage(); fillColumnItems(); });
    connect(m_query, &QPlainTextEdit::textChanged, this, [this] {
        if (m_showing || !m_editing)
            return;
        (farsiShown() ? m_stores.clauses.FWhere : m_stores.clauses.EWhere) = m_query->toPlainText();
    });

    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(*this, kConditionsHelp), 0, 0, 1, 3);
    grid->addWidget(MakeLabel(*this, kColumnLabel), 1, 0);
    grid->addWidget(MakeLabel(*this, kOperatorLabel), 1, 1);
    grid->addWidget(MakeLabel(*this, kValueColumnLabel), 1, 2);
    grid->addWidget(m_column, 2, 0);
    grid->addWidget(m_operator, 2, 1);
    auto* valueRow = new QHBoxLayout;
    valueRow->addWidget(m_value, 1);
    valueRow->addWidget(&CommandButton(*this, "cmdValues"));
    grid->addLayout(valueRow, 2, 2);
    auto* connectives = new QHBoxLayout;
    for (const char* name : {"cmdAdd", "cmdAnd", "cmdOr", "cmdNot", "cmdOpenPar", "cmdClosePar", "cmdAddDeps", "cmdDelete"})
        connectives->addWidget(&CommandButton(*this, name));
    connectives->addStretch();
    grid->addLayout(connectives, 3, 0, 1, 3);
    auto* languages = new QHBoxLayout;
    languages->addWidget(m_farsi);
    languages->addWidget(m_english);
    languages->addStretch();
    languages->addWidget(&CommandButton(*this, "cmdModify"));
    grid->addLayout(languages, 4, 0, 1, 3);
    grid->addWidget(m_query, 5, 0, 1, 3);
    grid->addLayout(ButtonRow(*this, {"cmdBack", "cmdCancel"}), 6, 0, 1, 3);
    for (int c = 0; c < 3; ++c)
        grid->setColumnStretch(c, 1);
    grid->setRowStretch(5, 1);
    resize(820, 420);

    // Opens locked: the caption offers to allow editing.
    toggleEditing();
    FillLists();
}

bool FormAddCons::farsiShown() const
{
    return m_farsi->isChecked();
}

void FormAddCons::FillLists()
{
    {
        const QSignalBlocker blocker(m_farsi);
        m_farsi->setChecked(true);
    }
    m_relationsAdded = false;
    m_column->clear();
    m_value->clear();
    m_operator->clear();
    m_columnItems = 0;
    for (int t = 1; t <= m_stores.tables.count(); ++t) {
        const QueryTable& table = m_stores.tables.tables[t - 1];
        for (int c = 1; c <= table.ColumnCount(); ++c) {
            m_column->addItem(QString(), MakeColumnId(t, c));
            m_value->addItem(QString(), MakeColumnId(t, c));
            ++m_columnItems;
        }
    }
    fillColumnItems();
    m_commands.run([this] {
        for (const ReportParameterName& p : ReportParameters(m_session.DtEn, m_reportID))
            m_value->addItem(u'@' + p.name, p.parameterID);
    });
    m_column->setCurrentIndex(-1);
    m_value->setCurrentIndex(-1);
    showLanguage();
    updateCommands();
}

void FormAddCons::fillColumnItems()
{
    const bool farsi = farsiShown();
    for (int i = 0; i < m_columnItems; ++i) {
        const ColumnId id = m_column->itemData(i).toInt();
        const QueryTable& table = m_stores.tables.tables[ColumnIdTable(id) - 1];
        const QueryColumn& column = table.Columns[ColumnIdColumn(id) - 1];
        const QString text = farsi ? table.Description + u'_' + column.Description : table.Name + u'#' + column.Name;
        m_column->setItemText(i, text);
        m_value->setItemText(i, text);
    }
}

void FormAddCons::fillOperators()
{
    if (m_column->currentIndex() < 0)
        return;
    m_operator->clear();
    const bool character = IsCharType(ColumnType(m_stores.tables, m_column->currentData().toInt()));
    // "Like" comes last, and only for a character column.
    for (const OperatorWord& word : Operators()) {
        const QString farsi = QString::fromUtf16(word.farsi);
        if (farsi != kLikeOperator)
            m_operator->addItem(farsi);
    }
    if (character)
        m_operator->addItem(kLikeOperator);
    m_operator->setCurrentIndex(-1);
}

FormAddCons::ValueKind FormAddCons::valueKind(int index) const
{
    if (index < m_columnItems)
        return ValueKind::Column;
    return m_value->itemText(index).startsWith(u'@') ? ValueKind::Parameter : ValueKind::Literal;
}

void FormAddCons::updateCommands()
{
    const bool column = m_column->currentIndex() >= 0;
    const QString op = m_operator->currentText();
    const bool nullTest = op == kHasValueOperator || op == kHasNoValueOperator;
    const bool operatorChosen = m_operator->currentIndex() >= 0;
    for (QAction* action : actions()) {
        const QString name = action->objectName();
        if (name == QLatin1String("cmdAdd"))
            action->setEnabled(column && operatorChosen && (nullTest || m_value->currentIndex() >= 0));
        else if (name == QLatin1String("cmdValues"))
            action->setEnabled(column && operatorChosen);
        else if (name == QLatin1String("cmdAddDeps"))
            action->setEnabled(!m_relationsAdded);
    }
}

void FormAddCons::showLanguage()
{
    const bool farsi = farsiShown();
    m_showing = true;
    SetTextDirection(*m_query, farsi ? Qt::RightToLeft : Qt::LeftToRight);
    m_query->setPlainText(farsi ? m_stores.clauses.FWhere : m_stores.clauses.EWhere);
    m_showing = false;
}

void FormAddCons::append(const QString& english, const QString& farsi)
{
    m_stores.clauses.EWhere += english;
    m_stores.clauses.FWhere += farsi;
    showLanguage();
}

void FormAddCons::addComparison()
{
    const int valueIndex = m_value->currentIndex();
    const ColumnId column = m_column->currentData().toInt();
    const QString columnText = m_column->currentText();
    QString op = m_operator->currentText();
    if (valueIndex >= 0 && valueKind(valueIndex) == ValueKind::Parameter && op != kHasValueOperator &&
        op != kHasNoValueOperator) {
        const qint32 parameterID = m_value->itemData(valueIndex).toInt();
        if (std::optional<ConditionParameter> p = LoadConditionParameter(m_session.DtEn, m_reportID, parameterID)) {
            const DictionaryColumnRow row = LoadDictionaryColumn(m_session.DtEn, ColumnTableName(m_stores.tables, column),
                                                                 ColumnName(m_stores.tables, column));
            if (p->type.trimmed() != row.type.trimmed() && m_prompter.AskYesNo(kErrorTitle, kTypeMismatchQuestion) == 1)
                p->type = row.type;
            if (p->majorView.trimmed().isEmpty())
                p->majorView = row.majorView;
            if (p->minorView.trimmed().isEmpty())
                p->minorView = row.minorView;
            UpdateParameterTypeAndViews(m_session.DtEn, m_reportID, *p);
            if ((p->controlTypeID == 4 || p->controlTypeID == 1007) && op != kAmongOperator &&
                m_prompter.Confirm(kWarningTitle, kUseAmongQuestion.arg(p->componentName))) {
                op = kAmongOperator;
                m_operator->setCurrentText(op);
            }
        }
    }
    const QString reference = ColumnReference(m_stores.tables, column);
    const QString sql = OperatorToSql(op);
    QString& english = m_stores.clauses.EWhere;
    QString& farsi = m_stores.clauses.FWhere;
    if (op == kHasNoValueOperator || op == kHasValueOperator) {
        farsi += u'(' + columnText + u' ' + op + QStringLiteral(") ");
        english += u'(' + reference + u' ' + sql + QStringLiteral(") ");
    } else {
        const QString valueText = m_value->itemText(valueIndex);
        farsi += u'(' + columnText + u' ' + op + u' ' + valueText + QStringLiteral(") ");
        english += u'(' + reference + u' ' + sql;
        switch (valueKind(valueIndex)) {
        case ValueKind::Column:
            english += u' ' + ColumnReference(m_stores.tables, m_value->itemData(valueIndex).toInt()) + QStringLiteral(") ");
            break;
        case ValueKind::Parameter:
            english += QStringLiteral(" @") + QString::number(m_value->itemData(valueIndex).toInt()) + QStringLiteral(") ");
            break;
        case ValueKind::Literal:
            english += u' ' + (op == kLikeOperator ? QString(valueText).replace(u'*', u'%') : valueText) +
                       QStringLiteral(") ");
            break;
        }
    }
    removeLiterals();
    m_column->setCurrentIndex(-1);
    m_operator->setCurrentIndex(-1);
    m_value->setCurrentIndex(-1);
    showLanguage();
}

void FormAddCons::removeLiterals()
{
    for (int i = m_value->count() - 1; i >= m_columnItems; --i) {
        if (valueKind(i) == ValueKind::Literal)
            m_value->removeItem(i);
    }
}

void FormAddCons::addRelations()
{
    const QList<QueryTable>& tables = m_stores.tables.tables;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        for (qsizetype j = i + 1; j < tables.size(); ++j)
            AppendJoinConditions(m_stores.clauses, m_stores.tables,
                                 RelationsBetween(m_session.DtEn, tables[i].Name, tables[j].Name));
    }
    m_relationsAdded = true;
    showLanguage();
    updateCommands();
}

void FormAddCons::pickValues()
{
    if (m_column->currentIndex() < 0)
        return;
    const ColumnId column = m_column->currentData().toInt();
    const std::optional<QString> value =
        getValues(m_session, m_prompter, m_windows, ColumnTableName(m_stores.tables, column),
                  ColumnName(m_stores.tables, column), m_operator->currentText() == kAmongOperator);
    if (!value)
        return;
    removeLiterals();
    m_value->addItem(*value);
    m_value->setCurrentIndex(m_value->count() - 1);
}

void FormAddCons::toggleEditing()
{
    QAction* modify = findChild<QAction*>(QStringLiteral("cmdModify"));
    if (modify->text() == kAllowEditCaption) {
        if (!m_prompter.Confirm(kWarningTitle, kEditBothQuestion))
            return;
        m_editing = true;
        modify->setText(kDisallowEditCaption);
    } else {
        m_editing = false;
        modify->setText(kAllowEditCaption);
    }
    m_query->setReadOnly(!m_editing);
}

} // namespace kelvo::design
