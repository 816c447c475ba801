#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"
#include "parameters/ParameterDefinitions.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace kelvo::controls {
class KelvoSelector;
}

namespace kelvo::parameters {

// The parameters of one report: the list in form order, and the boxes of
// the one shown, which are edited in new or edit mode and saved into the
// report's parameter rows. The form's layout and the automatic creation of
// parameters are opened from here.
class FormDefineParameter final : public QDialog {
    Q_OBJECT
public:
    enum class Mode { New, Edit, Browse, BrowseWithSelection };

    FormDefineParameter(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                        QWidget* parent = nullptr);

    // Opens the report's parameters in browse mode, shown modally; returns
    // when the dialog is closed.
    void ShowNDefineParameter(qint32 reportID);
    // The same without showing the dialog.
    void open(qint32 reportID);
    Mode mode() const { return m_mode; }

private:
    void applyMode(Mode mode);
    void selectControlType(int controlTypeID);
    void showViewBoxes();
    void fillList();
    void clearBoxes();
    void showParameter(qint32 parameterID);
    void toControls(const ParameterDefinition& parameter);
    ParameterDefinition fromControls() const;
    std::optional<qint32> currentParameter() const;
    void selectParameter(qint32 parameterID);
    void newParameter();
    void editParameter();
    void save();
    void refuse(const QString& message, const char* control);
    void deleteSelected();
    void deleteAll();
    void editReportForm();
    void createAutomatically();
    void exitOrCancel();

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    qint32 m_reportID = 0;
    Mode m_mode = Mode::Browse;
    FormGrid m_grid;
    // The caption of the parameter shown, kept when it is saved with no
    // caption chosen.
    std::optional<int> m_shownCaption;
    bool m_filling = false; // the list is being filled by the program

    QListWidget* m_list;
    QLineEdit *m_id, *m_name, *m_description, *m_majorView, *m_minorView, *m_colSpan, *m_rowSpan, *m_sequence;
    controls::KelvoSelector* m_caption;
    QComboBox *m_type, *m_controlType;
    QLabel *m_majorLabel, *m_minorLabel;
    QCheckBox* m_visible;
};

} // namespace kelvo::parameters
