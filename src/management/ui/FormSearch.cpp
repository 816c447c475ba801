#include "management/ui/FormSearch.h"

#include "ui_FormSearch.h"

#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "management/Messages.h"
#include "management/ui/FoundReportsModel.h"
#include "platform/os/KeyboardSwitcher.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace kelvo::management {

namespace {

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

} // namespace

FormSearch::FormSearch(front::Session& session, front::Prompter& prompter, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::FormSearch>()), m_session(session), m_commands(prompter),
      m_results(new FoundReportsModel(this))
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("FormSearch"));
    front::StyleWindow(*this, front::ColoursOf(session.context));
    setUpList();

    m_commands.connect(front::ShowCommand(*ui->cmdSearch), [this] { search(); }, kSearchFailedMessage);
    m_commands.connect(front::ShowCommand(*ui->cmdNewSearch), [this] { newSearch(); });
    connect(ui->FlexSearchResult, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { chooseRow(index.row()); });

    // Enter in any filter runs the search; the filter sees the key first (a
    // selector settles its code on Enter), the search follows.
    for (QWidget* child : ui->fraFilters->findChildren<QWidget*>())
        child->installEventFilter(this);
    ui->FlexSearchResult->installEventFilter(this);

    setUpSelectors();
    newSearch();
}

FormSearch::~FormSearch() = default;

void FormSearch::setUpList()
{
    QTableView* list = ui->FlexSearchResult;
    list->setModel(m_results);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    list->horizontalHeader()->setStretchLastSection(false);
    const int widths[] = {50, 260, 150, 110, 240, 60};
    for (int c = 0; c < FoundReportsModel::ColumnCount; ++c)
        list->setColumnWidth(c, widths[c]);
    list->horizontalHeader()->setSectionResizeMode(FoundReportsModel::ColNotes, QHeaderView::Stretch);
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
        {ui->mptFormType, "vwKelvoFormTypeMajor", "vwKelvoFormTypeMinor", kFormTypesTitle},
        {ui->gmpCreatorName, "vwusersMajor", "vwUserMinor", QString()},
    };
    for (const Setup& s : setups) {
        s.selector->setConnection(m_session.DtEn);
        s.selector->setMajorView(QString::fromLatin1(s.major));
        s.selector->setMinorView(QString::fromLatin1(s.minor));
        if (!s.title.isEmpty())
            s.selector->setTitle(s.title);
        s.selector->setRightToLeft(true);
        m_commands.run([&s] { s.selector->Refresh(); },
                       QStringLiteral("فهرست ") + QString::fromLatin1(s.major) + QStringLiteral(" خوانده نشد."));
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
    // A failed search leaves the list empty rather than showing old results.
    m_results->setReports({});
    m_results->setReports(SearchReports(m_session.DtEn, filters()));
    if (m_results->rowCount() == 1)
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
    m_results->setReports({});
}

void FormSearch::chooseRow(int row)
{
    if (row < 0 || row >= m_results->rowCount())
        return;
    m_chosen = m_results->reports()[row].id;
    accept();
}

bool FormSearch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->txtTitle && event->type() == QEvent::FocusIn &&
        !m_session.context.FarsiKeyboardLayout.isEmpty())
        os::LoadKeyboardLayout(m_session.context.FarsiKeyboardLayout);

    if (IsEnter(event)) {
        if (watched == ui->FlexSearchResult) {
            chooseRow(ui->FlexSearchResult->currentIndex().row());
            return true;
        }
        // Queued, so the control finishes its own handling of the key first.
        QTimer::singleShot(0, this, [this] { m_commands.run([this] { search(); }, kSearchFailedMessage); });
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kelvo::management
