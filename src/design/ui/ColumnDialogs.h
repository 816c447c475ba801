#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kelvo::controls {
class KelvoSelector;
}

namespace kelvo::design {

// Gives a selected column a new title, or ties it to one of the host's
// special identifier columns.
class FormRename final : public QDialog {
    Q_OBJECT
public:
    FormRename(front::Session& session, front::Prompter& prompter, QWidget* parent = nullptr);

    bool OK() const { return m_ok; }
    QString NewName() const { return m_newName; }
    QString SpecialColumn() const { return m_specialColumn; }

private:
    void cmdContinue_Click();

    front::Prompter& m_prompter;
    front::CommandRunner m_commands;
    QLineEdit* m_name;
    controls::KelvoSelector* m_caption;
    QCheckBox* m_special;
    QComboBox* m_specialColumns;
    bool m_ok = false;
    QString m_newName, m_specialColumn;
};

// Asks what to show for a column that refers to another table.
class FormAskColumn final : public QDialog {
    Q_OBJECT
public:
    FormAskColumn(front::Session& session, front::Prompter& prompter, const QString& referenceText,
                  const QString& columnText, QWidget* parent = nullptr);
    bool OK() const { return m_ok; }
    // 0 the code only, 1 the description only, 2 both; -1 when none is chosen.
    int answer() const;

private:
    front::Prompter& m_prompter;
    front::CommandRunner m_commands;
    QRadioButton *m_foreignKey, *m_referenceAltName, *m_both;
    bool m_ok = false;
};

// Shows FormAskColumn through windows: the answer, or -1 when cancelled.
int AskReferenceColumn(front::Session& session, front::Windows& windows, front::Prompter& prompter,
                       const QString& referenceText, const QString& columnText);

} // namespace kelvo::design
