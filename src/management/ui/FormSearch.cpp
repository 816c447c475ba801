#include "management/ui/FormSearch.h"

#include "ui_FormSearch.h"

#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "platform/db/DbError.h"
#include "platform/os/KeyboardSwitcher.h"
#include "sql/SqlDialect.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace kelvo::management {

namespace {

enum Column { ColRow, ColTitle, ColSystem, ColGroup, ColNotes, ColID, ColumnCount };

const QString kError = QStringLiteral("خطا");

bool IsEnter(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

std::optional<qint32> ChosenID(const controls::KelvoSelector& selector)
{
    if (selector.IsEmpty())
        return std::nullopt;
    return selector.ID();
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    return item;
}

} // namespace

FormSearch::FormSearch(front::Session& session, front::Prompter& prompter, front::WindowRunner& windows,
                       std::function<void(qint32)> viewReport, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::FormSearch>())
    , m_session(session)
    , m_prompter(prompter)
    , m_windows(windows)
    , m_viewReport(std::move(viewReport))
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("FormSearch"));
    front::StyleWindow(*this, front::ColoursOf(session.context));
    setUpGrid();

    connect(ui->cmdSearch, &QPushButton::clicked, this, &FormSearch::search);
    connect(ui->cmdNewSearch, &QPushButton::clicked, this, &FormSearch::newSearch);
    connect(ui->FlexSearchResult, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { chooseRow(row); });

    // Enter in any filter runs the search; the filter sees the key first (a
    // selector settles its code on Enter), the search follows.
    for (QWidget* child : ui->fraFilters->findChildren<QWidget*>())
        child->installEventFilter(this);
    ui->FlexSearchResult->installEventFilter(this);

    setUpSelectors();
    newSearch();
}

FormSearch::~FormSearch() = default;

void FormSearch::setUpGrid()
{
    QTableWidget* grid = ui->FlexSearchResult;
    grid->setColumnCount(ColumnCount);
    const QStringList headings{QStringLiteral("رديف"),  QStringLiteral("عنوان"),   QStringLiteral("سيستم"),
                               QStringLiteral("گروه"),  QStringLiteral("ملاحظات"), QStringLiteral("شماره")};
    for (int c = 0; c < ColumnCount; ++c)
        grid->setHorizontalHeaderItem(c, Cell(headings[c], Qt::AlignCenter));
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setStretchLastSection(false);
    const int widths[] = {50, 260, 150, 110, 240, 60};
    for (int c = 0; c < ColumnCount; ++c)
        grid->setColumnWidth(c, widths[c]);
    grid->horizontalHeader()->setSectionResizeMode(ColNotes, QHeaderView::Stretch);
}

void FormSearch::setUpSelectors()
{
    struct Setup {
        controls::KelvoSelector* selector;
        const char* major;
        const char* minor;
        QString title;
    };
    const Setup setups[] = {
        {ui->gmpSystem, "vwKelvoSystemMajor", "vwKelvoSystemMinor", QString()},
        {ui->mptFormType, "vwKelvoFormTypeMajor", "vwKelvoFormTypeMinor", QStringLiteral("فرمها")},
        {ui->gmpCreatorName, "vwusersMajor", "vwUserMinor", QString()},
    };
    for (const Setup& s : setups) {
        s.selector->setConnection(m_session.context.CurrentConnectionString);
        s.selector->setMajorView(QString::fromLatin1(s.major));
        s.selector->setMinorView(QString::fromLatin1(s.minor));
        if (!s.title.isEmpty())
            s.selector->setTitle(s.title);
        s.selector->setRightToLeft(true);
        try {
            s.selector->Refresh();
        } catch (const db::DbError& e) {
            showFailure(QStringLiteral("فهرست ") + QString::fromLatin1(s.major) + QStringLiteral(" خوانده نشد."), e);
        }
    }
    ui->gmpSystem->setActive(true);
}

SearchFilters FormSearch::filters() const
{
    SearchFilters f;
    f.notes = ui->txtDesc->text();
    f.title = ui->txtTitle->text();
    f.alias = ui->txtAlias->text();
    f.systemID = ChosenID(*ui->gmpSystem);
    f.formTypeID = ChosenID(*ui->mptFormType);
    f.fromDate = ui->gdcBeginDate->Text();
    f.toDate = ui->gdcEndDate->Text();
    f.tempList = ui->chkTempList->isChecked();
    f.formSearch = ui->chkFormSearch->isChecked();
    f.creatorID = ChosenID(*ui->gmpCreatorName);
    f.isGeneral = ui->chkIsGeneral->isChecked();
    f.isPrivate = ui->chkIsPrivate->isChecked();
    f.makeTree = ui->chkMakeTree->isChecked();
    f.isNotTree = ui->chkIsNotTree->isChecked();
    return f;
}

void FormSearch::search()
{
    QTableWidget* grid = ui->FlexSearchResult;
    grid->setRowCount(0);
    try {
        db::Recordset rs =
            m_session.DtEn.openRecordset(BuildSearchStatement(filters(), sql::Dialect::Of(m_session.DtEn)));
        const bool hasGroup = rs.hasField(QStringLiteral("GroupName"));
        int row = 0;
        while (!rs.eof()) {
            grid->insertRow(row);
            grid->setItem(row, ColRow, Cell(QString::number(row + 1), Qt::AlignCenter));
            grid->setItem(row, ColTitle, Cell(rs.text(QStringLiteral("ReportTitle"))));
            grid->setItem(row, ColSystem, Cell(rs.text(QStringLiteral("SystemName"))));
            grid->setItem(row, ColGroup, Cell(hasGroup ? rs.text(QStringLiteral("GroupName")) : QString()));
            grid->setItem(row, ColNotes, Cell(rs.text(QStringLiteral("ReportDesc"))));
            grid->setItem(row, ColID, Cell(rs.text(QStringLiteral("ID")), Qt::AlignCenter));
            ++row;
            rs.moveNext();
        }
    } catch (const db::DbError& e) {
        grid->setRowCount(0);
        showFailure(QStringLiteral("جستجوي گزارش انجام نشد."), e);
        return;
    }
    if (grid->rowCount() == 1)
        chooseRow(0);
}

void FormSearch::newSearch()
{
    for (QLineEdit* box : {ui->txtTitle, ui->txtAlias, ui->txtDesc})
        box->clear();
    for (controls::KelvoSelector* selector : {ui->gmpSystem, ui->mptFormType, ui->gmpCreatorName})
        selector->setID(-1);
    ui->gdcBeginDate->Clear();
    ui->gdcEndDate->Clear();
    for (QCheckBox* box : {ui->chkIsGeneral, ui->chkIsPrivate, ui->chkMakeTree, ui->chkIsNotTree})
        box->setChecked(true);
    ui->chkTempList->setChecked(false);
    ui->chkFormSearch->setChecked(false);
    ui->FlexSearchResult->setRowCount(0);
}

void FormSearch::chooseRow(int row)
{
    const QTableWidgetItem* id = ui->FlexSearchResult->item(row, ColID);
    if (row < 0 || !id)
        return;
    const qint32 reportID = id->text().toInt();
    accept();
    if (m_viewReport)
        m_viewReport(reportID);
}

bool FormSearch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->txtTitle && event->type() == QEvent::FocusIn &&
        !m_session.context.FarsiKeyboardLayout.isEmpty())
        os::LoadKeyboardLayout(m_session.context.FarsiKeyboardLayout);

    if (IsEnter(event)) {
        if (watched == ui->FlexSearchResult) {
            chooseRow(ui->FlexSearchResult->currentRow());
            return true;
        }
        // Queued, so the control finishes its own handling of the key first.
        QTimer::singleShot(0, this, &FormSearch::search);
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

void FormSearch::showFailure(const QString& message, const std::exception& error)
{
    const auto* dbError = dynamic_cast<const db::DbError*>(&error);
    m_prompter.DisplayError(true, message, dbError ? dbError->fullText() : QString::fromUtf8(error.what()), kError,
                            dbError ? dbError->nativeCode() : 0);
}

} // namespace kelvo::management
