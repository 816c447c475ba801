#include "parameters/ui/FormButtons.h"

#include "controls/ui/KelvoSelector.h"
#include "design/ui/FormValues.h"
#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/WindowParts.h"
#include "front/ui/Windows.h"
#include "parameters/Messages.h"
#include "platform/os/KeyboardSwitcher.h"
#include "query/SelectItems.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvo::parameters {

namespace {

// The procedures whose names begin with "sp_cft" are the host's own.
const QString kProcedureFilter = QStringLiteral(" left(name,6)<>'sp_cft' ");

// A grid with the headings of a grid format, one row selected at a time,
// read only.
QTableWidget* MakeFlex(QWidget& window, const char* name, const QString& format)
{
    auto* grid = new QTableWidget(&window);
    grid->setObjectName(QLatin1String(name));
    const QStringList headings = front::GridHeadings(format);
    grid->setColumnCount(int(headings.size()));
    grid->setHorizontalHeaderLabels(headings);
    grid->verticalHeader()->hide();
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

void AppendRow(QTableWidget& grid, const QStringList& cells)
{
    const int row = grid.rowCount();
    grid.insertRow(row);
    for (int c = 0; c < cells.size(); ++c)
        grid.setItem(row, c, new QTableWidgetItem(cells[c]));
}

void SetEnabled(QWidget& window, const char* command, bool enabled)
{
    window.findChild<QAction*>(QLatin1String(command))->setEnabled(enabled);
}

} // namespace

// ---------------------------------------------------------------- FormButtons

FormButtons::FormButtons(front::Session& session, front::Prompter& prompter, front::Windows& windows, qint32 reportID,
                         QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_windows(windows), m_commands(prompter),
      m_reportID(reportID), m_grid(MakeFlex(*this, "FlexButtons", kButtonsHeader))
{
    setObjectName(QStringLiteral("FormButtons"));
    setWindowTitle(kButtonsTitle);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_commands.connect(front::MakeCommand(*this, "cmdNew", kNewCaption), [this] { openButton(0); });
    m_commands.connect(front::MakeCommand(*this, "cmdEdit", kEditCaption), [this] {
        if (const std::optional<qint32> id = currentButton())
            openButton(*id);
    });
    m_commands.connect(front::MakeCommand(*this, "cmdDelete", kDeleteCaption), [this] {
        if (const std::optional<qint32> id = currentButton()) {
            DeleteButton(m_session.DtEn, *id);
            FillFlex(m_reportID);
        }
    });
    connect(m_grid, &QTableWidget::currentCellChanged, this, &FormButtons::updateCommands);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] {
        if (findChild<QAction*>(QStringLiteral("cmdEdit"))->isEnabled())
            findChild<QAction*>(QStringLiteral("cmdEdit"))->trigger();
    });

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(front::ButtonColumn(*this, {"cmdNew", "cmdEdit", "cmdDelete"}));
    resize(560, 300);
    initFlex();
    m_commands.run([this] { FillFlex(m_reportID); });
}

void FormButtons::initFlex()
{
    m_grid->setRowCount(0);
    m_grid->setColumnWidth(0, 50);
    m_grid->setColumnWidth(1, 200);
    m_grid->setColumnWidth(2, 160);
    updateCommands();
}

void FormButtons::FillFlex(qint32 reportID)
{
    initFlex();
    int n = 0;
    for (const ButtonEntry& button : ReportButtons(m_session.DtEn, reportID))
        AppendRow(*m_grid, {QString::number(++n), button.caption, button.procedure, QString::number(button.id)});
    if (m_grid->rowCount() > 0)
        m_grid->setCurrentCell(0, 1);
    updateCommands();
}

std::optional<qint32> FormButtons::currentButton() const
{
    const int row = m_grid->currentRow();
    if (row < 0 || row >= m_grid->rowCount())
        return std::nullopt;
    return m_grid->item(row, m_grid->columnCount() - 1)->text().toInt();
}

void FormButtons::updateCommands()
{
    const bool onRow = currentButton().has_value();
    SetEnabled(*this, "cmdEdit", onRow);
    SetEnabled(*this, "cmdDelete", onRow);
}

void FormButtons::openButton(qint32 buttonID)
{
    FormNewButton dialog(m_session, m_prompter, m_windows, m_reportID, buttonID, this);
    m_windows.show(dialog, true);
    if (dialog.saved())
        FillFlex(m_reportID);
}

// ---------------------------------------------------------------- FormNewButton

FormNewButton::FormNewButton(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                             qint32 reportID, qint32 buttonID, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_windows(windows), m_commands(prompter),
      m_reportID(reportID), m_buttonID(buttonID), m_caption(new QLineEdit(this)),
      m_procedure(new controls::KelvoSelector(this)), m_help(front::MakeLabel(*this, kHowToCallCaption, "lblHelp")),
      m_valueList(new QComboBox(this)), m_grid(MakeFlex(*this, "FlexPars", kButtonValuesHeader))
{
    setObjectName(QStringLiteral("FormNewButton"));
    setWindowTitle(kNewButtonTitle);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_caption->setObjectName(QStringLiteral("txtCaption"));
    m_procedure->setObjectName(QStringLiteral("gmpStoredProcedure"));
    m_procedure->setConnection(session.DtEn);
    m_procedure->setMajorView(QStringLiteral("vwStoredProcedureMajor"));
    m_procedure->setMinorView(QStringLiteral("vwStoredProcedureMinor"));
    m_procedure->setMajorFilter(kProcedureFilter);
    m_procedure->setMinorFilter(kProcedureFilter);
    m_procedure->setRightToLeft(true);
    // Procedure names are typed with the English keyboard.
    for (QLineEdit* box : m_procedure->findChildren<QLineEdit*>())
        box->installEventFilter(this);
    m_help->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_valueList->setObjectName(QStringLiteral("cmbValCol"));

    m_commands.connect(front::MakeCommand(*this, "cmdValues", kValuesCaption), [this] { pickValue(); });
    m_commands.connect(front::MakeCommand(*this, "cmdAdd", kAddCaption),
                       [this] { addValue(m_valueList->currentText()); });
    m_commands.connect(front::MakeCommand(*this, "cmdDel", kDeleteCaption), [this] { removeValue(); });
    m_commands.connect(front::MakeCommand(*this, "cmdBack", kConfirmCaption), [this] { save(); });
    m_commands.connect(front::MakeCommand(*this, "cmdCancel", kCancelCaption), [this] { reject(); });
    connect(m_procedure, &controls::KelvoSelector::Change, this,
            [this] { m_commands.run([this] { procedureChanged(); }); });
    connect(m_caption, &QLineEdit::textChanged, this, &FormNewButton::updateCommands);
    connect(m_valueList, &QComboBox::currentIndexChanged, this, &FormNewButton::updateCommands);
    connect(m_grid, &QTableWidget::currentCellChanged, this, &FormNewButton::updateCommands);

    auto* grid = new QGridLayout;
    grid->addWidget(front::MakeLabel(*this, kButtonCaptionLabel), 0, 0);
    grid->addWidget(m_caption, 0, 1, 1, 2);
    grid->addWidget(front::MakeLabel(*this, kProcedureLabel), 1, 0);
    grid->addWidget(m_procedure, 1, 1, 1, 2);
    grid->addWidget(m_help, 2, 1, 1, 2);
    grid->addWidget(front::MakeLabel(*this, kColumnOrValueLabel), 3, 0);
    grid->addWidget(m_valueList, 3, 1);
    grid->addWidget(&front::CommandButton(*this, "cmdValues"), 3, 2);
    grid->setColumnStretch(1, 1);
    auto* values = new QHBoxLayout;
    values->addWidget(m_grid, 1);
    values->addLayout(front::ButtonColumn(*this, {"cmdAdd", "cmdDel"}));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(values, 1);
    layout->addLayout(front::ButtonRow(*this, {"cmdBack", "cmdCancel"}));
    resize(560, 420);

    initFlex();
    m_commands.run([this] {
        m_procedure->RefreshFiltered();
        FillCombo();
        if (m_buttonID > 0)
            FillForm(m_buttonID);
    });
    m_commands.run([this] { procedureChanged(); });
}

void FormNewButton::initFlex()
{
    m_grid->setRowCount(0);
    m_grid->setColumnWidth(0, 50);
    updateCommands();
}

void FormNewButton::FillCombo()
{
    m_valueList->clear();
    query::SelectItemList items;
    query::ParseSelectItems(items, m_session.DtEn, QString::number(m_reportID), QString());
    for (const query::SelectItem& item : items.items)
        m_valueList->addItem(item.Caption);
    m_valueList->setCurrentIndex(-1);
}

void FormNewButton::FillForm(qint32 buttonID)
{
    const std::optional<ButtonDefinition> button = LoadButton(m_session.DtEn, buttonID);
    if (!button)
        return;
    m_caption->setText(button->caption);
    if (const std::optional<int> procedure = StoredProcedureID(m_session.DtEn, button->procedure))
        m_procedure->setID(*procedure);
    initFlex();
    for (const QString& value : button->values)
        addValue(value);
    procedureChanged();
}

void FormNewButton::procedureChanged()
{
    if (m_procedure->IsEmpty()) {
        m_parameters.clear();
        m_help->setText(kChooseProcedureHint);
    } else {
        m_parameters = repository::ProcedureParameters(m_session.DtEn, m_procedure->Code());
        m_help->setText(repository::ProcedureSignature(m_procedure->Code(), m_parameters));
    }
    updateCommands();
}

void FormNewButton::addValue(const QString& value)
{
    AppendRow(*m_grid, {QString::number(m_grid->rowCount() + 1), value});
    m_grid->setCurrentCell(m_grid->rowCount() - 1, 1);
}

void FormNewButton::removeValue()
{
    const int row = m_grid->currentRow();
    if (row < 0)
        return;
    m_grid->removeRow(row);
    for (int r = 0; r < m_grid->rowCount(); ++r)
        m_grid->item(r, 0)->setText(QString::number(r + 1));
    updateCommands();
}

void FormNewButton::pickValue()
{
    const std::optional<QString> value =
        design::getValues(m_session, m_prompter, m_windows, QString(), QString(), false, QStringLiteral("int"));
    if (!value || value->isEmpty())
        return;
    m_valueList->addItem(*value);
    m_valueList->setCurrentIndex(m_valueList->count() - 1);
}

void FormNewButton::updateCommands()
{
    const bool ready = !m_procedure->IsEmpty() && !m_caption->text().trimmed().isEmpty();
    SetEnabled(*this, "cmdBack", ready);
    SetEnabled(*this, "cmdValues", ready);
    SetEnabled(*this, "cmdAdd", ready && m_valueList->currentIndex() >= 0);
    SetEnabled(*this, "cmdDel", m_grid->currentRow() >= 0 && m_grid->currentRow() < m_grid->rowCount());
}

QStringList FormNewButton::values() const
{
    QStringList texts;
    for (int r = 0; r < m_grid->rowCount(); ++r)
        texts << m_grid->item(r, 1)->text();
    return texts;
}

void FormNewButton::save()
{
    if (m_grid->rowCount() != m_procedure->Value().toInt()) {
        m_prompter.ShowMessage(kErrorTitle, kEveryParameterMessage);
        return;
    }
    ButtonDefinition button;
    button.id = m_buttonID;
    button.caption = m_caption->text();
    button.procedure = m_procedure->Code();
    button.values = values();
    m_buttonID = SaveButton(m_session.DtEn, m_reportID, button, m_parameters);
    m_saved = true;
    accept();
}

bool FormNewButton::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        os::LoadKeyboardLayout(QLatin1String(os::kLayoutEnglish));
    return QDialog::eventFilter(watched, event);
}

} // namespace kelvo::parameters
