#include "design/ui/ColumnDialogs.h"

#include "controls/ui/KelvoSelector.h"
#include "design/Messages.h"
#include "design/ui/DialogParts.h"
#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/Commands.h"
#include "front/ui/Windows.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvo::design {

FormRename::FormRename(front::Session& session, front::Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_commands(prompter), m_name(new QLineEdit(this)), m_caption(new controls::KelvoSelector(this)),
      m_special(new QCheckBox(kSpecialColumnCaption, this)), m_specialColumns(new QComboBox(this))
{
    setObjectName(QStringLiteral("FormRename"));
    setWindowTitle(kRenameCaption);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_name->setObjectName(QStringLiteral("txtFieldName"));
    m_caption->setObjectName(QStringLiteral("gmpCaption"));
    controls::UseCaptionViews(*m_caption, session.DtEn);
    m_special->setObjectName(QStringLiteral("chkSpecial"));
    m_specialColumns->setObjectName(QStringLiteral("cmbSpecialCols"));
    m_specialColumns->addItems({QStringLiteral("ID"), QStringLiteral("MotherID"), QStringLiteral("FormTypeID"),
                                QStringLiteral("FormID"), QStringLiteral("WorkID")});
    m_specialColumns->setCurrentIndex(0);
    m_specialColumns->setEnabled(false);
    connect(m_special, &QCheckBox::toggled, m_specialColumns, &QWidget::setEnabled);

    m_commands.connect(MakeCommand(*this, "cmdContinue", kConfirmCaption), [this] { cmdContinue_Click(); });
    m_commands.connect(MakeCommand(*this, "cmdCancel", kCancelCaption), [this] {
        m_newName.clear();
        m_ok = false;
        reject();
    });

    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(*this, kNewTitleLabel), 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(m_caption, 1, 1);
    grid->addWidget(m_special, 2, 0);
    grid->addWidget(m_specialColumns, 2, 1);
    grid->addLayout(ButtonRow(*this, {"cmdContinue", "cmdCancel"}), 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    resize(420, 160);
    m_commands.run([this] { m_caption->Refresh(); });
}

void FormRename::cmdContinue_Click()
{
    const QString name = m_name->text().trimmed();
    if (name.isEmpty() && !m_special->isChecked()) {
        m_prompter.ShowMessage(kErrorTitle, kNoTitleMessage);
        m_name->setFocus();
        return;
    }
    m_newName = name;
    m_specialColumn = m_special->isChecked() ? m_specialColumns->currentText() : QString();
    m_ok = true;
    accept();
}

FormAskColumn::FormAskColumn(front::Session& session, front::Prompter& prompter, const QString& referenceText,
                             const QString& columnText, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_commands(prompter), m_foreignKey(new QRadioButton(columnText, this)),
      m_referenceAltName(new QRadioButton(referenceText, this)), m_both(new QRadioButton(kBothCaption, this))
{
    setObjectName(QStringLiteral("FormAskColumn"));
    setWindowTitle(kQuestionCaption);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_foreignKey->setObjectName(QStringLiteral("optForeignKey"));
    m_referenceAltName->setObjectName(QStringLiteral("optReferenceAltName"));
    m_both->setObjectName(QStringLiteral("optBoth"));
    // None is chosen until the user chooses.
    auto* group = new QButtonGroup(this);
    group->setExclusive(false);
    for (QRadioButton* option : {m_foreignKey, m_referenceAltName, m_both}) {
        option->setAutoExclusive(false);
        group->addButton(option);
        connect(option, &QRadioButton::clicked, this, [this, option] {
            for (QRadioButton* other : {m_foreignKey, m_referenceAltName, m_both})
                other->setChecked(other == option);
        });
    }
    m_commands.connect(MakeCommand(*this, "cmdContinue", kConfirmCaption), [this] {
        if (answer() < 0) {
            m_prompter.ShowMessage(kErrorTitle, kChooseOptionMessage);
            return;
        }
        m_ok = true;
        accept();
    });
    m_commands.connect(MakeCommand(*this, "cmdCancel", kCancelCaption), [this] {
        m_ok = false;
        reject();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeLabel(*this, kReferenceQuestion, "lblTitle"));
    for (QRadioButton* option : {m_foreignKey, m_referenceAltName, m_both})
        layout->addWidget(option);
    layout->addLayout(ButtonRow(*this, {"cmdContinue", "cmdCancel"}));
    resize(420, 180);
}

int FormAskColumn::answer() const
{
    if (m_both->isChecked())
        return 2;
    if (m_foreignKey->isChecked())
        return 0;
    if (m_referenceAltName->isChecked())
        return 1;
    return -1;
}

int AskReferenceColumn(front::Session& session, front::Windows& windows, front::Prompter& prompter,
                       const QString& referenceText, const QString& columnText)
{
    FormAskColumn dialog(session, prompter, referenceText, columnText);
    windows.show(dialog, true);
    return dialog.OK() ? dialog.answer() : -1;
}

} // namespace kelvo::design
