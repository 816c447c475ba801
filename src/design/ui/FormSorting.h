#pragma once

#include "front/ui/Commands.h"
#include "query/QueryModel.h"

#include <QDialog>

class QListWidget;
class QRadioButton;

namespace kelvo::front {
struct Session;
class Prompter;
} // namespace kelvo::front

namespace kelvo::design {

// The ORDER BY items, chosen in order from the select list's columns,
// aggregates and expressions, each ascending or descending. Reads the model
// and the Farsi ORDER BY text; on acceptance writes EOrderBy and FOrderBy.
class FormSorting final : public QDialog {
    Q_OBJECT
public:
    // Works on the session's query stores.
    FormSorting(front::Session& session, front::Prompter& prompter, QWidget* parent = nullptr);

    // An entry's item value: 10 × ColumnId + slot for a column, −(10 × index +
    // slot) for an expression; slot 0 is the plain item.
    static int ItemValue(query::ColumnId column, int slot) { return 10 * column + slot; }
    static int ExpressionItemValue(int index, int slot) { return -(10 * index + slot); }

private:
    void fill();
    void addChosen();
    void removeSelected();
    void selectionChanged();
    void setDirection(bool ascending);
    void accept() override;
    void updateCommands();

    query::QueryStores& m_stores;
    front::CommandRunner m_commands;
    QListWidget* m_columns;
    QListWidget* m_sortColumns;
    QRadioButton *m_ascending, *m_descending;
};

} // namespace kelvo::design
