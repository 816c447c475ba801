#include "parameters/ui/FormDefineParameter.h"

#include "controls/ui/KelvoSelector.h"
#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/ModeTable.h"
#include "front/ui/WindowParts.h"
#include "front/ui/Windows.h"
#include "parameters/Messages.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvo::parameters {

namespace {

using Mode = FormDefineParameter::Mode;

// Per control, whether it is enabled (a box: editable) in the modes New,
// Edit, Browse and BrowseWithSelection.
const std::initializer_list<front::EnableRow<4>> kEnabling = {
    {"lstParameter", {false, false, true, true}},
    {"cmdNew", {false, false, true, true}},
    {"cmdEdit", {false, false, false, true}},
    {"cmdDelete", {false, false, false, true}},
    {"cmdDeleteAll", {false, false, true, true}},
    {"cmdParamBuilder", {false, false, true, true}},
    {"txtName", {true, true, false, false}},
    {"gmpCaption", {true, true, false, false}},
    {"txtDescription", {true, true, false, false}},
    {"cmbType", {true, true, false, false}},
    {"cmbControlTypeID", {true, true, false, false}},
    {"txtMajorView", {true, true, false, false}},
    {"txtMinorView", {true, true, false, false}},
    {"txtColSpan", {true, true, false, false}},
    {"txtRowSpan", {true, true, false, false}},
    {"txtSequence", {true, true, false, false}},
    {"chkVisible", {true, true, false, false}},
    {"cmdOK", {true, true, false, false}},
};

QString TitleSuffix(Mode mode)
{
    switch (mode) {
    case Mode::New:
        return kNewModeSuffix;
    case Mode::Edit:
        return kEditModeSuffix;
    case Mode::Browse:
        return kBrowseModeSuffix;
    case Mode::BrowseWithSelection:
        break;
    }
    return {};
}

QLineEdit* MakeBox(QWidget& window, const char* name)
{
    auto* box = new QLineEdit(&window);
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

FormDefineParameter::FormDefineParameter(front::Session& session, front::Prompter& prompter,
                                         front::Windows& windows, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_windows(windows), m_commands(prompter),
      m_list(new QListWidget(this)), m_id(MakeBox(*this, "txtID")), m_name(MakeBox(*this, "txtName")),
      m_description(MakeBox(*this, "txtDescription")), m_majorView(MakeBox(*this, "txtMajorView")),
      m_minorView(MakeBox(*this, "txtMinorView")), m_colSpan(MakeBox(*this, "txtColSpan")),
      m_rowSpan(MakeBox(*this, "txtRowSpan")), m_sequence(MakeBox(*this, "txtSequence")),
      m_caption(new controls::KelvoSelector(this)), m_type(new QComboBox(this)), m_controlType(new QComboBox(this)),
      m_majorLabel(front::MakeLabel(*this, kMajorViewLabel, "lblMajorView")),
      m_minorLabel(front::MakeLabel(*this, kMinorViewLabel, "lblMinorView")),
      m_visible(new QCheckBox(kVisibleCaption, this))
{
    setObjectName(QStringLiteral("FormDefineParameter"));
    setWindowTitle(kDefineParametersTitle);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_list->setObjectName(QStringLiteral("lstParameter"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_id->setReadOnly(true);
    m_caption->setObjectName(QStringLiteral("gmpCaption"));
    controls::UseCaptionViews(*m_caption, session.DtEn);
    m_type->setObjectName(QStringLiteral("cmbType"));
    m_type->setEditable(true);
    m_type->setInsertPolicy(QComboBox::NoInsert);
    m_controlType->setObjectName(QStringLiteral("cmbControlTypeID"));
    m_visible->setObjectName(QStringLiteral("chkVisible"));
    front::SelectAllOnFocus(*m_description);

    m_commands.connect(front::MakeCommand(*this, "cmdNew", kNewCaption), [this] { newParameter(); });
    m_commands.connect(front::MakeCommand(*this, "cmdEdit", kEditCaption), [this] { editParameter(); });
    m_commands.connect(front::MakeCommand(*this, "cmdDelete", kDeleteCaption), [this] { deleteSelected(); });
    m_commands.connect(front::MakeCommand(*this, "cmdDeleteAll", kDeleteAllCaption), [this] { deleteAll(); });
    m_commands.connect(front::MakeCommand(*this, "cmdOK", kSaveCaption), [this] { save(); });
    m_commands.connect(front::MakeCommand(*this, "cmdExit", kExitCaption), [this] { exitOrCancel(); });
    m_commands.connect(front::MakeCommand(*this, "cmdReportForm", kReportFormCaption), [this] { editReportForm(); });
    m_commands.connect(front::MakeCommand(*this, "cmdParamBuilder", kParamBuilderCaption),
                       [this] { createAutomatically(); });

    connect(m_controlType, &QComboBox::currentIndexChanged, this, &FormDefineParameter::showViewBoxes);
    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (!m_filling && item)
            m_commands.run([this, item] { showParameter(item->data(Qt::UserRole).toInt()); });
    });

    // The list and its commands at the start (right), the boxes beside it.
    auto* listSide = new QVBoxLayout;
    listSide->addWidget(front::MakeLabel(*this, kParameterListLabel));
    listSide->addWidget(m_list, 1);
    auto* listButtons = new QGridLayout;
    listButtons->addWidget(&front::CommandButton(*this, "cmdNew"), 0, 0);
    listButtons->addWidget(&front::CommandButton(*this, "cmdEdit"), 0, 1);
    listButtons->addWidget(&front::CommandButton(*this, "cmdDelete"), 1, 0);
    listButtons->addWidget(&front::CommandButton(*this, "cmdDeleteAll"), 1, 1);
    listSide->addLayout(listButtons);

    auto* boxes = new QGridLayout;
    int row = 0;
    const auto addRow = [&](QWidget* label, QWidget* field) {
        boxes->addWidget(label, row, 0);
        boxes->addWidget(field, row++, 1);
    };
    addRow(front::MakeLabel(*this, kComputerNumberLabel), m_id);
    addRow(front::MakeLabel(*this, kTitleLabel), m_name);
    boxes->addWidget(m_caption, row++, 1);
    addRow(front::MakeLabel(*this, kDescriptionLabel), m_description);
    addRow(front::MakeLabel(*this, kDatabaseTypeLabel), m_type);
    addRow(front::MakeLabel(*this, kDisplayTypeLabel), m_controlType);
    addRow(m_majorLabel, m_majorView);
    addRow(m_minorLabel, m_minorView);
    addRow(front::MakeLabel(*this, kColSpanLabel), m_colSpan);
    addRow(front::MakeLabel(*this, kRowSpanLabel), m_rowSpan);
    addRow(front::MakeLabel(*this, kSequenceLabel), m_sequence);
    boxes->addWidget(m_visible, row++, 1);
    boxes->setColumnStretch(1, 1);
    boxes->setRowStretch(row, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(listSide, 2);
    body->addLayout(boxes, 3);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(&front::CommandButton(*this, "cmdReportForm"));
    bottom->addWidget(&front::CommandButton(*this, "cmdParamBuilder"));
    bottom->addStretch();
    bottom->addWidget(&front::CommandButton(*this, "cmdOK"));
    bottom->addWidget(&front::CommandButton(*this, "cmdExit"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(bottom);
    resize(720, 480);

    m_commands.run([this] {
        m_caption->Refresh();
        m_type->addItems(SqlTypeNames(m_session.DtEn));
        for (const ControlTypeEntry& kind : ControlTypes(m_session.DtEn))
            m_controlType->addItem(kind.name, kind.id);
    });
    selectControlType(kTextBoxControl);
    applyMode(Mode::Browse);
}

void FormDefineParameter::open(qint32 reportID)
{
    m_reportID = reportID;
    m_commands.run([this] { fillList(); });
    applyMode(Mode::Browse);
}

void FormDefineParameter::ShowNDefineParameter(qint32 reportID)
{
    open(reportID);
    m_windows.show(*this, true);
}

void FormDefineParameter::applyMode(Mode mode)
{
    m_mode = mode;
    setWindowTitle(kDefineParametersTitle + TitleSuffix(mode));
    front::ApplyEnableTable(*this, kEnabling, static_cast<std::size_t>(mode));
    const bool browsing = mode == Mode::Browse || mode == Mode::BrowseWithSelection;
    findChild<QAction*>(QStringLiteral("cmdExit"))->setText(browsing ? kExitCaption : kCancelCaption);
}

void FormDefineParameter::selectControlType(int controlTypeID)
{
    const int index = m_controlType->findData(controlTypeID);
    m_controlType->setCurrentIndex(index >= 0 ? index : (m_controlType->count() > 0 ? 0 : -1));
    showViewBoxes();
}

void FormDefineParameter::showViewBoxes()
{
    const QVariant id = m_controlType->currentData();
    const ViewBoxes views = ViewBoxesOf(id.isValid() ? std::optional<int>(id.toInt()) : std::nullopt);
    m_majorLabel->setVisible(views != ViewBoxes::None);
    m_majorView->setVisible(views != ViewBoxes::None);
    m_minorLabel->setVisible(views == ViewBoxes::Both);
    m_minorView->setVisible(views == ViewBoxes::Both);
}

void FormDefineParameter::fillList()
{
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (const ParameterEntry& entry : ParameterList(m_session.DtEn, m_reportID)) {
        auto* item = new QListWidgetItem(entry.text(), m_list);
        item->setData(Qt::UserRole, entry.parameterID);
    }
}

void FormDefineParameter::clearBoxes()
{
    toControls(ParameterDefinition{});
    m_shownCaption.reset();
    m_caption->Refresh();
    m_sequence->setText(QString::number(NextSequence(m_session.DtEn, m_reportID)));
    m_grid = LoadFormGrid(m_session.DtEn, m_reportID);
}

void FormDefineParameter::toControls(const ParameterDefinition& p)
{
    m_name->setText(p.name);
    m_description->setText(p.description);
    m_type->setCurrentText(p.type);
    if (p.controlTypeID)
        selectControlType(*p.controlTypeID);
    else
        m_controlType->setCurrentIndex(-1);
    showViewBoxes();
    m_majorView->setText(p.majorView);
    m_minorView->setText(p.minorView);
    m_colSpan->setText(QString::number(p.colSpan));
    m_rowSpan->setText(QString::number(p.rowSpan));
    m_sequence->setText(QString::number(p.sequence));
    m_visible->setChecked(p.visible);
}

ParameterDefinition FormDefineParameter::fromControls() const
{
    ParameterDefinition p;
    p.parameterID = BoxNumber(m_id->text());
    p.name = m_name->text().trimmed();
    p.type = m_type->currentText().trimmed();
    const QVariant control = m_controlType->currentData();
    p.controlTypeID = control.isValid() ? std::optional<int>(control.toInt()) : std::nullopt;
    p.description = m_description->text();
    p.majorView = m_majorView->text();
    p.minorView = m_minorView->text();
    p.colSpan = BoxNumber(m_colSpan->text());
    p.rowSpan = BoxNumber(m_rowSpan->text());
    p.sequence = BoxNumber(m_sequence->text());
    p.visible = m_visible->isChecked();
    // Saving with no caption chosen keeps the caption the parameter has.
    p.captionID = m_caption->IsEmpty() ? m_shownCaption : std::optional<int>(m_caption->ID());
    return p;
}

std::optional<qint32> FormDefineParameter::currentParameter() const
{
    const QListWidgetItem* item = m_list->currentItem();
    return item ? std::optional<qint32>(item->data(Qt::UserRole).toInt()) : std::nullopt;
}

void FormDefineParameter::selectParameter(qint32 parameterID)
{
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->data(Qt::UserRole).toInt() == parameterID) {
            const QSignalBlocker blocker(m_list);
            m_list->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
            return;
        }
    }
}

void FormDefineParameter::showParameter(qint32 parameterID)
{
    m_id->setText(QString::number(parameterID));
    const std::optional<ParameterDefinition> p = LoadParameter(m_session.DtEn, m_reportID, parameterID);
    if (!p) {
        clearBoxes();
        applyMode(Mode::Browse);
        return;
    }
    toControls(*p);
    m_grid = LoadFormGrid(m_session.DtEn, m_reportID);
    // The caption is shown when it is one of the captions offered; without
    // one the selector holds no choice.
    m_shownCaption = p->captionID;
    m_caption->setID(p->captionID.value_or(-1));
    applyMode(Mode::BrowseWithSelection);
}

void FormDefineParameter::newParameter()
{
    m_id->clear();
    clearBoxes();
    applyMode(Mode::New);
    m_caption->setFocus();
}

void FormDefineParameter::editParameter()
{
    const std::optional<qint32> id = currentParameter();
    if (!id)
        return;
    showParameter(*id);
    if (m_mode == Mode::BrowseWithSelection)
        applyMode(Mode::Edit);
}

void FormDefineParameter::refuse(const QString& message, const char* control)
{
    m_prompter.ShowMessage(kErrorTitle, message);
    if (auto* widget = findChild<QWidget*>(QLatin1String(control)))
        widget->setFocus();
}

void FormDefineParameter::save()
{
    ParameterDefinition p = fromControls();
    RaiseRowSpan(p);
    m_rowSpan->setText(QString::number(p.rowSpan));
    if (const std::optional<Refusal> refusal = CheckParameter(p, m_grid)) {
        refuse(refusal->message, refusal->control);
        return;
    }
    if (m_mode == Mode::New) {
        if (!m_caption->IsEmpty() && CaptionTaken(m_session.DtEn, m_reportID, m_caption->ID())) {
            refuse(kDuplicateTitleMessage, "gmpCaption");
            return;
        }
        const qint32 id = CreateParameter(m_session.DtEn, m_reportID, p);
        fillList();
        selectParameter(id);
        showParameter(id);
        return;
    }
    if (TitleTaken(m_session.DtEn, m_reportID, p.name, p.parameterID)) {
        m_prompter.ShowMessage(kErrorTitle, kDuplicateTitleMessage);
        m_caption->Refresh();
        return;
    }
    UpdateParameter(m_session.DtEn, m_reportID, p);
    if (QListWidgetItem* item = m_list->currentItem())
        item->setText(ParameterEntry{p.parameterID, p.description, p.name}.text());
    showParameter(p.parameterID);
}

void FormDefineParameter::deleteSelected()
{
    if (!m_prompter.Confirm(kWarningTitle, kDeleteQuestion))
        return;
    QList<qint32> ids;
    for (const QListWidgetItem* item : m_list->selectedItems())
        ids << item->data(Qt::UserRole).toInt();
    DeleteParameters(m_session.DtEn, m_reportID, ids);
    fillList();
    if (const std::optional<qint32> id = currentParameter()) {
        showParameter(*id);
    } else {
        m_id->clear();
        clearBoxes();
        applyMode(Mode::Browse);
    }
}

void FormDefineParameter::deleteAll()
{
    if (!m_prompter.Confirm(kWarningTitle, kDeleteAllQuestion) ||
        !m_prompter.Confirm(kWarningTitle, kDeleteAllAgainQuestion))
        return;
    DeleteAllParameters(m_session.DtEn, m_reportID);
    fillList();
    m_id->clear();
    clearBoxes();
    applyMode(Mode::Browse);
}

void FormDefineParameter::editReportForm()
{
    if (m_windows.EditReportForm(m_session, m_reportID, this))
        m_grid = LoadFormGrid(m_session.DtEn, m_reportID);
}

void FormDefineParameter::createAutomatically()
{
    if (m_reportID <= 0 || !m_windows.CreateParametersAutomatically(m_session, m_reportID, this))
        return;
    fillList();
    applyMode(Mode::Browse);
}

void FormDefineParameter::exitOrCancel()
{
    switch (m_mode) {
    case Mode::Browse:
    case Mode::BrowseWithSelection:
        accept();
        return;
    case Mode::New:
        applyMode(Mode::Browse);
        return;
    case Mode::Edit:
        showParameter(BoxNumber(m_id->text()));
        return;
    }
}

} // namespace kelvo::parameters
