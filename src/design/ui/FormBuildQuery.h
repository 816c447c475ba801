#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"
#include "query/QueryModel.h"

#include <QDialog>
#include <QHash>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QStandardItemModel;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;

namespace kelvo::controls {
class KelvoSelector;
}

namespace kelvo::design {

// The visual query builder: the dictionary tree on one side, the selected
// columns grid on the other. Accepting writes the grid into the select
// items, the expressions and the model's tables; OK() tells the caller.
//
// The tree shows each node's Farsi description, or its database name when
// chkDBName is ticked; each node keeps the other text, its key and its tag,
// so everything written into the query uses keys and tags, never the text
// shown. Nodes are filled when first expanded.
class FormBuildQuery final : public QDialog {
    Q_OBJECT
public:
    enum GridColumn { ColFarsi, ColEnglish, ColCaptionNumber, ColCaption, ColWidth, ColAlignment, ColMerge, ColText };
    static constexpr int kGridColumns = 8;

    FormBuildQuery(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                   QWidget* parent = nullptr);
    ~FormBuildQuery() override;

    bool OK() const { return m_ok; }

    // The tree.
    void FillNode(const QString& key);
    bool ISNodeKeyExists(const QString& key) const { return m_nodes.contains(key); }
    QTreeWidgetItem* node(const QString& key) const { return m_nodes.value(key); }
    void findTable();

    // The grid.
    int gridRows() const; // data rows
    QString cell(int row, int column) const; // row 1-based, as the grid numbers them
    bool IsColumnSelected(const QString& english) const;
    static qsizetype FindOperator(const QString& text); // 1-based position, 0 when none
    void add();
    void removeCurrent();
    void rename();
    void moveCurrent(int by);
    void setCurrentRow(int row); // 1-based

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTree();
    void swapTexts();
    void fillList();
    void addColumnNode(QTreeWidgetItem* item);
    void addTableNode(QTreeWidgetItem* item);
    bool addReferenceColumn(const QString& key, const QString& farsi);
    void appendRow(const QString& farsi, const QString& english, const QString& captionNumber, const QString& caption);
    void appendToCurrent(const QString& farsi, const QString& english);
    void resetGrid();
    void paintCurrentRow();
    void updateInputs();
    void acceptGrid();
    void registerTables(query::QueryTableList& tables, const QString& english, int position, bool expression);

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    QTreeWidget* m_tree;
    QCheckBox* m_databaseNames;
    controls::KelvoSelector* m_tableFinder;
    QTableView* m_grid;
    QStandardItemModel* m_rows;
    QRadioButton *m_columnMode, *m_constantMode, *m_operatorMode;
    QLineEdit* m_constant;
    QComboBox* m_operators;
    QHash<QString, QTreeWidgetItem*> m_nodes;
    bool m_awaitingOperand = false;
    bool m_ok = false;
};

} // namespace kelvo::design
