#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"
#include "parameters/ParameterDefinitions.h"

#include <QDialog>

class QCheckBox;
class QListWidget;

namespace kelvo::parameters {

// Lists every column of every table of the query being designed; for each
// column the user marks, the host's procedure creates a parameter of the
// report.
class FormParameterCreator final : public QDialog {
    Q_OBJECT
public:
    FormParameterCreator(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                         qint32 reportID, QWidget* parent = nullptr);

    // Shows the dialog modally; true when at least one parameter was created.
    bool CreateParametersAutomatically();
    bool created() const { return m_created; }

private:
    void markAll(bool on);
    void markSelected(bool on);
    void createParameters();

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    qint32 m_reportID;
    QList<DesignColumn> m_columns; // one per list entry, in list order
    QListWidget* m_list;
    QCheckBox *m_allColumns, *m_selectColumns;
    bool m_created = false;
};

} // namespace kelvo::parameters
