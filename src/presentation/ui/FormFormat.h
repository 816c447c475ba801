#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"
#include "presentation/ShapingDefinitions.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace kelvo::presentation {

class KelvoReport;

// The alignment and width of each column of the presentation on display,
// whether a column of the distributed presentation is left out of text
// files, and the grid's row height.
class FormFormat final : public QDialog {
    Q_OBJECT
public:
    FormFormat(front::Session& session, front::Prompter& prompter, front::Windows& windows, qint32 reportID,
               KelvoReport& control, QWidget* parent = nullptr);

    // Shows the dialog modally; true when it saved.
    bool showFormats();
    const QList<ColumnFormat>& formats() const { return m_formats; }

private:
    void showColumn();
    void save();

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    qint32 m_reportID;
    Presentation m_presentation;
    QList<ColumnFormat> m_formats; // grid columns 1 on
    bool m_hasRowHeight = false;
    QComboBox* m_column;
    QLineEdit *m_size, *m_rowHeight;
    QList<QRadioButton*> m_alignments; // left, centre, right
    QCheckBox* m_invisible;
    bool m_showing = false;
    bool m_saved = false;
};

} // namespace kelvo::presentation
