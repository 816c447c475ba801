#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"
#include "query/QueryModel.h"

#include <QDialog>

class QComboBox;
class QPlainTextEdit;
class QRadioButton;

namespace kelvo::design {

// Builds the WHERE clause one comparison at a time, in both languages at
// once, writing EWhere and FWhere of the clauses directly. Accept and cancel
// both just close: what was appended stays.
class FormAddCons final : public QDialog {
    Q_OBJECT
public:
    FormAddCons(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                query::QueryStores& stores, qint32 reportID, QWidget* parent = nullptr);

    // Lists the model's columns, the operators and the report's parameters.
    void FillLists();

private:
    enum class ValueKind { Column, Parameter, Literal };
    void fillColumnItems();
    void fillOperators();
    void addComparison();
    void append(const QString& english, const QString& farsi);
    void addRelations();
    void pickValues();
    void toggleEditing();
    void showLanguage();
    void updateCommands();
    void removeLiterals();
    ValueKind valueKind(int index) const;
    bool farsiShown() const;

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    query::QueryStores& m_stores;
    qint32 m_reportID;
    QComboBox *m_column, *m_operator, *m_value;
    QPlainTextEdit* m_query;
    QRadioButton *m_farsi, *m_english;
    int m_columnItems = 0;
    bool m_relationsAdded = false;
    bool m_editing = false;
    bool m_showing = false;
};

} // namespace kelvo::design
