#pragma once

#include "front/ui/Commands.h"
#include "query/QueryModel.h"

#include <QDialog>

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace kelvo::front {
struct Session;
class Prompter;
} // namespace kelvo::front

namespace kelvo::design {

// Which selected columns are grouped and which aggregates apply to which
// columns and expressions. Works on the query model; on acceptance the
// model's Grouped flags and aggregates are written, and the select list
// shows the aggregates.
class FormGrouping final : public QDialog {
    Q_OBJECT
public:
    // Works on the session's query stores; Oracle offers five functions.
    FormGrouping(front::Session& session, front::Prompter& prompter, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill(bool oracle);
    void addAggregate();
    void groupingChanged(QListWidgetItem* item);
    void removeChosenColumn();
    void accept() override;
    void updateCommands();
    bool hasAggregate(int itemValue) const;
    bool isGrouped(int itemValue) const;

    query::QueryStores& m_stores;
    front::Prompter& m_prompter;
    front::CommandRunner m_commands;
    QListWidget* m_grouping;
    QComboBox* m_column;
    QComboBox* m_function;
    QListWidget* m_aggregated;
};

} // namespace kelvo::design
