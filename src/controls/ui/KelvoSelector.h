#pragma once

#include "controls/SelectorRows.h"

#include <QWidget>

#include <memory>

class QCompleter;
class QLineEdit;
class QStringListModel;
class QToolButton;

namespace kelvo::db {
class Connection;
}

namespace kelvo::controls {

// A look-up box over the rows of a database view: a code box, a name box and
// a list button side by side (right to left). The user picks a row by typing
// its code (the exact code, or on leaving the box the only code that starts
// with what was typed), by typing part of its name and choosing from the
// names that contain it, or from the whole list.
//
// The list is drawn from MajorView, whose columns are ID, Code, Name and
// Value. Refresh() lists the whole view; RefreshFiltered() lists the rows
// that satisfy MajorFilter. MinorView and MinorFilter name the companion view
// and its condition; they are kept for the windows that set them.
//
// Change is raised once each time the chosen row changes, whether the user
// or the program (ID, Refresh) changed it.
class KelvoSelector final : public QWidget {
    Q_OBJECT
public:
    explicit KelvoSelector(QWidget* parent = nullptr);
    ~KelvoSelector() override;

    // The connection string the view is read through; opened on the next refresh.
    void setConnection(const QString& connectionString);
    QString Connection() const { return m_connectionString; }
    void setMajorView(const QString& view) { m_majorView = view; }
    QString MajorView() const { return m_majorView; }
    void setMinorView(const QString& view) { m_minorView = view; }
    QString MinorView() const { return m_minorView; }
    void setMajorFilter(const QString& filter) { m_majorFilter = filter; }
    QString MajorFilter() const { return m_majorFilter; }
    void setMinorFilter(const QString& filter) { m_minorFilter = filter; }
    QString MinorFilter() const { return m_minorFilter; }
    void setTitle(const QString& title);
    QString Title() const { return m_title; }
    void setRightToLeft(bool rightToLeft);
    bool RightToLeft() const { return layoutDirection() == Qt::RightToLeft; }
    // False on a hidden or unused alternative: the box takes no input.
    void setActive(bool active) { setEnabled(active); }
    bool Active() const { return isEnabled(); }

    // Reloads the list from MajorView and clears the choice. Throws
    // db::DbError when the view cannot be read (the list is then empty).
    void Refresh();
    // The same, keeping only the rows that satisfy MajorFilter.
    void RefreshFiltered();

    // The chosen row's code; empty when nothing is chosen.
    QString Code() const;
    // The chosen row's identifier; -1 when nothing is chosen.
    int ID() const;
    // Chooses the row with this identifier; nothing is chosen when the list
    // has no such row.
    void setID(int id);
    bool IsEmpty() const { return m_current < 0; }
    // The chosen row's Value as text (a number); empty when nothing is chosen
    // or the row has none.
    QString Value() const;

    const QList<SelectorRow>& rows() const { return m_rows; }

Q_SIGNALS:
    void Change();

private:
    enum class Source { Program, CodeBox };

    void load(const QString& filter);
    void fillList(const QList<SelectorRow>& rows);
    void choose(int row, Source source);
    void showChoice(Source source);
    void codeEdited(const QString& text);
    void codeFinished();
    void nameChosen(const QString& name);
    void nameFinished();
    void showList();
    db::Connection& connection();

    QLineEdit* txtCode;
    QLineEdit* txtName;
    QToolButton* cmdList;
    QCompleter* m_names;
    QStringListModel* m_nameModel;
    QString m_connectionString;
    QString m_majorView, m_minorView, m_majorFilter, m_minorFilter, m_title;
    std::unique_ptr<db::Connection> m_connection;
    QList<SelectorRow> m_rows;
    int m_current = -1;
    bool m_updating = false; // the boxes are being set by the program
};

} // namespace kelvo::controls
