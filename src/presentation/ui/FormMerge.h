#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"
#include "presentation/ShapingDefinitions.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QRadioButton;

namespace kelvo::presentation {

class KelvoReport;
class ReportGrid;

// How each column of the grid on display takes part in merging its rows:
// the base columns, and for the others a sum, the distinct values or the
// first row's value.
class FormMerge final : public QDialog {
    Q_OBJECT
public:
    FormMerge(front::Session& session, front::Prompter& prompter, front::Windows& windows, qint32 reportID,
              KelvoReport& control, QWidget* parent = nullptr);

    // Shows the window modally; 1 after a save, else 0.
    int ShowForm();

private:
    void showType();
    void typeChosen(int type);
    void save();
    void removeMerge();

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    qint32 m_reportID;
    Presentation m_presentation;
    ReportGrid& m_grid;
    QListWidget* m_columns;
    QList<QRadioButton*> m_options; // by merge type
    QLabel* m_state;
    QHash<int, int> m_types; // by grid column
    int m_result = 0;
};

// The grid's columns 0 to the last as the layout rows record them.
QList<GridColumn> GridColumnsOf(const ReportGrid& grid);

} // namespace kelvo::presentation
