#pragma once

#include "controls/SelectorRows.h"

#include <QWidget>

#include <memory>
#include <optional>

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
// Views have the columns ID, Code, Name and Value. The Minor view lists the
// rows offered for choosing (by code or name); the Major view every row an ID
// can be resolved to, so setting ID shows a row that is not offered (a hidden
// subsystem, say). Without a Minor view the Major view is offered.
// Refresh() reads both views whole; RefreshFiltered() applies MajorFilter to
// the Major view and MinorFilter to the Minor view.
//
// Change is raised once each time the chosen row changes, whether the user
// or the program (ID, Refresh) changed it.
class KelvoSelector final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE setActive)
public:
    explicit KelvoSelector(QWidget* parent = nullptr);
    ~KelvoSelector() override;

    // The connection the views are read through: the window's, which
    // outlives the selector.
    void setConnection(db::Connection& connection) { m_connection = &connection; }
    // The connection string of that connection; empty without one.
    QString Connection() const;
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

    // Reloads the views and clears the choice. Throws db::DbError when a
    // view cannot be read (the lists are then empty).
    void Refresh();
    // The same, keeping only the rows that satisfy the filters.
    void RefreshFiltered();

    // The chosen row's code; empty when nothing is chosen.
    QString Code() const;
    // The chosen row's identifier; -1 when nothing is chosen.
    int ID() const;
    // Chooses the row with this identifier (Major view first, then the
    // offered rows); nothing is chosen when neither has it.
    void setID(int id);
    bool IsEmpty() const { return !m_choice.has_value(); }
    // The chosen row's Value as text (a number); empty when nothing is chosen
    // or the row has none.
    QString Value() const;

    // The rows offered for choosing, and the rows an ID resolves to.
    const QList<SelectorRow>& rows() const { return m_offered; }
    const QList<SelectorRow>& majorRows() const { return m_major; }

Q_SIGNALS:
    void Change();

private:
    enum class Source { Program, CodeBox };

    void load(bool filtered);
    void fillList(QList<SelectorRow> major, QList<SelectorRow> offered);
    void choose(const SelectorRow* row, Source source);
    void chooseOffered(int index, Source source);
    void showChoice(Source source);
    void codeEdited(const QString& text);
    void codeFinished();
    void nameChosen(const QString& name);
    void nameFinished();
    void showList();
    db::Connection& connection() const;

    QLineEdit* txtCode;
    QLineEdit* txtName;
    QToolButton* cmdList;
    QCompleter* m_names;
    QStringListModel* m_nameModel;
    QString m_majorView, m_minorView, m_majorFilter, m_minorFilter, m_title;
    db::Connection* m_connection = nullptr;
    QList<SelectorRow> m_major;
    QList<SelectorRow> m_offered;
    std::optional<SelectorRow> m_choice;
    bool m_updating = false; // the boxes are being set by the program
};

// Makes the selector one of the captions (the caption views), read through
// the connection, right to left.
void UseCaptionViews(KelvoSelector& selector, db::Connection& connection);

} // namespace kelvo::controls
