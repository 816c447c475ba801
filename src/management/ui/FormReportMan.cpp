#include "management/ui/FormReportMan.h"
#include "management/ui/ReportHelp.h"
#include "front/ui/WaitCursor.h"

#include "ui_FormReportMan.h"

#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/ModeTable.h"
#include "front/ui/Windows.h"
#include "management/ManagerRecords.h"
#include "management/Messages.h"
#include "management/ReportDefinitions.h"
#include "platform/os/KeyboardSwitcher.h"
#include "query/QueryModel.h"
#include "text/TextPrimitives.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QStyle>
#include <QToolButton>
#include <QUrl>

namespace kelvo::management {

namespace {

const char* const kTagProperty = "Tag";

// The enabling table: per control, enabled (or editable) during an entry
// (insert, edit, insert-from), when idle, and in view mode.
enum ModeColumn : std::size_t { EntryColumn, IdleColumn, ViewColumn };
constexpr std::size_t kModeColumns = 3;
using Row = front::EnableRow<kModeColumns>;
constexpr bool E = true;  // enabled, or unlocked
constexpr bool D = false; // disabled, or locked
const std::initializer_list<Row> kEnableTable = {
    {"cmdNew", {D, E, E}},
    {"cmdNewFrom", {D, D, E}},
    {"cmdEdit", {D, D, E}},
    {"cmdDelete", {D, D, E}},
    {"cmdTemplate", {D, D, E}},
    {"cmdDesignReport", {D, D, E}},
    {"cmdRunReport", {D, D, E}},
    {"cmdCancel", {E, D, D}},
    {"cmdExit", {D, E, E}},
    {"mnuExit", {D, E, E}},
    // The menu follows the button: a search chosen during an entry would
    // drop the entry without asking.
    {"cmdSearch", {D, E, E}},
    {"mnuSearch", {D, E, E}},
    {"txtID", {D, D, D}},
    {"txtTitle", {E, D, D}},
    {"txtAlias", {E, D, D}},
    {"txtDesc", {E, D, D}},
    {"chkIsGeneral", {E, D, D}},
    {"chkMakeSecure", {E, D, D}},
    {"chkMakeTree", {E, D, D}},
    {"chkShowFlatternParameters", {E, D, D}},
    {"chkMediaVisible", {E, D, D}},
    {"gmpGroup", {E, D, D}},
    {"gmpSystem", {E, D, D}},
    {"mptFormType", {E, D, D}},
};

ModeColumn ColumnOf(ManagerMode mode)
{
    if (IsEntryMode(mode))
        return EntryColumn;
    return mode == ManagerMode::View ? ViewColumn : IdleColumn;
}

// The commands on the toolbar, in order, with their icons; "mnuOperations"
// opens the operations menu.
struct ToolbarButton {
    const char* command;
    QStyle::StandardPixmap icon;
};
const ToolbarButton kToolbarButtons[] = {
    {"cmdNew", QStyle::SP_FileIcon},
    {"cmdNewFrom", QStyle::SP_FileLinkIcon},
    {"cmdEdit", QStyle::SP_FileDialogDetailedView},
    {"cmdDelete", QStyle::SP_TrashIcon},
    {"cmdFinalSave", QStyle::SP_DialogSaveButton},
    {"cmdCancel", QStyle::SP_DialogCancelButton},
    {"cmdSearch", QStyle::SP_FileDialogContentsView},
    {"cmdDesignReport", QStyle::SP_DesktopIcon},
    {"mnuOperations", QStyle::SP_FileDialogListView},
    {"cmdExit", QStyle::SP_DialogCloseButton},
};

std::optional<qint32> ChosenID(const controls::KelvoSelector& selector)
{
    return selector.IsEmpty() ? std::nullopt : std::optional<qint32>(selector.ID());
}

} // namespace

FormReportMan::FormReportMan(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                             QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::FormReportMan>()), m_session(session), m_prompter(prompter),
      m_windows(windows), m_commands(prompter)
{
    ui->setupUi(this);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    setContextMenuPolicy(Qt::NoContextMenu);
    setUpCommands();
    setUpToolbar();
    ui->txtTitle->installEventFilter(this);
    ui->txtAlias->installEventFilter(this);
    connect(ui->txtTitle, &QLineEdit::textChanged, this, &FormReportMan::updateSaveCommand);
    connect(ui->gmpSystem, &controls::KelvoSelector::Change, this, &FormReportMan::updateMaintenanceMenu);
    ui->chkMakeTree->setVisible(!session.DtEn.isOracle());

    setUpSelectors();
    Clear();
    query::InitQueryModel(session.queries.tables, session.DtEn);
    showStatus();
}

FormReportMan::~FormReportMan() = default;

// ---------------------------------------------------------------- set-up

void FormReportMan::setUpCommands()
{
    const auto on = [this](QToolButton* button, void (FormReportMan::*handler)(),
                           const QString& failed = front::kFailedMessage) {
        m_commands.connect(front::ShowCommand(*button), [this, handler] { (this->*handler)(); }, failed);
    };
    on(ui->cmdNew, &FormReportMan::cmdNew_Click);
    on(ui->cmdNewFrom, &FormReportMan::cmdNewFrom_Click);
    on(ui->cmdEdit, &FormReportMan::cmdEdit_Click);
    on(ui->cmdDelete, &FormReportMan::cmdDelete_Click);
    on(ui->cmdFinalSave, &FormReportMan::cmdFinalSave_Click);
    on(ui->cmdCancel, &FormReportMan::cmdCancel_Click);
    on(ui->cmdExit, &FormReportMan::cmdExit_Click);
    on(ui->cmdSearch, &FormReportMan::cmdSearch_Click);
    on(ui->cmdDesignReport, &FormReportMan::cmdDesignReport_Click);
    on(ui->cmdRunReport, &FormReportMan::cmdRunReport_Click);
    on(ui->cmdUpdateTable, &FormReportMan::cmdUpdateTable_Click);
    on(ui->cmdTemplate, &FormReportMan::cmdTemplate_Click, kTemplateFailedMessage);
    on(ui->cmdFormRunner, &FormReportMan::cmdFormRunner_Click, kFormRunnerFailedMessage);

    m_commands.connect(*ui->mnuSearch, [this] { cmdSearch_Click(); });
    m_commands.connect(*ui->mnuInitReport, [this] { cmdUpdateTable_Click(); });
    m_commands.connect(*ui->mnuPmxReport, [this] { mnuPmxReport_Click(); });
    m_commands.connect(*ui->mnuExit, [this] { cmdExit_Click(); });

    m_mnuOperation = new QMenu(this);
    m_mnuOperation->setObjectName(QStringLiteral("mnuOperation"));
    m_mnuOperation->setTitle(kOperationsMenuTitle);
    m_mnuOperation->addAction(ui->mnuSearch);
    m_mnuOperation->addAction(ui->mnuInitReport);
    m_mnuOperation->addAction(ui->mnuPmxReport);
    m_mnuOperation->addSeparator();
    m_mnuOperation->addAction(ui->mnuExit);
}

void FormReportMan::setUpToolbar()
{
    for (const ToolbarButton& b : kToolbarButtons) {
        const QString name = QLatin1String(b.command);
        const QIcon icon = style()->standardIcon(b.icon);
        if (name == QLatin1String("mnuOperations")) {
            QAction* operations = ui->Toolbar1->addAction(icon, kOperationsMenuTitle);
            operations->setObjectName(QStringLiteral("Toolbar1_mnuOperations"));
            operations->setMenu(m_mnuOperation);
            if (auto* button = qobject_cast<QToolButton*>(ui->Toolbar1->widgetForAction(operations)))
                button->setPopupMode(QToolButton::InstantPopup);
        } else if (name == QLatin1String("cmdExit")) {
            // The toolbar's exit also ends an entry: it cancels an insert or
            // an edit, and is enabled whenever either command is.
            QAction& exit = command("cmdExit");
            m_toolbarExit = ui->Toolbar1->addAction(icon, exit.text());
            m_toolbarExit->setObjectName(QStringLiteral("Toolbar1_cmdExit"));
            m_toolbarExit->setToolTip(exit.toolTip());
            m_commands.connect(*m_toolbarExit, [this] {
                if (m_mode == ManagerMode::Insert || m_mode == ManagerMode::Edit)
                    cmdCancel_Click();
                else
                    cmdExit_Click();
            });
        } else {
            QAction& action = command(b.command);
            action.setIcon(icon);
            ui->Toolbar1->addAction(&action);
        }
    }
}

void FormReportMan::setUpSelectors()
{
    for (controls::KelvoSelector* selector : {ui->gmpSystem, ui->mptFormType, ui->gmpGroup}) {
        selector->setRightToLeft(true);
        selector->setConnection(m_session.DtEn);
    }
    ui->gmpSystem->setMajorView(QStringLiteral("vwKelvoSystemMajor"));
    ui->gmpSystem->setMinorView(QStringLiteral("vwKelvoSystemMinor"));
    if (const std::optional<QString> basePath = ReadBasePath(m_session.DtEn))
        m_session.context.BasePath = *basePath;
    ui->gmpGroup->setTitle(kReportGroupsTitle);
    ui->gmpGroup->setMajorView(QStringLiteral("tblKelvoReportGroupMajor"));
    ui->gmpGroup->setMinorView(QStringLiteral("tblKelvoReportGroupMinor"));
    ui->gmpGroup->Refresh();
    ui->mptFormType->setTitle(kFormTypesTitle);
    ui->mptFormType->setMajorView(QStringLiteral("vwKelvoFormTypeMajor"));
    ui->mptFormType->setMinorView(QStringLiteral("vwKelvoFormTypeMinor"));
    ui->mptFormType->Refresh();
    ui->gmpSystem->Refresh();
}

QAction& FormReportMan::command(const char* name) const
{
    QAction* action = findChild<QAction*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(action, "FormReportMan::command", name);
    return *action;
}

void FormReportMan::showStatus()
{
    const front::HostContext& c = m_session.context;
    ui->StatusBar1->showMessage(kStatusText.arg(c.CurrentUserName, c.CurrentEmployeeName, c.CurrentPositionName));
}

// ---------------------------------------------------------------- modes and rules

void FormReportMan::setMode(ManagerMode mode)
{
    m_mode = mode;
    DisableLockComponent();
}

void FormReportMan::DisableLockComponent()
{
    front::ApplyEnableTable(*this, kEnableTable, ColumnOf(m_mode));
    m_toolbarExit->setEnabled(command("cmdExit").isEnabled() || command("cmdCancel").isEnabled());
    updateSaveCommand();
}

// Saving needs an entry with a title that is not only blanks.
void FormReportMan::updateSaveCommand()
{
    command("cmdFinalSave").setEnabled(IsEntryMode(m_mode) && !text::TrimBlanks(ui->txtTitle->text()).isEmpty());
}

void FormReportMan::updateMaintenanceMenu()
{
    ui->mnuPmxReport->setVisible(!ui->gmpSystem->IsEmpty() && ui->gmpSystem->ID() == kMaintenanceSystem);
}

// ---------------------------------------------------------------- the definition and the controls

void FormReportMan::toControls(const ReportHeader& h)
{
    ui->txtID->setText(QString::number(h.id));
    ui->txtDesc->setPlainText(h.notes);
    ui->txtTitle->setText(h.title);
    ui->txtAlias->setText(h.alias);
    ui->chkIsGeneral->setChecked(h.isGeneral);
    ui->chkMakeSecure->setChecked(h.makeSecure);
    ui->chkMediaVisible->setChecked(h.mediaVisible);
    ui->chkMakeTree->setChecked(h.makeTree);
    ui->chkShowFlatternParameters->setChecked(h.showFlatternParameters);
    ui->txtCreatorName->setProperty(kTagProperty, h.creatorID ? QVariant(*h.creatorID) : QVariant());
    ui->txtCreatorName->setText(h.creatorName);
    ui->gdcDate->setValue(h.createDate);
    ui->gmpSystem->setID(h.systemID.value_or(-1));
    // A report without a form type must not show the previous report's.
    ui->mptFormType->setID(h.formTypeID.value_or(-1));
}

ReportHeader FormReportMan::fromControls() const
{
    ReportHeader h;
    h.id = m_reportID;
    h.title = ui->txtTitle->text();
    h.alias = ui->txtAlias->text();
    h.notes = ui->txtDesc->toPlainText();
    h.isGeneral = ui->chkIsGeneral->isChecked();
    h.makeSecure = ui->chkMakeSecure->isChecked();
    h.makeTree = ui->chkMakeTree->isChecked();
    h.showFlatternParameters = ui->chkShowFlatternParameters->isChecked();
    h.mediaVisible = ui->chkMediaVisible->isChecked();
    h.systemID = ChosenID(*ui->gmpSystem);
    h.formTypeID = ChosenID(*ui->mptFormType);
    const QVariant creator = ui->txtCreatorName->property(kTagProperty);
    h.creatorID = creator.isNull() ? std::optional<qint32>() : creator.toInt();
    h.createDate = ui->gdcDate->Value();
    h.farsiCreateDate = ui->gdcDate->Text();
    return h;
}

// The boxes, check boxes, creator and date.
void FormReportMan::clearEntryBoxes()
{
    toControls(ReportHeader{});
    ui->txtID->clear();
    ui->txtCreatorName->setProperty(kTagProperty, QVariant());
    ui->gdcDate->Clear();
}

void FormReportMan::Clear()
{
    clearEntryBoxes();
    m_treeFlag = false;
    m_session.queries.clauses.clear();
    m_reportID = -1;
    setWindowTitle(kManagerCaption);
    setMode(ManagerMode::Idle);
}

void FormReportMan::ClearFrom()
{
    const std::optional<qint32> system = ChosenID(*ui->gmpSystem);
    const std::optional<qint32> formType = ChosenID(*ui->mptFormType);
    clearEntryBoxes();
    // The selectors keep what they hold.
    ui->gmpSystem->setID(system.value_or(-1));
    ui->mptFormType->setID(formType.value_or(-1));
    m_sourceReportID = m_reportID;
    m_reportID = -1;
}

void FormReportMan::FillReportData(qint32 id)
{
    const std::optional<ReportHeader> header = LoadReportHeader(m_session.DtEn, id);
    if (!header)
        return;
    toControls(*header);
    m_session.queries.clauses.SQLSP = header->storedProcedure;
    m_session.queries.clauses.FarsiSQLSP = header->farsiStoredProcedure;
    m_treeFlag = header->treeFlag;
    setWindowTitle(kManagerCaption + header->title);
}

bool FormReportMan::ViewReportInfo(qint32 id)
{
    m_reportID = id;
    m_session.context.CurrentReportID = QString::number(id);
    FillReportData(id);
    setMode(ManagerMode::View);
    return true;
}

void FormReportMan::showCurrentUserAsCreator()
{
    const qint32 user = m_session.context.CurrentUserID;
    ui->txtCreatorName->setProperty(kTagProperty, user);
    ui->txtCreatorName->setText(UserFullName(m_session.DtEn, user));
    ui->gdcDate->setValue(QDate::currentDate());
}

void FormReportMan::ShowFormToEdit()
{
    setMode(ManagerMode::Edit);
    showCurrentUserAsCreator();
}

void FormReportMan::ShowFormToInsert()
{
    Clear();
    setMode(ManagerMode::Insert);
    showCurrentUserAsCreator();
    const qint16 system = m_session.context.CurrentSystemID;
    if (system != -1)
        ui->gmpSystem->setID(system);
    // A new design starts from scratch.
    query::QueryStores& q = m_session.queries;
    q.selectItems.items.clear();
    q.expressions.items.clear();
    q.tables.tables.clear();
}

void FormReportMan::ShowFormToInsertFrom()
{
    m_sourceReportID = m_reportID;
    m_reportID = -1;
    ui->txtID->clear();
    ui->txtTitle->clear();
    ui->txtAlias->clear();
    setMode(ManagerMode::InsertFrom);
    showCurrentUserAsCreator();
}

void FormReportMan::ShowResult()
{
    m_windows.show(*this, m_session.context.ModalWindows);
}

// ---------------------------------------------------------------- commands

bool FormReportMan::permitted(int permissionNumber)
{
    if (HasPermission(m_session, permissionNumber))
        return true;
    m_prompter.ShowMessage(front::kErrorTitle, kNotPermittedMessage);
    return false;
}

void FormReportMan::cmdNew_Click()
{
    if (!permitted(PermissionNew))
        return;
    ShowFormToInsert();
    ui->txtTitle->setFocus();
}

void FormReportMan::cmdEdit_Click()
{
    if (!permitted(PermissionEdit))
        return;
    ShowFormToEdit();
    ui->txtTitle->setFocus();
}

void FormReportMan::cmdNewFrom_Click()
{
    // A copy is a new report: the same permission as "new".
    if (!permitted(PermissionNew))
        return;
    ShowFormToInsertFrom();
    ui->txtTitle->setFocus();
}

void FormReportMan::cmdFinalSave_Click()
{
    if (!IsEntryMode(m_mode))
        return;
    front::WaitCursor wait;
    const SaveResult result =
        SaveReport(m_session, m_prompter, m_mode, m_reportID, m_sourceReportID, fromControls());
    ui->txtTitle->setText(result.title);
    if (result.outcome == SaveOutcome::DuplicateTitle)
        return;
    m_reportID = result.reportID;
    m_session.context.CurrentReportID = QString::number(m_reportID);
    ui->txtID->setText(QString::number(m_reportID));
    setWindowTitle(kManagerCaption + result.title);
    setMode(ManagerMode::View);
}

void FormReportMan::cmdDelete_Click()
{
    switch (DeleteReport(m_session, m_prompter, m_reportID, ui->chkIsGeneral->isChecked())) {
    case DeleteOutcome::Deleted:
        Clear();
        break;
    case DeleteOutcome::Failed:
        ui->txtTitle->setFocus();
        break;
    case DeleteOutcome::NotPermitted:
    case DeleteOutcome::Declined:
        break;
    }
}

void FormReportMan::cmdCancel_Click()
{
    if (!m_prompter.Confirm(kCancelEntryTitle, kSureQuestion))
        return;
    front::WaitCursor wait;
    // A copy that is abandoned returns to the report it was made from.
    const qint32 shown = m_mode == ManagerMode::InsertFrom && m_reportID == -1 ? m_sourceReportID : m_reportID;
    if (shown == -1) {
        Clear();
        ui->cmdExit->setFocus();
    } else {
        ViewReportInfo(shown);
    }
}

void FormReportMan::cmdExit_Click()
{
    if (command("cmdCancel").isEnabled() && !m_prompter.Confirm(kExitTitle, kSureQuestion))
        return;
    m_exitConfirmed = true;
    close();
}

void FormReportMan::cmdSearch_Click()
{
    if (!permitted(PermissionSearch))
        return;
    if (const std::optional<qint32> chosen = m_windows.ChooseReport(m_session))
        ViewReportInfo(*chosen);
}

void FormReportMan::cmdDesignReport_Click()
{
    m_windows.DesignReport(m_session, m_reportID, this);
}

void FormReportMan::cmdRunReport_Click()
{
    m_windows.DesignReport(m_session, m_reportID, this, true);
}

void FormReportMan::cmdUpdateTable_Click()
{
    front::WaitCursor wait;
    UpdateDictionaryTables(m_session.DtEn);
}

void FormReportMan::cmdTemplate_Click()
{
    const QString idText = text::TrimBlanks(ui->txtID->text());
    if (!text::IsNumber(idText) || text::LeadingNumber(idText) < 1)
        return;
    m_windows.ShowReportTemplate(m_session, qint32(text::LeadingNumber(idText)));
}

void FormReportMan::cmdFormRunner_Click()
{
    const std::optional<qint32> formType = ReportFormType(m_session.DtEn);
    if (!formType)
        return;
    const bool onReport = m_mode == ManagerMode::Edit || m_mode == ManagerMode::View;
    m_windows.RunFormGenerator(m_session, *formType, onReport ? std::optional<qint32>(m_reportID) : std::nullopt);
}

void FormReportMan::mnuPmxReport_Click()
{
    front::WaitCursor wait;
    RefillMaintenanceTables(m_session.DtEn);
}

void FormReportMan::ShowHelp()
{
    m_commands.run([this] { ShowReportHelp(m_session.DtEn, m_prompter); });
}

// ---------------------------------------------------------------- events

void FormReportMan::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        m_exitConfirmed = false;
        ui->cmdNew->setFocus();
    }
}

void FormReportMan::closeEvent(QCloseEvent* event)
{
    // A close by the title bar during an entry asks as the exit command does.
    if (!m_exitConfirmed && command("cmdCancel").isEnabled() && !m_prompter.Confirm(kExitTitle, kSureQuestion)) {
        event->ignore();
        return;
    }
    m_exitConfirmed = false;
    m_activated = false;
    m_session.TempQueryText.clear();
    event->accept();
}

void FormReportMan::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowHelp();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool FormReportMan::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == ui->txtTitle)
            os::LoadKeyboardLayout(m_session.context.FarsiKeyboardLayout);
        else if (watched == ui->txtAlias)
            os::LoadKeyboardLayout(QLatin1String(os::kLayoutEnglish));
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kelvo::management
