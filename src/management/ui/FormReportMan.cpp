#include "management/ui/FormReportMan.h"

#include "ui_FormReportMan.h"

#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/PublicClasses.h"
#include "front/ui/AppStyle.h"
#include "front/ui/WindowRunner.h"
#include "management/ReportDefinitions.h"
#include "management/ui/FormSearch.h"
#include "management/ui/ReportBuilderLauncher.h"
#include "platform/automation/AutomationError.h"
#include "platform/db/DbError.h"
#include "platform/os/KeyboardSwitcher.h"
#include "text/TextPrimitives.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace kelvo::management {

using front::ManagerModeEdit;
using front::ManagerModeIdle;
using front::ManagerModeInsert;
using front::ManagerModeInsertFrom;
using front::ManagerModeView;

namespace {

const QString kErrorTitle = QStringLiteral("خطا");
const QString kCaptionPrefix = QStringLiteral("گزارش ");
const QString kSureQuestion = QStringLiteral("آيا مطمئن هستيد؟");
const QString kFailedMessage = QStringLiteral("انجام عمليات با خطا روبرو شد.");
const QString kTemplateFailedMessage = QStringLiteral("اجراي قالب گزارش ممكن نيست.");
const QString kHelpMissingMessage = QStringLiteral("مسير فايل راهنما مشخص نيست.");
const char* const kTagProperty = "Tag";

constexpr int kRefreshInterval = 250;
constexpr int kButtonsInterval = 100;
constexpr int kPmxSystem = 16;

// The toolbar: each button's key names the command it runs.
struct ToolbarButton {
    const char* key;
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

// The maintenance module's snapshot tables, the views they are refilled
// from, and their common column list.
struct PmxTable {
    const char* table;
    const char* view;
    const char* columns;
};
const PmxTable kPmxTables[] = {
    {"tblPmxVWREPORT", "vwpmxreport",
     "WorkOrderID, WorkOrderNo, EquipmentID, EquipmentName, Location, RequestDate, FinishDate, Description, IsDone"},
    {"tblPmxVWConsumeEmployeeR", "vwPmxrptConsumeEmployeeR",
     "WorkOrderID, EmployeeID, FirstName, SureName, Hours, HourlyRate, Cost"},
    {"tblPmxVWConsumePartR", "vwPmxrptConsumePartR", "WorkOrderID, PartID, PartName, Quantity, UnitPrice, Cost"},
    {"tblPmxVWConsumeToolR", "vwPmxrptConsumeToolR", "WorkOrderID, ToolID, ToolName, Hours"},
};

// The hourglass pointer for the life of the object.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

bool IsEntryMode(int mode)
{
    return mode == ManagerModeInsert || mode == ManagerModeEdit || mode == ManagerModeInsertFrom;
}

bool Flag(const db::Recordset& rs, const QString& field)
{
    const QVariant v = rs.value(field);
    return !v.isNull() && v.toInt() != 0;
}

// A stored date: a date value, or text that begins with yyyy-MM-dd (as a
// save writes it) or is yyyy/MM/dd; null when it is neither.
QDate StoredDate(const QVariant& value)
{
    if (value.isNull())
        return {};
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate();
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().date();
    const QString text = value.toString().trimmed();
    for (const char* format : {"yyyy-MM-dd", "yyyy/MM/dd", "M/d/yyyy"}) {
        const QDate date = QDate::fromString(text.left(10), QLatin1String(format));
        if (date.isValid())
            return date;
    }
    return QDate::fromString(text, Qt::ISODate);
}

// The name of a user as the creator box shows it; empty when there is no row.
QString UserName(db::Connection& main, const QString& statementHead, const QString& field, qint32 userID)
{
    db::Recordset rs = main.openRecordset(statementHead + QString::number(userID));
    const QString name = rs.eof() ? QString() : rs.text(field);
    rs.close();
    return name;
}

} // namespace

FormReportMan::FormReportMan(front::Session& session, front::Prompter& prompter, front::WindowRunner& windows,
                             QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::FormReportMan>()), m_session(session), m_prompter(prompter),
      m_windows(windows)
{
    ui->setupUi(this);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    setContextMenuPolicy(Qt::NoContextMenu);
    buildMenus();
    buildToolbar();
    connectCommands();
    ui->txtTitle->installEventFilter(this);
    ui->txtAlias->installEventFilter(this);

    RefreshTimer = new QTimer(this);
    RefreshTimer->setObjectName(QStringLiteral("RefreshTimer"));
    RefreshTimer->setInterval(kRefreshInterval);
    connect(RefreshTimer, &QTimer::timeout, this, &FormReportMan::RefreshTimer_Timer);
    TimerButtons = new QTimer(this);
    TimerButtons->setObjectName(QStringLiteral("TimerButtons"));
    TimerButtons->setInterval(kButtonsInterval);
    connect(TimerButtons, &QTimer::timeout, this, &FormReportMan::TimerButtons_Timer);
    connect(ui->txtTitle, &QLineEdit::textChanged, this, &FormReportMan::RefreshTimer_Timer);

    // Load.
    const QString& connection = session.context.CurrentConnectionString;
    for (controls::KelvoSelector* selector : {ui->gmpSystem, ui->mptFormType, ui->gmpGroup})
        selector->setRightToLeft(true);
    ui->gmpSystem->setConnection(connection);
    ui->gmpSystem->setMajorView(QStringLiteral("vwKelvoSystemMajor"));
    ui->gmpSystem->setMinorView(QStringLiteral("vwKelvoSystemMinor"));

    db::Recordset basePath = session.DtEn.openRecordset(QStringLiteral("Select * from vwKelvoBasePath"));
    if (!basePath.eof())
        session.context.BasePath = basePath.text(QStringLiteral("BasePath"));
    basePath.close();

    ui->gmpGroup->setConnection(connection);
    ui->gmpGroup->setTitle(QStringLiteral("گروههاي گزارش"));
    ui->gmpGroup->setMajorView(QStringLiteral("tblKelvoReportGroupMajor"));
    ui->gmpGroup->setMinorView(QStringLiteral("tblKelvoReportGroupMinor"));
    ui->gmpGroup->Refresh();
    ui->mptFormType->setConnection(connection);
    ui->mptFormType->setTitle(QStringLiteral("فرمها"));
    ui->mptFormType->setMajorView(QStringLiteral("vwKelvoFormTypeMajor"));
    ui->mptFormType->setMinorView(QStringLiteral("vwKelvoFormTypeMinor"));
    ui->mptFormType->Refresh();
    ui->gmpSystem->Refresh();

    Clear();
    query::InitQueryModel(session.queries.tables, session.DtEn);
    m_designSize = size();
    showStatus();
    RefreshTimer_Timer();
    TimerButtons_Timer();
    RefreshTimer->start();
    TimerButtons->start();
}

FormReportMan::~FormReportMan() = default;

int FormReportMan::mode() const { return m_session.context.ManagerMode; }

void FormReportMan::setMode(int mode) { m_session.context.ManagerMode = mode; }

// ---------------------------------------------------------------- set-up

void FormReportMan::buildMenus()
{
    m_mnuOperation = new QMenu(this);
    m_mnuOperation->setObjectName(QStringLiteral("mnuOperation"));
    m_mnuOperation->setTitle(QStringLiteral("عمليات"));
    m_mnuOperation->addAction(ui->mnuSearch);
    m_mnuOperation->addAction(ui->mnuInitReport);
    m_mnuOperation->addAction(ui->mnuPmxReport);
    m_mnuOperation->addSeparator();
    m_mnuOperation->addAction(ui->mnuExit);
}

void FormReportMan::buildToolbar()
{
    for (const ToolbarButton& b : kToolbarButtons) {
        const QString key = QLatin1String(b.key);
        QPushButton* command = commandButton(key);
        const QString text = command ? command->text() : QStringLiteral("عمليات");
        QAction* action = ui->Toolbar1->addAction(style()->standardIcon(b.icon), text);
        action->setObjectName(QStringLiteral("Toolbar1_") + key);
        action->setData(key);
        if (command)
            action->setToolTip(command->toolTip());
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
}

void FormReportMan::connectCommands()
{
    auto on = [this](QPushButton* button, void (FormReportMan::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
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
    on(ui->cmdTemplate, &FormReportMan::cmdTemplate_Click);
    on(ui->cmdFormRunner, &FormReportMan::cmdFormRunner_Click);

    auto onMenu = [this](QAction* action, void (FormReportMan::*handler)()) {
        connect(action, &QAction::triggered, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    onMenu(ui->mnuSearch, &FormReportMan::cmdSearch_Click);
    onMenu(ui->mnuInitReport, &FormReportMan::cmdUpdateTable_Click);
    onMenu(ui->mnuPmxReport, &FormReportMan::mnuPmxReport_Click);
    onMenu(ui->mnuExit, &FormReportMan::cmdExit_Click);
}

QPushButton* FormReportMan::commandButton(const QString& name) const
{
    for (QPushButton* button : ui->fraCommands->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        if (button->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return button;
    return nullptr;
}

QAction* FormReportMan::toolbarButton(const QString& key) const
{
    for (QAction* action : ui->Toolbar1->actions())
        if (action->data().toString().compare(key, Qt::CaseInsensitive) == 0)
            return action;
    return nullptr;
}

void FormReportMan::showStatus()
{
    const front::HostContext& c = m_session.context;
    ui->StatusBar1->showMessage(QStringLiteral("كاربر: %1    كارمند: %2    پست سازماني: %3")
                                    .arg(c.CurrentUserName, c.CurrentEmployeeName, c.CurrentPositionName));
}

// ---------------------------------------------------------------- operations

void FormReportMan::clearReportTexts()
{
    m_session.queries.clauses.clear();
}

void FormReportMan::resetQueryModel()
{
    query::QueryStores& q = m_session.queries;
    q.selectItems.items.clear();
    q.expressions.items.clear();
    q.tables.tables.clear();
}

void FormReportMan::Clear()
{
    ui->txtID->clear();
    ui->txtTitle->clear();
    ui->txtAlias->clear();
    ui->txtDesc->clear();
    ui->txtCreatorName->clear();
    ui->txtCreatorName->setProperty(kTagProperty, QVariant());
    for (QCheckBox* box : {ui->chkIsGeneral, ui->chkMakeSecure, ui->chkMakeTree, ui->chkMediaVisible})
        box->setChecked(false);
    ui->chkShowFlatternParameters->setChecked(true);
    for (controls::KelvoSelector* selector : {ui->gmpSystem, ui->mptFormType, ui->gmpGroup})
        selector->setID(-1);
    ui->gdcDate->Clear();
    m_treeFlag = false;
    clearReportTexts();
    m_reportID = -1;
    setWindowTitle(kCaptionPrefix);
    setMode(ManagerModeIdle);
    DisableLockComponent();
}

void FormReportMan::ClearFrom()
{
    ui->txtID->clear();
    ui->txtTitle->clear();
    ui->txtAlias->clear();
    ui->txtDesc->clear();
    for (QCheckBox* box : {ui->chkIsGeneral, ui->chkMakeSecure, ui->chkMakeTree, ui->chkMediaVisible})
        box->setChecked(false);
    ui->chkShowFlatternParameters->setChecked(true);
    ui->txtCreatorName->clear();
    ui->txtCreatorName->setProperty(kTagProperty, QVariant());
    ui->gdcDate->Clear();
    m_sourceReportID = m_reportID;
    m_reportID = -1;
}

void FormReportMan::FillReportData(qint32 id)
{
    db::Connection& main = m_session.DtEn;
    db::Recordset rs =
        main.openRecordset(QStringLiteral("select * from tblKelvoReport where ID =") + QString::number(id));
    if (rs.eof()) {
        rs.close();
        return;
    }
    ui->txtID->setText(rs.text(QStringLiteral("ID")));
    ui->txtDesc->setPlainText(rs.text(QStringLiteral("Notes")));
    ui->txtTitle->setText(rs.text(QStringLiteral("Title")));
    ui->txtAlias->setText(rs.text(QStringLiteral("Alias")));
    ui->chkIsGeneral->setChecked(Flag(rs, QStringLiteral("IsGeneral")));
    ui->chkMakeSecure->setChecked(Flag(rs, QStringLiteral("MakeSecure")));
    ui->chkMediaVisible->setChecked(Flag(rs, QStringLiteral("MediaVisible")));
    ui->chkMakeTree->setChecked(Flag(rs, QStringLiteral("MakeTree")));
    ui->chkShowFlatternParameters->setChecked(Flag(rs, QStringLiteral("ShowFlatternParameters")));

    const QVariant creator = rs.value(QStringLiteral("CreatorID"));
    ui->txtCreatorName->setProperty(kTagProperty, creator);
    const QVariant createDate = rs.value(QStringLiteral("CreateDate"));
    const QVariant systemID = rs.value(QStringLiteral("SystemID"));
    const QVariant formTypeID = rs.value(QStringLiteral("FormTypeID"));
    const QString title = rs.text(QStringLiteral("Title"));
    m_session.queries.clauses.SQLSP = rs.text(QStringLiteral("SQLSP"));
    m_session.queries.clauses.FarsiSQLSP = rs.text(QStringLiteral("FarsiSQLSP"));
    const QVariant makeTree = rs.value(QStringLiteral("MakeTree"));
    m_treeFlag = !makeTree.isNull() && makeTree.toInt() == 1;
    rs.close();

    // A report without a creator shows no name (there is no row to read).
    QString creatorName;
    if (!creator.isNull())
        creatorName = front::IsOracle(main)
                          ? UserName(main, QStringLiteral("Select NVL(Alias,'') as Alias From tblUser Where ID="),
                                     QStringLiteral("Alias"), creator.toInt())
                          : UserName(main,
                                     QStringLiteral("Select Isnull(FullName,'') as Alias From tblUser Where ID="),
                                     QStringLiteral("Alias"), creator.toInt());
    ui->txtCreatorName->setText(creatorName);
    ui->gdcDate->setValue(StoredDate(createDate));
    ui->gmpSystem->setID(systemID.isNull() ? -1 : systemID.toInt());
    // A report without a form type must not show the previous report's.
    ui->mptFormType->setID(formTypeID.isNull() ? -1 : formTypeID.toInt());
    setWindowTitle(kCaptionPrefix + title);
}

bool FormReportMan::ViewReportInfo(qint32 id)
{
    m_reportID = id;
    m_session.context.CurrentReportID = QString::number(id);
    FillReportData(id);
    setMode(ManagerModeView);
    DisableLockComponent();
    return true;
}

void FormReportMan::showCurrentUserAsCreator()
{
    db::Connection& main = m_session.DtEn;
    const qint32 user = m_session.context.CurrentUserID;
    const QString name =
        front::IsOracle(main)
            ? UserName(main, QStringLiteral("Select NVL(FullName,'') as FullName From tblUser Where ID="),
                       QStringLiteral("FullName"), user)
            : UserName(main, QStringLiteral("Select Isnull(FullName,'') as FullName From tblUser Where ID="),
                       QStringLiteral("FullName"), user);
    ui->txtCreatorName->setProperty(kTagProperty, user);
    ui->txtCreatorName->setText(name);
    ui->gdcDate->setValue(QDate::currentDate());
}

void FormReportMan::ShowFormToEdit()
{
    setMode(ManagerModeEdit);
    DisableLockComponent();
    showCurrentUserAsCreator();
}

void FormReportMan::ShowFormToInsert()
{
    Clear();
    setMode(ManagerModeInsert);
    DisableLockComponent();
    showCurrentUserAsCreator();
    const qint16 system = m_session.context.CurrentSystemID;
    if (system != -1)
        ui->gmpSystem->setID(system);
    // A new design starts from scratch.
    resetQueryModel();
}

void FormReportMan::ShowFormToInsertFrom()
{
    m_sourceReportID = m_reportID;
    m_reportID = -1;
    ui->txtID->clear();
    ui->txtTitle->clear();
    ui->txtAlias->clear();
    setMode(ManagerModeInsertFrom);
    DisableLockComponent();
    showCurrentUserAsCreator();
}

void FormReportMan::DisableLockComponent()
{
    const int m = mode();
    if (!IsEntryMode(m) && m != ManagerModeIdle && m != ManagerModeView)
        return;
    const bool entry = IsEntryMode(m);
    const bool view = m == ManagerModeView;

    ui->cmdNew->setEnabled(!entry);
    for (QPushButton* b : {ui->cmdNewFrom, ui->cmdEdit, ui->cmdDelete, ui->cmdTemplate, ui->cmdDesignReport,
                           ui->cmdRunReport})
        b->setEnabled(view);
    ui->cmdCancel->setEnabled(entry);
    ui->cmdExit->setEnabled(!entry);
    ui->mnuExit->setEnabled(!entry);
    // The menu follows the button: a search chosen during an entry would
    // drop the entry without asking.
    ui->cmdSearch->setEnabled(!entry);
    ui->mnuSearch->setEnabled(!entry);

    ui->txtID->setReadOnly(true);
    ui->txtTitle->setReadOnly(!entry);
    ui->txtAlias->setReadOnly(!entry);
    ui->txtDesc->setReadOnly(!entry);
    for (QCheckBox* box : {ui->chkIsGeneral, ui->chkMakeSecure, ui->chkMakeTree, ui->chkShowFlatternParameters,
                           ui->chkMediaVisible})
        box->setEnabled(entry);
    for (controls::KelvoSelector* selector : {ui->gmpGroup, ui->gmpSystem, ui->mptFormType})
        selector->setActive(entry);
    RefreshTimer_Timer();
}

void FormReportMan::ShowResult()
{
    front::ShowWindow(*this, m_session.context.ModalWindows, m_windows);
}

// ---------------------------------------------------------------- timers and toolbar

void FormReportMan::RefreshTimer_Timer()
{
    ui->cmdFinalSave->setEnabled(IsEntryMode(mode()) && !text::TrimBlanks(ui->txtTitle->text()).isEmpty());
    ui->mnuInitReport->setVisible(true);
    ui->chkMakeTree->setVisible(!front::IsOracle(m_session.DtEn));
    ui->mnuPmxReport->setVisible(!ui->gmpSystem->IsEmpty() && ui->gmpSystem->ID() == kPmxSystem);
}

void FormReportMan::TimerButtons_Timer()
{
    for (QPushButton* button : ui->fraCommands->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        if (!button->objectName().startsWith(QLatin1String("cmd"), Qt::CaseInsensitive))
            continue;
        if (QAction* action = toolbarButton(button->objectName()))
            action->setEnabled(button->isEnabled());
    }
    if (QAction* exit = toolbarButton(QStringLiteral("cmdExit")))
        exit->setEnabled(ui->cmdExit->isEnabled() || ui->cmdCancel->isEnabled());
}

void FormReportMan::Toolbar1_ButtonClick(const QString& key)
{
    if (key.compare(QLatin1String("mnuOperations"), Qt::CaseInsensitive) == 0) {
        QAction* action = toolbarButton(key);
        QWidget* button = action ? ui->Toolbar1->widgetForAction(action) : nullptr;
        const QPoint below = button ? button->mapToGlobal(layoutDirection() == Qt::RightToLeft
                                                              ? button->rect().bottomRight()
                                                              : button->rect().bottomLeft())
                                    : QCursor::pos();
        m_mnuOperation->popup(below);
        return;
    }
    if (key.compare(QLatin1String("cmdCASHK"), Qt::CaseInsensitive) == 0)
        return;
    if (key.compare(QLatin1String("cmdExit"), Qt::CaseInsensitive) == 0) {
        // During an entry the exit button leaves the entry.
        if (mode() == ManagerModeInsert || mode() == ManagerModeEdit)
            guarded([this] { cmdCancel_Click(); });
        else
            guarded([this] { cmdExit_Click(); });
        return;
    }
    if (QPushButton* command = commandButton(key))
        command->click();
}

// ---------------------------------------------------------------- commands

void FormReportMan::guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const db::DbError& e) {
        m_prompter.DisplayError(true, kFailedMessage, e.fullText(), kErrorTitle, automation::ErrProviderFailure);
    } catch (const automation::AutomationError& e) {
        m_prompter.DisplayError(false, kFailedMessage, e.description(), kErrorTitle, e.number());
    }
}

bool FormReportMan::permitted(int permissionNumber)
{
    if (HasPermission(m_session, permissionNumber))
        return true;
    m_prompter.ShowMessage(kErrorTitle, QString::fromUtf8(kNotPermittedMessage));
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
    if (!IsEntryMode(mode()))
        return;
    ReportHeader header;
    header.title = ui->txtTitle->text();
    header.alias = ui->txtAlias->text();
    header.notes = ui->txtDesc->toPlainText();
    header.isGeneral = ui->chkIsGeneral->isChecked();
    header.makeSecure = ui->chkMakeSecure->isChecked();
    header.makeTree = ui->chkMakeTree->isChecked();
    header.showFlatternParameters = ui->chkShowFlatternParameters->isChecked();
    header.mediaVisible = ui->chkMediaVisible->isChecked();
    if (!ui->gmpSystem->IsEmpty())
        header.systemID = ui->gmpSystem->ID();
    if (!ui->mptFormType->IsEmpty())
        header.formTypeID = ui->mptFormType->ID();
    header.creatorID = ui->txtCreatorName->property(kTagProperty).toInt();
    header.createDate = ui->gdcDate->Value();
    header.farsiCreateDate = ui->gdcDate->Text();

    WaitCursor wait;
    const SaveResult result = SaveReport(m_session, m_prompter, mode(), m_reportID, m_sourceReportID, header);
    ui->txtTitle->setText(result.title);
    if (result.outcome == SaveOutcome::DuplicateTitle)
        return;
    m_reportID = result.reportID;
    m_session.context.CurrentReportID = QString::number(m_reportID);
    ui->txtID->setText(QString::number(m_reportID));
    setWindowTitle(kCaptionPrefix + result.title);
    setMode(ManagerModeView);
    DisableLockComponent();
}

void FormReportMan::cmdDelete_Click()
{
    switch (DeleteReport(m_session, m_prompter, m_reportID, ui->chkIsGeneral->isChecked())) {
    case DeleteOutcome::Deleted:
        Clear();
        setMode(ManagerModeIdle);
        DisableLockComponent();
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
    if (m_prompter.AskYesNo(QStringLiteral("انصراف از ثبت ") + QStringLiteral("گزارش"), kSureQuestion) != 1)
        return;
    WaitCursor wait;
    // A copy that is abandoned returns to the report it was made from.
    const qint32 shown = mode() == ManagerModeInsertFrom && m_reportID == -1 ? m_sourceReportID : m_reportID;
    if (shown == -1) {
        Clear();
        setMode(ManagerModeIdle);
        DisableLockComponent();
        ui->cmdExit->setFocus();
    } else {
        ViewReportInfo(shown);
    }
}

void FormReportMan::cmdExit_Click()
{
    if (ui->cmdCancel->isEnabled()
        && m_prompter.AskYesNo(QStringLiteral("خروج از ") + QStringLiteral("گزارشساز"), kSureQuestion) != 1)
        return;
    m_exitConfirmed = true;
    close();
}

void FormReportMan::cmdSearch_Click()
{
    if (!permitted(PermissionSearch))
        return;
    FormSearch search(
        m_session, m_prompter, m_windows,
        [this](qint32 id) { guarded([this, id] { ViewReportInfo(id); }); }, this);
    m_windows.runModal(search);
}

void FormReportMan::cmdDesignReport_Click()
{
    const ReportBuilderOpener& open = RegisteredReportBuilderOpener();
    if (!open) {
        m_prompter.ShowMessage(kErrorTitle, QString::fromUtf8(kReportBuilderMissingMessage));
        return;
    }
    open(ReportBuilderRequest{m_session, m_prompter, m_windows, this, m_reportID});
}

void FormReportMan::cmdUpdateTable_Click()
{
    WaitCursor wait;
    m_session.DtEn.callProcedure(QStringLiteral("spKelvoUpdateTables"));
}

void FormReportMan::cmdTemplate_Click()
{
    const QString idText = text::TrimBlanks(ui->txtID->text());
    if (!text::IsNumber(idText) || text::LeadingNumber(idText) < 1)
        return;
    const qint32 id = qint32(text::LeadingNumber(idText));
    const front::HostContext& c = m_session.context;
    try {
        std::unique_ptr<automation::Dispatch> component = front::ProcessComponents().create(kTemplateProgId);
        component->putProperty(QStringLiteral("ConnectionString"), c.CurrentConnectionString);
        component->putProperty(QStringLiteral("OleConnectionString"), c.CurrentConnectionString);
        component->putProperty(QStringLiteral("UserID"), c.CurrentUserID);
        component->putProperty(QStringLiteral("FormID"), kTemplateFormNumber);
        component->callWith(QStringLiteral("Load"), {id});
        component->callWith(QStringLiteral("Show"));
    } catch (const automation::AutomationError& e) {
        m_prompter.DisplayError(false, kTemplateFailedMessage, e.description(), kErrorTitle, e.number());
    } catch (const db::DbError& e) {
        m_prompter.DisplayError(false, kTemplateFailedMessage, e.fullText(), kErrorTitle,
                                automation::ErrProviderFailure);
    }
}

void FormReportMan::cmdFormRunner_Click()
{
    // Every failure of this command is ignored.
    try {
        db::Recordset rs = m_session.DtEn.openRecordset(QStringLiteral(
            "Select Min(FormTypeID) as FormTypeID From tblKelvoFormTables Where IsPrimary=1 and TableName like "
            "'tblKelvoReport' and FormTypeID in (Select ID from tblKelvoFormType Where FileName like "
            "'comFormGenerator.comFormExe.ocx')"));
        if (rs.eof() || rs.isNull(QStringLiteral("FormTypeID")))
            return;
        const qint32 formType = rs.value(QStringLiteral("FormTypeID")).toInt();
        rs.close();

        std::unique_ptr<automation::Dispatch> generator = front::CreateComponentFromFile(
            front::ProcessComponents(), m_session.context.BasePath, kFormGeneratorFile, m_prompter);
        if (!generator)
            return;
        const front::HostContext& c = m_session.context;
        generator->putProperty(QStringLiteral("OleConnectionString"), c.CurrentConnectionString);
        generator->putProperty(QStringLiteral("UserID"), c.CurrentUserID);
        generator->putProperty(QStringLiteral("PositionID"), c.CurrentPositionID);
        generator->putProperty(QStringLiteral("EmployeeID"), c.CurrentEmployeeID);
        if (mode() == ManagerModeEdit || mode() == ManagerModeView)
            generator->callWith(QStringLiteral("View"),
                                {formType, QString(QStringLiteral("ID=") + QString::number(m_reportID)), QString()});
        else
            generator->callWith(QStringLiteral("ClearShow"), {formType, QString()});
    } catch (const std::exception&) {
    }
}

void FormReportMan::mnuPmxReport_Click()
{
    WaitCursor wait;
    db::Connection& main = m_session.DtEn;
    if (!front::IsOracle(main)) {
        main.execute(QStringLiteral("EXEC spPmxUpdateReportTables"));
        return;
    }
    // Each table is emptied and refilled; all four together or none.
    db::Transaction transaction(main);
    for (const PmxTable& t : kPmxTables) {
        const QString table = QLatin1String(t.table);
        const QString columns = QLatin1String(t.columns);
        main.execute(QStringLiteral("Delete ") + table);
        main.execute(QStringLiteral("Insert Into ") + table + QStringLiteral(" (") + columns +
                     QStringLiteral(") (select ") + columns + QStringLiteral(" from ") + QLatin1String(t.view) +
                     u')');
    }
    transaction.commit();
}

void FormReportMan::ShowHelp()
{
    guarded([this] {
        db::Connection& main = m_session.DtEn;
        db::Recordset rs = main.openRecordset(
            front::IsOracle(main) ? QStringLiteral("Select NVL(BasePath,'') as BasePath from tblKelvoBasePath")
                                  : QStringLiteral("Select isnull(BasePath,'') as BasePath from tblKelvoBasePath"));
        if (!rs.eof()) {
            QString path = rs.text(QStringLiteral("BasePath")) + kHelpFile;
            rs.close();
            path.replace(u'\\', u'/');
            const QFileInfo file(path);
            if (file.isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath())))
                return;
        }
        m_prompter.ShowMessage(kErrorTitle, kHelpMissingMessage);
    });
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
    if (!m_exitConfirmed && ui->cmdCancel->isEnabled()
        && m_prompter.AskYesNo(QStringLiteral("خروج از ") + QStringLiteral("گزارشساز"), kSureQuestion) != 1) {
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
