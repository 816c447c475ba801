#include "design/ui/FormReportQuery.h"

#include "controls/ui/KelvoSelector.h"
#include "design/Messages.h"
#include "design/QueryDesign.h"
#include "design/ui/DialogParts.h"
#include "design/ui/FormAddCons.h"
#include "design/ui/FormBuildQuery.h"
#include "design/ui/FormGrouping.h"
#include "design/ui/FormSorting.h"
#include "design/ui/FormValues.h"
#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/Windows.h"
#include "management/ui/ReportHelp.h"
#include "query/SelectItems.h"
#include "text/TextPrimitives.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvo::design {

using namespace query;

namespace {

constexpr Clause kClauses[] = {Clause::Select, Clause::From, Clause::Where, Clause::GroupBy, Clause::OrderBy};
constexpr const char* kEnglishButtons[] = {"cmdESelect", "cmdEFrom", "cmdEWhere", "cmdEGroupBy", "cmdEOrderBY"};
constexpr const char* kFarsiButtons[] = {"cmdFSelect", "cmdFFrom", "cmdFWhere", "cmdFGroupBy", "cmdFOrderBY"};
constexpr const char* kEnglishBoxes[] = {"txtESelect", "txtEFrom", "txtEWhere", "txtEGroupBy", "txtEOrderBy"};
constexpr const char* kFarsiBoxes[] = {"txtFSelect", "txtFFrom", "txtFWhere", "txtFGroupBy", "txtFOrderBy"};

QString Text(const QPlainTextEdit* box)
{
    return box->toPlainText();
}

void SetText(QPlainTextEdit* box, const QString& text)
{
    if (box->toPlainText() != text)
        box->setPlainText(text);
}

// The item data of a procedure-call value that is not a report parameter.
constexpr int kNotAParameter = -1;

} // namespace

FormReportQuery::FormReportQuery(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                                 qint32 reportID, bool copyingReport, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_windows(windows), m_commands(prompter),
      m_reportID(reportID), m_copyingReport(copyingReport)
{
    setObjectName(QStringLiteral("FormReportQuery"));
    setWindowTitle(kEditorCaption);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    front::StyleWindow(*this, front::ColoursOf(session.context));

    m_optQuery = new QRadioButton(kQueryModeCaption, this);
    m_optQuery->setObjectName(QStringLiteral("optSelectSQL"));
    m_optProcedure = new QRadioButton(kProcedureModeCaption, this);
    m_optProcedure->setObjectName(QStringLiteral("optSelectSP"));
    m_optFarsi = new QRadioButton(kFarsiCaption, this);
    m_optFarsi->setObjectName(QStringLiteral("optFarsi"));
    m_optEnglish = new QRadioButton(kEnglishCaption, this);
    m_optEnglish->setObjectName(QStringLiteral("optEnglish"));
    // The two pairs of options are chosen independently.
    for (const auto& pair : {std::pair{m_optQuery, m_optProcedure}, std::pair{m_optFarsi, m_optEnglish}}) {
        auto* group = new QButtonGroup(this);
        group->addButton(pair.first);
        group->addButton(pair.second);
    }
    m_clauseArea = new QWidget(this);
    m_clauseArea->setObjectName(QStringLiteral("fraClauses"));
    m_procedureFrame = new QWidget(this);
    m_procedureFrame->setObjectName(QStringLiteral("FormStoredProcedure"));
    buildClauseArea(*m_clauseArea);
    buildProcedureFrame(*m_procedureFrame);

    m_commands.connect(MakeCommand(*this, "cmdPars", kCheckQueryCaption), [this] { checkQuery(); });
    m_commands.connect(MakeCommand(*this, "cmdDefParameter", kDefineParameterCaption), [this] {
        m_windows.ShowNDefineParameter(m_session, m_reportID, this);
        // The procedure's values list the parameters as they now are.
        fillProcedureValues();
    });
    m_commands.connect(MakeCommand(*this, "cmdClear", kDeleteCaption), [this] { clearEditor(); });
    m_commands.connect(MakeCommand(*this, "cmdFinalSave", kSaveCaption), [this] { save(); }, kSaveFailedMessage);
    m_commands.connect(MakeCommand(*this, "cmdCancel", kCancelCaption), [this] { reject(); });

    connect(m_optFarsi, &QRadioButton::toggled, this, [this] { showLanguage(); });
    connect(m_optProcedure, &QRadioButton::toggled, this, [this](bool on) { setProcedureMode(on); });

    auto* modes = new QHBoxLayout;
    modes->addWidget(m_optQuery);
    modes->addWidget(m_optProcedure);
    modes->addStretch();
    modes->addWidget(m_optFarsi);
    modes->addWidget(m_optEnglish);
    auto* buttons = new QHBoxLayout;
    for (const char* name : {"cmdPars", "cmdDefParameter", "cmdClear"})
        buttons->addWidget(&CommandButton(*this, name));
    buttons->addStretch();
    buttons->addWidget(&CommandButton(*this, "cmdFinalSave"));
    buttons->addWidget(&CommandButton(*this, "cmdCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modes);
    layout->addWidget(m_clauseArea, 1);
    layout->addWidget(m_procedureFrame, 1);
    layout->addLayout(buttons);
    resize(1000, 680);
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);

    clearEditor();
    InitQueryModel(session.queries.tables, session.DtEn);
    m_optQuery->setChecked(true);
    setProcedureMode(false);
    m_optCallFarsi->setChecked(true);
    m_commands.run([this] { m_procedure->Refresh(); });
    m_commands.run([this] { fillProcedureValues(); });
    m_commands.run([this] { loadDefinition(); });
}

FormReportQuery::~FormReportQuery() = default;

void FormReportQuery::buildClauseArea(QWidget& area)
{
    m_englishArea = new QWidget(&area);
    m_englishArea->setObjectName(QStringLiteral("fraEnglish"));
    m_englishArea->setLayoutDirection(Qt::LeftToRight);
    m_farsiArea = new QWidget(&area);
    m_farsiArea->setObjectName(QStringLiteral("fraFarsi"));
    QPlainTextEdit** english[] = {&m_english.select, &m_english.from, &m_english.where, &m_english.groupBy,
                                  &m_english.orderBy};
    QPlainTextEdit** farsi[] = {&m_farsi.select, &m_farsi.from, &m_farsi.where, &m_farsi.groupBy, &m_farsi.orderBy};
    auto* englishGrid = new QGridLayout(m_englishArea);
    auto* farsiGrid = new QGridLayout(m_farsiArea);
    const int lines[] = {5, 2, 4, 2, 2};
    for (int i = 0; i < 5; ++i) {
        const Clause clause = kClauses[i];
        *english[i] = MakeEnglishBox(*this, kEnglishBoxes[i], lines[i]);
        *farsi[i] = MakeFarsiBox(*this, kFarsiBoxes[i], lines[i]);
        m_commands.connect(MakeCommand(*this, kEnglishButtons[i], EnglishClauseCaption(clause)),
                           [this, clause] { runClause(clause); });
        // A Farsi button runs its English twin; the Farsi boxes are never parsed.
        m_commands.connect(MakeCommand(*this, kFarsiButtons[i], FarsiClauseCaption(clause)),
                           [this, clause] { runClause(clause); });
        englishGrid->addWidget(&CommandButton(*this, kEnglishButtons[i]), i, 0, Qt::AlignTop);
        englishGrid->addWidget(*english[i], i, 1);
        farsiGrid->addWidget(&CommandButton(*this, kFarsiButtons[i]), i, 0, Qt::AlignTop);
        farsiGrid->addWidget(*farsi[i], i, 1);
        englishGrid->setRowStretch(i, lines[i]);
        farsiGrid->setRowStretch(i, lines[i]);
    }
    m_english.select->setToolTip(kManualEditTip);
    m_english.select->setReadOnly(true);
    m_selectDisplay = MakeEnglishBox(*this, "txtESelectTemp", 5);
    m_selectDisplay->setToolTip(kViewQueryTip);
    m_selectDisplay->setReadOnly(true);
    m_selectDisplay->hide();
    englishGrid->addWidget(m_selectDisplay, 0, 1);
    m_commands.connect(MakeCommand(*this, "cmdEDistinct", QStringLiteral("DISTINCT")), [this] { toggleDistinct(); });
    m_commands.connect(MakeCommand(*this, "cmdDistinct", QStringLiteral("متمايز")), [this] { toggleDistinct(); });
    englishGrid->addWidget(&CommandButton(*this, "cmdEDistinct"), 0, 2, Qt::AlignTop);
    farsiGrid->addWidget(&CommandButton(*this, "cmdDistinct"), 0, 2, Qt::AlignTop);
    englishGrid->setColumnStretch(1, 1);
    farsiGrid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(&area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_englishArea);
    layout->addWidget(m_farsiArea);
}

void FormReportQuery::buildProcedureFrame(QWidget& frame)
{
    m_procedure = new controls::KelvoSelector(&frame);
    m_procedure->setObjectName(QStringLiteral("gmpStoredProcedure"));
    m_procedure->setConnection(m_session.DtEn);
    m_procedure->setMajorView(QStringLiteral("vwStoredProcedureMajor"));
    m_procedure->setMinorView(QStringLiteral("vwStoredProcedureMinor"));
    m_procedure->setRightToLeft(true);
    m_procedureHelp = MakeLabel(frame, kHowToCallCaption, "lblHelp");
    m_procedureHelp->setLayoutDirection(Qt::LeftToRight);
    m_procedureHelp->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_procedureValues = new QComboBox(&frame);
    m_procedureValues->setObjectName(QStringLiteral("cmbValCol"));
    m_callEnglish = MakeEnglishBox(*this, "txtSQLSP", 3);
    m_callFarsi = MakeFarsiBox(*this, "txtFarsiSQLSP", 3);
    m_optCallEnglish = new QRadioButton(kEnglishCaption, &frame);
    m_optCallEnglish->setObjectName(QStringLiteral("optSpEnglish"));
    m_optCallFarsi = new QRadioButton(kFarsiCaption, &frame);
    m_optCallFarsi->setObjectName(QStringLiteral("optSPFarsi"));
    connect(m_optCallFarsi, &QRadioButton::toggled, this, [this](bool farsi) {
        m_callFarsi->setVisible(farsi);
        m_callEnglish->setVisible(!farsi);
    });
    connect(m_procedure, &controls::KelvoSelector::Change, this, [this] { m_commands.run([this] { procedureChosen(); }); });
    m_commands.connect(MakeCommand(*this, "cmdAdd", kAddCaption), [this] { addProcedureValue(); });
    m_commands.connect(MakeCommand(*this, "cmdValues", kValuesCaption), [this] { pickProcedureValue(); });
    m_commands.connect(MakeCommand(*this, "cmdDelCondition", kClearCaption), [this] {
        m_callEnglish->clear();
        m_callFarsi->clear();
    });
    m_commands.connect(MakeCommand(*this, "cmdModify", kDisallowEditCaption), [this] { toggleProcedureEditing(); });
    auto* grid = new QGridLayout(&frame);
    grid->addWidget(MakeLabel(frame, kProcedureHint, "lbl1"), 0, 0, 1, 4);
    grid->addWidget(m_procedure, 1, 0, 1, 4);
    grid->addWidget(m_procedureHelp, 2, 0, 1, 4);
    grid->addWidget(m_procedureValues, 3, 0, 1, 2);
    grid->addWidget(&CommandButton(*this, "cmdAdd"), 3, 2);
    grid->addWidget(&CommandButton(*this, "cmdValues"), 3, 3);
    grid->addWidget(m_optCallFarsi, 4, 0);
    grid->addWidget(m_optCallEnglish, 4, 1);
    grid->addWidget(&CommandButton(*this, "cmdDelCondition"), 4, 2);
    grid->addWidget(&CommandButton(*this, "cmdModify"), 4, 3);
    grid->addWidget(m_callEnglish, 5, 0, 1, 4);
    grid->addWidget(m_callFarsi, 6, 0, 1, 4);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(0, 1);
    // The boxes start read-only: the click runs once from "no modification".
    toggleProcedureEditing();
}

// ---------------------------------------------------------------- clauses

ClauseBoxes FormReportQuery::boxTexts(const Boxes& b) const
{
    return {Text(b.select), Text(b.from), Text(b.where), Text(b.groupBy), Text(b.orderBy)};
}

void FormReportQuery::clearEditor()
{
    QueryStores& stores = m_session.queries;
    stores.clauses.clear();
    ClearSelectItems(stores.selectItems);
    stores.tables.tables.clear();
    stores.expressions.items.clear();
    m_loadedQuery.clear();
    for (const Boxes* b : {&m_english, &m_farsi}) {
        for (QPlainTextEdit* box : {b->select, b->from, b->where, b->groupBy, b->orderBy})
            box->clear();
    }
    m_selectDisplay->clear();
    m_callEnglish->clear();
    m_callFarsi->clear();
    m_session.TempQueryText.clear();
    showDistinctCaptions();
}

void FormReportQuery::fillBoxes(bool select, bool from, bool where, bool groupBy, bool orderBy)
{
    const QueryClauses& c = m_session.queries.clauses;
    if (select) {
        SetText(m_english.select, c.ESelect);
        SetText(m_farsi.select, c.FSelect);
        SetText(m_selectDisplay, MakeSelectDisplayText(m_session.queries.selectItems, c.ESelect));
    }
    if (from) {
        SetText(m_english.from, c.EFrom);
        SetText(m_farsi.from, c.FFrom);
    }
    if (where) {
        SetText(m_english.where, c.EWhere);
        SetText(m_farsi.where, c.FWhere);
    }
    if (groupBy) {
        SetText(m_english.groupBy, c.EGroupBy);
        SetText(m_farsi.groupBy, c.FGroupBy);
    }
    if (orderBy) {
        SetText(m_english.orderBy, c.EOrderBy);
        SetText(m_farsi.orderBy, c.FOrderBy);
    }
    showDistinctCaptions();
}

void FormReportQuery::loadDefinition()
{
    const StoredQuery stored = LoadStoredQuery(m_session.DtEn, m_reportID);
    if (!stored.found)
        return;
    QueryStores& stores = m_session.queries;
    stores.clauses.SQLSP = stored.sqlsp;
    stores.clauses.FarsiSQLSP = stored.farsiSqlsp;
    stores.clauses.EQuery = stored.english;
    m_loadedQuery = stored.english;
    stores.clauses.FQuery = stored.farsi;
    SplitEnglishQuery(stores, m_session.DtEn);
    SplitFarsiQuery(stores.clauses);
    RebuildQueryModel(stores, m_session.DtEn);
    fillBoxes(true, true, true, true, true);
    m_optFarsi->setChecked(true);
    showLanguage();
    // The call is shown without the procedure's name, which the selector holds.
    SetText(m_callEnglish, stored.sqlsp);
    SetText(m_callFarsi, stored.farsiSqlsp);
    if (!stored.sqlsp.isEmpty()) {
        const QString name = stored.sqlsp.section(u' ', 0, 0, QString::SectionSkipEmpty);
        for (const controls::SelectorRow& row : m_procedure->rows()) {
            if (row.code.compare(name, Qt::CaseInsensitive) == 0) {
                m_procedure->setID(row.id);
                SetText(m_callEnglish, text::TrimBlanks(stored.sqlsp.mid(stored.sqlsp.indexOf(name) + name.size())));
                const QString farsiName = stored.farsiSqlsp.section(u' ', 0, 0, QString::SectionSkipEmpty);
                SetText(m_callFarsi,
                        text::TrimBlanks(stored.farsiSqlsp.mid(stored.farsiSqlsp.indexOf(farsiName) + farsiName.size())));
                break;
            }
        }
        m_optProcedure->setChecked(true);
    }
}

void FormReportQuery::readBoxesIntoClauses()
{
    QueryClauses& c = m_session.queries.clauses;
    c.EQuery = AssembleEditorQuery(boxTexts(m_english));
    // The Farsi text as the boxes show it, so that the Farsi clauses a dialog
    // does not write stay as they are.
    c.FQuery = StoredFarsiQuery(boxTexts(m_farsi));
}

void FormReportQuery::prepareCycle()
{
    readBoxesIntoClauses();
    QueryStores& stores = m_session.queries;
    SplitEnglishQuery(stores, m_session.DtEn);
    SplitFarsiQuery(stores.clauses);
    RebuildQueryModel(stores, m_session.DtEn);
}

void FormReportQuery::runClause(Clause clause)
{
    QueryStores& stores = m_session.queries;
    const bool wasDistinct = IsDistinctSelect(Text(m_english.select));
    prepareCycle();
    switch (clause) {
    case Clause::Select:
    case Clause::From: {
        FormBuildQuery builder(m_session, m_prompter, m_windows);
        m_windows.show(builder, true);
        if (clause == Clause::Select && !builder.OK())
            return;
        RegenerateClauses(stores);
        if (clause == Clause::Select)
            RestoreDistinct(stores.clauses, wasDistinct);
        fillBoxes(true, true, true, true, true);
        return;
    }
    case Clause::Where: {
        FormAddCons conditions(m_session, m_prompter, m_windows, stores, m_reportID);
        m_windows.show(conditions, true);
        fillBoxes(false, false, true, false, false);
        return;
    }
    case Clause::GroupBy: {
        FormGrouping grouping(m_session, m_prompter);
        m_windows.show(grouping, true);
        RegenerateClauses(stores);
        RestoreDistinct(stores.clauses, wasDistinct);
        // The aggregates chosen change the select list too.
        fillBoxes(true, false, false, true, false);
        return;
    }
    case Clause::OrderBy: {
        FormSorting sorting(m_session, m_prompter);
        m_windows.show(sorting, true);
        RegenerateClauses(stores);
        fillBoxes(false, false, false, false, true);
        return;
    }
    }
}

void FormReportQuery::toggleDistinct()
{
    QueryClauses& c = m_session.queries.clauses;
    c.ESelect = Text(m_english.select);
    c.FSelect = Text(m_farsi.select);
    ToggleDistinct(c);
    fillBoxes(true, false, false, false, false);
}

void FormReportQuery::showDistinctCaptions()
{
    const DistinctButtonCaptions captions = DistinctCaptions(IsDistinctSelect(Text(m_english.select)));
    findChild<QAction*>(QStringLiteral("cmdEDistinct"))->setText(captions.english);
    findChild<QAction*>(QStringLiteral("cmdDistinct"))->setText(captions.farsi);
}

void FormReportQuery::showLanguage()
{
    const bool farsi = m_optFarsi->isChecked();
    // Hidden boxes leave the tab order with their area.
    m_farsiArea->setVisible(farsi);
    m_englishArea->setVisible(!farsi);
}

// ---------------------------------------------------------------- check and save

void FormReportQuery::checkQuery()
{
    const QString query = StoredEnglishQuery(boxTexts(m_english));
    m_session.queries.clauses.EQuery = query;
    if (query.contains(u'@')) {
        m_prompter.ShowMessage(kErrorTitle, kQueryHasParameterMessage);
        return;
    }
    try {
        CheckQuery(m_session.DtEn, query);
    } catch (const db::DbError& e) {
        // The check's own answer: the database's description under the syntax message.
        m_prompter.DisplayError(false, kQuerySyntaxMessage, e.description(), kNotAllowedTitle, e.nativeCode());
        return;
    }
    m_prompter.ShowMessage(kQueryCorrectTitle, kQueryCorrectMessage);
}

QString FormReportQuery::storedFarsiQuery() const
{
    // A Farsi clause other than SELECT is kept when its English box is not empty.
    const ClauseBoxes english = boxTexts(m_english);
    ClauseBoxes farsi = boxTexts(m_farsi);
    const auto keep = [](QString& f, const QString& e) {
        if (text::TrimBlanks(e).isEmpty())
            f.clear();
    };
    keep(farsi.from, english.from);
    keep(farsi.where, english.where);
    keep(farsi.groupBy, english.groupBy);
    keep(farsi.orderBy, english.orderBy);
    return StoredFarsiQuery(farsi);
}

void FormReportQuery::save()
{
    QueryStores& stores = m_session.queries;
    // The model as the boxes now stand, for the unconstrained-table question.
    if (!m_copyingReport)
        prepareCycle();
    if (!AllTablesConstrained(stores.tables, Text(m_english.where)) &&
        m_prompter.Confirm(kSlowReportTitle, kSlowReportQuestion)) {
        runClause(Clause::Where);
        return;
    }
    stores.clauses.EQuery = StoredEnglishQuery(boxTexts(m_english));
    stores.clauses.FQuery = storedFarsiQuery();
    if (m_loadedQuery.isEmpty())
        m_loadedQuery = stores.clauses.EQuery;
    QString query = stores.clauses.EQuery;
    if (query.contains(u'@') && !m_loadedQuery.contains(u'@') && m_copyingReport &&
        m_prompter.Confirm(kValuedParametersTitle, kValuedParametersQuestion))
        query = m_loadedQuery;
    QueryToSave toSave;
    toSave.english = query;
    toSave.farsi = stores.clauses.FQuery;
    const QString procedure = m_procedure->IsEmpty() ? QString() : m_procedure->Code();
    toSave.sqlsp = text::TrimBlanks(QString(procedure + u' ' + text::TrimBlanks(Text(m_callEnglish))));
    toSave.farsiSqlsp = text::TrimBlanks(QString(procedure + u' ' + text::TrimBlanks(Text(m_callFarsi))));
    SaveStoredQuery(m_session.DtEn, m_reportID, toSave);
    stores.clauses.SQLSP = toSave.sqlsp;
    stores.clauses.FarsiSQLSP = toSave.farsiSqlsp;
    m_saved = true;
    accept();
}

// ---------------------------------------------------------------- procedure mode

void FormReportQuery::setProcedureMode(bool procedure)
{
    m_procedureFrame->setVisible(procedure);
    m_clauseArea->setVisible(!procedure);
}

void FormReportQuery::procedureChosen()
{
    if (m_procedure->IsEmpty())
        return;
    const QString name = m_procedure->Code();
    if (!repository::ProcedureExists(m_session.DtEn, name))
        return;
    m_procedureHelp->setText(ProcedureCallHelp(name, repository::ProcedureParameters(m_session.DtEn, name)));
}

void FormReportQuery::fillProcedureValues()
{
    m_procedureValues->clear();
    for (const ReportParameterName& p : ReportParameters(m_session.DtEn, m_reportID))
        m_procedureValues->addItem(u'@' + p.name, p.parameterID);
    for (const QString& value : {kUserIdValue, kEmployeeIdValue, kPositionIdValue, kRunDateValue, kRunTimeValue})
        m_procedureValues->addItem(value, kNotAParameter);
    m_procedureValues->setCurrentIndex(-1);
}

void FormReportQuery::addProcedureValue()
{
    const int index = m_procedureValues->currentIndex();
    if (index < 0)
        return;
    const QString text = m_procedureValues->currentText();
    const bool parameter = text.startsWith(u'@') && m_procedureValues->itemData(index).toInt() != kNotAParameter;
    const auto append = [](QPlainTextEdit* box, const QString& value) {
        box->setPlainText(box->toPlainText().isEmpty() ? value : box->toPlainText() + u',' + value);
    };
    append(m_callEnglish, parameter ? QStringLiteral("(@") + QString::number(m_procedureValues->itemData(index).toInt()) + u')'
                                    : text);
    append(m_callFarsi, text);
    m_procedureValues->setCurrentIndex(-1);
}

void FormReportQuery::pickProcedureValue()
{
    const std::optional<QString> value =
        getValues(m_session, m_prompter, m_windows, QString(), QString(), false, QStringLiteral("int"));
    if (!value || value->isEmpty())
        return;
    m_procedureValues->addItem(*value, kNotAParameter);
    m_procedureValues->setCurrentIndex(m_procedureValues->count() - 1);
}

void FormReportQuery::toggleProcedureEditing()
{
    QAction* modify = findChild<QAction*>(QStringLiteral("cmdModify"));
    const bool allow = modify->text() == kAllowEditCaption;
    if (allow && !m_prompter.Confirm(kWarningTitle, kEditBothQuestion))
        return;
    modify->setText(allow ? kDisallowEditCaption : kAllowEditCaption);
    m_callEnglish->setReadOnly(!allow);
    m_callFarsi->setReadOnly(!allow);
}

// ---------------------------------------------------------------- keys

bool FormReportQuery::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1) {
        m_commands.run([this] { management::ShowReportHelp(m_session.DtEn, m_prompter); });
        return true;
    }
    const bool control = key->modifiers() & Qt::ControlModifier;
    if (control && watched == m_english.select && key->key() == Qt::Key_L) {
        m_english.select->setReadOnly(false);
        return true;
    }
    if (control && key->key() == Qt::Key_J) {
        if (watched == m_english.select) {
            SetText(m_selectDisplay, MakeSelectDisplayText(m_session.queries.selectItems, Text(m_english.select)));
            m_english.select->hide();
            m_selectDisplay->show();
            m_selectDisplay->setFocus();
            return true;
        }
        if (watched == m_selectDisplay) {
            m_selectDisplay->hide();
            m_english.select->show();
            m_english.select->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kelvo::design
