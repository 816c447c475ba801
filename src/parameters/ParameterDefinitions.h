#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace kelvo::db {
class Connection;
}
namespace kelvo::query {
struct QueryTableList;
}

// A report's parameters as the parameter windows read and write them, and
// the grid of the form on which the report asks for them.
namespace kelvo::parameters {

// Entry control kinds with a fixed meaning here.
inline constexpr int kTextBoxControl = 1002; // a new parameter's kind
inline constexpr int kDropDownControl = 1003; // one view
inline constexpr int kMultiListControl = 1007; // two views, at least five rows
inline constexpr int kSelectorControl = 13;     // two views
inline constexpr int kTreeSelectorControl = 4;  // two views
inline constexpr int kSearchSelectorControl = 2; // two views
inline constexpr int kMultiListMinRows = 5;

// The form grid's defaults: the width never changes; a report without a
// row height uses 400.
inline constexpr int kColumnWidth = 4000;
inline constexpr int kDefaultRowHeight = 400;

// Which view boxes a control kind uses.
enum class ViewBoxes { None, Major, Both };
ViewBoxes ViewBoxesOf(std::optional<int> controlTypeID);

struct ParameterDefinition {
    qint32 parameterID = 0;
    QString name; // the title, as queries and other reports name it
    QString type = QStringLiteral("varchar");
    std::optional<int> controlTypeID = kTextBoxControl; // none when not chosen
    QString description; // blank is stored as NULL, like the two views
    QString majorView, minorView;
    int colSpan = 1;
    int rowSpan = 1;
    int sequence = 1;
    bool visible = true;
    std::optional<int> captionID; // none is stored as NULL
};

struct ParameterEntry {
    qint32 parameterID = 0;
    QString description;
    QString name;
    // What the list shows: the description, the title when it has none.
    QString text() const { return description.trimmed().isEmpty() ? name : description; }
};

struct ControlTypeEntry {
    int id = 0;
    QString name;
};

struct FormGrid {
    int columns = 1;
    int columnWidth = kColumnWidth;
    int rowHeight = kDefaultRowHeight;
};

// A number typed into a box: its leading decimal number (Persian digits
// read as such), 0 when the text does not start with one or it does not fit.
int BoxNumber(const QString& text);
// The same without its sign.
int AbsoluteBoxNumber(const QString& text);

// Why a parameter cannot be saved, and the control to put the focus on.
struct Refusal {
    QString message;
    const char* control;
};
// The checks before a save, in their order, on a definition whose row span
// has had RaiseRowSpan applied; none when it may be saved.
std::optional<Refusal> CheckParameter(const ParameterDefinition& parameter, const FormGrid& grid);
// A multi-choice list is never lower than kMultiListMinRows rows.
void RaiseRowSpan(ParameterDefinition& parameter);

QStringList SqlTypeNames(db::Connection& db);
// By name.
QList<ControlTypeEntry> ControlTypes(db::Connection& db);

// The report's parameters in form order.
QList<ParameterEntry> ParameterList(db::Connection& db, qint32 reportID);
std::optional<ParameterDefinition> LoadParameter(db::Connection& db, qint32 reportID, qint32 parameterID);
// The Sequence a new parameter of the report starts with.
int NextSequence(db::Connection& db, qint32 reportID);
// The report's form grid: its column count (1 when it has none) and row
// height (kDefaultRowHeight when it has none); the defaults when the report
// has no row.
FormGrid LoadFormGrid(db::Connection& db, qint32 reportID);

// Whether another parameter of the report has this caption (on creating)
// or this title (on editing parameterID).
bool CaptionTaken(db::Connection& db, qint32 reportID, int captionID);
bool TitleTaken(db::Connection& db, qint32 reportID, const QString& title, qint32 parameterID);

// Writes a new parameter with the report's next number, which it returns.
qint32 CreateParameter(db::Connection& db, qint32 reportID, const ParameterDefinition& parameter);
void UpdateParameter(db::Connection& db, qint32 reportID, const ParameterDefinition& parameter);
// Deletes these parameters, all or none.
void DeleteParameters(db::Connection& db, qint32 reportID, const QList<qint32>& parameterIDs);
void DeleteAllParameters(db::Connection& db, qint32 reportID);

// The form layout: the report's column count as stored (none when the report
// has no row, 1 when it has none), whether a parameter is wider than a
// column count, and writing the column count and row height.
std::optional<int> StoredFormColumns(db::Connection& db, qint32 reportID);
bool ParameterWiderThan(db::Connection& db, qint32 reportID, int columns);
void SaveFormGrid(db::Connection& db, qint32 reportID, int columns, int rowHeight);

// A column of the visual design as the automatic creation lists it: its
// number is table × 1000 + column (both from 1).
struct DesignColumn {
    int number = 0;
    QString text; // table description "_" column description
    bool selected = false; // an item of the select list
};
// Every column of every table of the design, in table and column order.
QList<DesignColumn> DesignColumns(const query::QueryTableList& tables);
int DesignColumnNumber(int table, int column);
int DesignColumnTable(int number);
int DesignColumnColumn(int number);
// Has the host's procedure create the report's parameter for one column.
void CreateParameterForColumn(db::Connection& db, qint32 reportID, const QString& table, const QString& column);

} // namespace kelvo::parameters
