#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;

namespace kelvo::presentation {

class KelvoReport;
class ReportGrid;

// Which column's values become the headings of a distributed result and
// which columns are spread under them; a preview lists the new headings,
// whose order the user may change.
class FormInColumns final : public QDialog {
    Q_OBJECT
public:
    FormInColumns(front::Session& session, front::Prompter& prompter, front::Windows& windows, qint32 reportID,
                  KelvoReport& control, QWidget* parent = nullptr);

    // Shows the window modally; true when it saved.
    bool showDistribution();

private:
    void togglePreview();
    void fillPreview();
    void moveValue(int by);
    void valueColumnsChanged();
    void save();
    void removeDistribution();

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    qint32 m_reportID;
    KelvoReport& m_control;
    const ReportGrid& m_grid;
    QComboBox* m_distributing;
    QListWidget *m_valueColumns, *m_preview;
    QLabel* m_count;
    bool m_previewOpen = false;
    bool m_previewMoved = false;
    QList<int> m_lastValueRows;
    bool m_saved = false;
};

} // namespace kelvo::presentation
