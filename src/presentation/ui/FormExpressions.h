#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"
#include "presentation/ShapingDefinitions.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace kelvo::controls {
class KelvoSelector;
}

namespace kelvo::presentation {

// One row expression: its title, and the expression of the first row and of
// the later rows, built from the grid's columns of the current and the
// previous row, numbers and operators.
class FormAddExpr final : public QDialog {
    Q_OBJECT
public:
    // headings[i]: grid column i's heading; the last is the column being
    // defined. titles: the titles of the other expressions of the list.
    FormAddExpr(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                const QStringList& headings, const QStringList& titles, QWidget* parent = nullptr);

    // A new expression, or the edited one; none when cancelled.
    std::optional<StoredExpression> ClearShow();
    std::optional<StoredExpression> Edit(const StoredExpression& expression);

    void load(const StoredExpression& expression);
    std::optional<StoredExpression> result() const { return m_result; }

private:
    // Appends to the expression; operandNext: an operand comes next.
    void append(const QString& piece, bool operandNext);
    void addOperand();
    void expressionEdited();
    void accept() override;
    void updateCommands();

    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    QStringList m_headings, m_titles;
    controls::KelvoSelector* m_caption;
    QLineEdit *m_title, *m_expression, *m_farsi;
    QComboBox *m_column, *m_display;
    QRadioButton *m_firstRow, *m_laterRows, *m_both;
    QString m_general, m_firstRowText;
    bool m_expectOperand = true;
    std::optional<StoredExpression> m_result;
};

// The report's row expressions as a list edited in memory; OK writes it.
class FormExprFlex final : public QDialog {
    Q_OBJECT
public:
    FormExprFlex(front::Session& session, front::Prompter& prompter, front::Windows& windows, qint32 reportID,
                 const QStringList& headings, QWidget* parent = nullptr);

    // Shows the list modally; true when it was saved.
    bool ShowRowExpressions();
    const QList<StoredExpression>& expressions() const { return m_expressions; }

private:
    void fill();
    void edit(int row);
    void move(int by);
    void reject() override;

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    qint32 m_reportID;
    QStringList m_headings; // the grid's, with one more for a new column
    QTableWidget* m_grid;
    QList<StoredExpression> m_expressions;
    bool m_saved = false;
};

} // namespace kelvo::presentation
