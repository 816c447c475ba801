#include "parameters/ui/FormReportForm.h"

#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/WindowParts.h"
#include "front/ui/Windows.h"
#include "parameters/Messages.h"
#include "parameters/ParameterDefinitions.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kelvo::parameters {

namespace {

// A column count for a report without a row.
constexpr int kColumnsWithoutReport = 2;

} // namespace

FormReportForm::FormReportForm(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                               QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_windows(windows), m_commands(prompter), m_cols(new QLineEdit(this)),
      m_colWidth(new QLineEdit(this)), m_rowHeight(new QLineEdit(this))
{
    setObjectName(QStringLiteral("FormReportForm"));
    setWindowTitle(kReportFormTitle);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_cols->setObjectName(QStringLiteral("txtCols"));
    m_colWidth->setObjectName(QStringLiteral("txtColWidth"));
    m_rowHeight->setObjectName(QStringLiteral("txtRowHeight"));

    QAction& ok = front::MakeCommand(*this, "cmdOK", kConfirmCaption);
    m_commands.connect(ok, [this] { save(); });
    m_commands.connect(front::MakeCommand(*this, "cmdCancel", kCancelCaption), [this] { reject(); });

    auto* grid = new QGridLayout(this);
    int row = 0;
    for (const auto& [label, box] : {std::pair{kFormColumnsLabel, m_cols}, std::pair{kColumnWidthLabel, m_colWidth},
                                     std::pair{kRowHeightLabel, m_rowHeight}}) {
        front::SelectAllOnFocus(*box);
        // Enter in a box saves, as the dialog's default command; Escape
        // cancels (the dialog's own reject).
        connect(box, &QLineEdit::returnPressed, &ok, &QAction::trigger);
        grid->addWidget(front::MakeLabel(*this, label), row, 0);
        grid->addWidget(box, row++, 1);
    }
    grid->addLayout(front::ButtonRow(*this, {"cmdOK", "cmdCancel"}), row, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    resize(320, 150);
}

void FormReportForm::load(qint32 reportID)
{
    m_reportID = reportID;
    m_saved = false;
    m_commands.run([this] {
        m_cols->setText(QString::number(StoredFormColumns(m_session.DtEn, m_reportID).value_or(kColumnsWithoutReport)));
    });
    m_colWidth->setText(QString::number(kColumnWidth));
    m_rowHeight->setText(QString::number(kDefaultRowHeight));
}

bool FormReportForm::EditReportForm(qint32 reportID)
{
    load(reportID);
    m_windows.show(*this, true);
    return m_saved;
}

void FormReportForm::save()
{
    const int columns = AbsoluteBoxNumber(m_cols->text());
    const int rowHeight = AbsoluteBoxNumber(m_rowHeight->text());
    m_cols->setText(QString::number(columns));
    m_colWidth->setText(QString::number(AbsoluteBoxNumber(m_colWidth->text())));
    m_rowHeight->setText(QString::number(rowHeight));
    if (ParameterWiderThan(m_session.DtEn, m_reportID, columns)) {
        m_prompter.ShowMessage(kErrorTitle, kFormTooNarrowMessage);
        return;
    }
    SaveFormGrid(m_session.DtEn, m_reportID, columns, rowHeight);
    m_saved = true;
    accept();
}

} // namespace kelvo::parameters
