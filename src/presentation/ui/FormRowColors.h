#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"
#include "presentation/RowShaping.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QTableWidget;

namespace kelvo::presentation {

class ReportGrid;

// The colours of a report's rows by the value of one column: per value a
// text colour and a background colour, which of the two apply, and the
// column.
class FormRowColors final : public QDialog {
    Q_OBJECT
public:
    FormRowColors(front::Session& session, front::Prompter& prompter, front::Windows& windows, qint32 reportID,
                  const ReportGrid& grid, QWidget* parent = nullptr);

    // Shows the window modally; true when the rule was saved.
    bool DefineColors();
    // The rule as the window holds it.
    RowColourRule rule() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addRow(const QString& value, quint32 foreColor, quint32 backColor);
    void paintRow(int row);
    void keepEmptyRow();
    void pickColour(int row, int column);
    void save();

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    qint32 m_reportID;
    QComboBox* m_column;
    QCheckBox *m_fore, *m_back;
    QTableWidget* m_values;
    bool m_saved = false;
};

} // namespace kelvo::presentation
