#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"
#include "parameters/ReportButtons.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace kelvo::controls {
class KelvoSelector;
}

namespace kelvo::parameters {

// The action buttons of one report; new and edit open FormNewButton.
class FormButtons final : public QDialog {
    Q_OBJECT
public:
    FormButtons(front::Session& session, front::Prompter& prompter, front::Windows& windows, qint32 reportID,
                QWidget* parent = nullptr);

    void initFlex();
    void FillFlex(qint32 reportID);

private:
    void updateCommands();
    void openButton(qint32 buttonID);
    std::optional<qint32> currentButton() const;

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    qint32 m_reportID;
    QTableWidget* m_grid;
};

// One button: its caption, its procedure and one value per parameter of the
// procedure, each a result column's heading or a constant.
class FormNewButton final : public QDialog {
    Q_OBJECT
public:
    // buttonID 0 or less: a new button.
    FormNewButton(front::Session& session, front::Prompter& prompter, front::Windows& windows, qint32 reportID,
                  qint32 buttonID, QWidget* parent = nullptr);

    void FillForm(qint32 buttonID);
    void FillCombo();
    void initFlex();
    bool saved() const { return m_saved; }
    const QList<repository::ProcedureParameterInfo>& procedureParameters() const { return m_parameters; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void procedureChanged();
    void addValue(const QString& value);
    void removeValue();
    void pickValue();
    void updateCommands();
    void save();
    QStringList values() const;

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    qint32 m_reportID;
    qint32 m_buttonID;
    QLineEdit* m_caption;
    controls::KelvoSelector* m_procedure;
    QLabel* m_help;
    QComboBox* m_valueList;
    QTableWidget* m_grid;
    QList<repository::ProcedureParameterInfo> m_parameters;
    bool m_saved = false;
};

} // namespace kelvo::parameters
