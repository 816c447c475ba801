#pragma once

#include "design/QueryDesign.h"
#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QRadioButton;
class QWidget;

namespace kelvo::controls {
class KelvoDate;
class KelvoSelector;
} // namespace kelvo::controls

namespace kelvo::design {

class ColumnValuesModel;

// Picks the right-hand value of a comparison and gives it as SQL text, always
// in parentheses: typed, chosen from a selector or a date box, picked from
// the column's distinct values, or one of the run-time values.
class FormValues final : public QDialog {
    Q_OBJECT
public:
    FormValues(front::Session& session, front::Prompter& prompter, QWidget* parent = nullptr);
    ~FormValues() override;

    // Prepares the window for a column (either name may be empty); type,
    // when given, stands for the column's dictionary type.
    void prepare(const QString& table, const QString& column, bool multiSelect,
                 const std::optional<QString>& type = std::nullopt);
    bool Accepted() const { return m_accepted; }
    QString Result() const { return m_result; }
    // Unselects every listed value.
    void ClearValues();

private:
    void showPage(bool normal);
    void cmdOK_Click();
    QString normalValue() const;
    QString quoted(const QString& value) const;
    QString dateValue(const QString& value, bool blanks) const;

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::CommandRunner m_commands;
    QRadioButton *m_normal, *m_environment;
    QWidget *m_normalFrame, *m_environmentFrame;
    QLineEdit* m_text;
    QLabel* m_hint;
    controls::KelvoSelector* m_selector;
    controls::KelvoDate* m_date;
    QListView* m_values;
    ColumnValuesModel* m_valuesModel;
    QListWidget* m_environmentValues;
    ColumnValueSource m_source;
    bool m_multiSelect = false;
    bool m_accepted = false;
    QString m_result;
};

// Shows the value picker through windows: the value text when the user
// accepted one, none otherwise.
std::optional<QString> getValues(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                                 const QString& table, const QString& column, bool multiSelect,
                                 const std::optional<QString>& type = std::nullopt);

} // namespace kelvo::design
