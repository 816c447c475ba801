#include "parameters/ui/FormRelReport.h"

#include "controls/ui/KelvoSelector.h"
#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/WindowParts.h"
#include "parameters/Messages.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

namespace kelvo::parameters {

namespace {

// A source entry carrying this much or more is the result column of grid
// column (value - kColumnBase); anything below is a parameter.
constexpr int kColumnBase = 1000;

} // namespace

FormRelReport::FormRelReport(front::Session& session, front::Prompter& prompter, front::Windows&, qint32 callerID,
                             const QStringList& headings, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_commands(prompter), m_callerID(callerID),
      m_report(new controls::KelvoSelector(this)), m_parameter(new QComboBox(this)), m_source(new QComboBox(this))
{
    setObjectName(QStringLiteral("FormRelReport"));
    setWindowTitle(kRelReportTitle);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_report->setObjectName(QStringLiteral("gmpReport"));
    m_report->setConnection(session.DtEn);
    m_report->setMajorView(QStringLiteral("vwkelvoReportMajor"));
    m_report->setMinorView(QStringLiteral("vwkelvoReportMinor"));
    m_report->setRightToLeft(true);
    m_parameter->setObjectName(QStringLiteral("cmbParameter"));
    m_source->setObjectName(QStringLiteral("cmbColumn"));
    m_source->installEventFilter(this);

    m_commands.connect(front::MakeCommand(*this, "cmdContinue", kContinueCaption), [this] { save(); });
    m_commands.connect(front::MakeCommand(*this, "cmdDelete", kDeleteCaption), [this] { deleteLinks(); });
    m_commands.connect(front::MakeCommand(*this, "cmdCancel", kCancelCaption), [this] { reject(); });
    connect(m_report, &controls::KelvoSelector::Change, this, [this] { m_commands.run([this] { reportChanged(); }); });
    connect(m_parameter, &QComboBox::currentIndexChanged, this, &FormRelReport::showSource);
    connect(m_source, &QComboBox::activated, this, &FormRelReport::sourceChosen);

    auto* grid = new QGridLayout(this);
    grid->addWidget(front::MakeLabel(*this, kCalledReportLabel), 0, 0);
    grid->addWidget(m_report, 0, 1);
    grid->addWidget(front::MakeLabel(*this, kCalledParameterLabel), 1, 0);
    grid->addWidget(m_parameter, 1, 1);
    grid->addWidget(front::MakeLabel(*this, kSourceLabel), 2, 0);
    grid->addWidget(m_source, 2, 1);
    grid->addLayout(front::ButtonRow(*this, {"cmdContinue", "cmdDelete", "cmdCancel"}), 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    resize(520, 170);

    for (int i = 0; i < headings.size(); ++i)
        m_source->addItem(headings[i], kColumnBase + i + 1);
    findChild<QAction*>(QStringLiteral("cmdContinue"))->setEnabled(false);
    m_commands.run([this] {
        for (const NumberedParameter& p : ParametersByNumber(m_session.DtEn, m_callerID))
            m_source->addItem(u'@' + p.name, p.parameterID);
        m_source->setCurrentIndex(-1);
        m_report->Refresh();
        if (const std::optional<qint32> called = LinkedReport(m_session.DtEn, m_callerID))
            m_report->setID(*called);
    });
}

void FormRelReport::reportChanged()
{
    findChild<QAction*>(QStringLiteral("cmdContinue"))->setEnabled(!m_report->IsEmpty());
    if (m_report->IsEmpty())
        return;
    m_calledParameters = ParametersByNumber(m_session.DtEn, m_report->ID());
    m_mapping = LoadLinkMapping(m_session.DtEn, m_callerID, m_report->ID(), m_calledParameters);
    m_parameter->clear();
    for (const NumberedParameter& p : m_calledParameters)
        m_parameter->addItem(u'@' + p.name, p.parameterID);
}

void FormRelReport::showSource()
{
    const int index = m_parameter->currentIndex();
    if (index < 0 || index >= m_mapping.size()) {
        m_source->setCurrentIndex(-1);
        return;
    }
    const LinkMapping& entry = m_mapping[index];
    int found = -1;
    for (int i = 0; i < m_source->count() && found < 0; ++i) {
        const int carried = m_source->itemData(i).toInt();
        const bool column = carried > kColumnBase;
        if (column ? entry.callerParameterID == -1 && !entry.callerReportColumn.isEmpty() &&
                         m_source->itemText(i) == entry.callerReportColumn
                   : entry.callerParameterID == carried)
            found = i;
    }
    m_source->setCurrentIndex(found);
}

void FormRelReport::sourceChosen()
{
    const int index = m_parameter->currentIndex();
    if (index < 0 || index >= m_mapping.size())
        return;
    LinkMapping& entry = m_mapping[index];
    entry.clearSource();
    const int chosen = m_source->currentIndex();
    if (chosen < 0)
        return;
    entry.calledParameterID = m_calledParameters[index].parameterID;
    const int carried = m_source->itemData(chosen).toInt();
    if (carried > kColumnBase)
        entry.callerReportColumn = m_source->itemText(chosen);
    else
        entry.callerParameterID = carried;
}

bool FormRelReport::eventFilter(QObject* watched, QEvent* event)
{
    // Delete in the source list removes the parameter's source.
    if (watched == m_source && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        m_source->setCurrentIndex(-1);
        sourceChosen();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FormRelReport::save()
{
    if (m_calledParameters.isEmpty()) {
        m_prompter.ShowMessage(kErrorTitle, kNoCalledParametersMessage);
        return;
    }
    SaveLinks(m_session.DtEn, m_callerID,
              m_report->IsEmpty() ? std::nullopt : std::optional<qint32>(m_report->ID()), m_mapping);
    accept();
}

void FormRelReport::deleteLinks()
{
    if (!m_prompter.Confirm(kDeleteLinkTitle, kDeleteLinkQuestion))
        return;
    DeleteLinks(m_session.DtEn, m_callerID);
    reportChanged();
}

} // namespace kelvo::parameters
