#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"

#include <QDialog>

class QLineEdit;

namespace kelvo::parameters {

// The grid of a report's parameter form: its number of columns and its row
// height (the column width is fixed and only shown). Saving refuses a
// column count below a parameter's length.
class FormReportForm final : public QDialog {
    Q_OBJECT
public:
    FormReportForm(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                   QWidget* parent = nullptr);

    // Loads the report's grid, shows the dialog modally and returns whether
    // the user saved.
    bool EditReportForm(qint32 reportID);
    void load(qint32 reportID);
    bool saved() const { return m_saved; }

private:
    void save();

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    QLineEdit *m_cols, *m_colWidth, *m_rowHeight;
    qint32 m_reportID = 0;
    bool m_saved = false;
};

} // namespace kelvo::parameters
