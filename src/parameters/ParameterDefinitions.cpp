#include "parameters/ParameterDefinitions.h"

#include "parameters/Messages.h"
#include "parameters/ParameterStatements.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "query/QueryModel.h"
#include "sql/SqlDialect.h"
#include "text/PersianText.h"
#include "text/TextPrimitives.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace kelvo::parameters {

namespace {

constexpr int kDesignColumnBase = 1000;

// NULL for a blank text, else the text trimmed.
QVariant TextOrNull(const QString& text)
{
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? QVariant() : QVariant(trimmed);
}

QVariant OptionalNumber(const std::optional<int>& n)
{
    return n ? QVariant(*n) : QVariant();
}

int IntOr(const QVariant& v, int fallback)
{
    return v.isNull() ? fallback : v.toInt();
}

// The bound values of a definition from Name to CaptionID, in the order of
// the insert and update statements.
QVariantList DefinitionValues(const ParameterDefinition& p)
{
    return {p.name.trimmed(), p.type.trimmed(), OptionalNumber(p.controlTypeID), TextOrNull(p.description),
            TextOrNull(p.majorView), TextOrNull(p.minorView), p.colSpan, p.rowSpan, p.sequence,
            p.visible ? 1 : 0, OptionalNumber(p.captionID)};
}

bool HasRows(db::Connection& db, const QString& statement, const QVariantList& values)
{
    return !db.openRecordset(statement, values, db::CursorType::ForwardOnly).eof();
}

} // namespace

ViewBoxes ViewBoxesOf(std::optional<int> controlTypeID)
{
    if (!controlTypeID)
        return ViewBoxes::None;
    switch (*controlTypeID) {
    case kDropDownControl:
        return ViewBoxes::Major;
    case kMultiListControl:
    case kSelectorControl:
    case kTreeSelectorControl:
    case kSearchSelectorControl:
        return ViewBoxes::Both;
    default:
        return ViewBoxes::None;
    }
}

int BoxNumber(const QString& text)
{
    int n = 0;
    return text::ToInt32(text::LeadingNumber(text::AsciiDigits(text)), n) ? n : 0;
}

int AbsoluteBoxNumber(const QString& text)
{
    const int n = BoxNumber(text);
    return n == std::numeric_limits<int>::min() ? 0 : std::abs(n);
}

void RaiseRowSpan(ParameterDefinition& parameter)
{
    if (parameter.controlTypeID == kMultiListControl && parameter.rowSpan < kMultiListMinRows)
        parameter.rowSpan = kMultiListMinRows;
}

std::optional<Refusal> CheckParameter(const ParameterDefinition& p, const FormGrid& grid)
{
    if (p.name.trimmed().isEmpty())
        return Refusal{kNoTitleMessage, "txtName"};
    if (grid.columns <= 0)
        return Refusal{kNoFormColumnsMessage, "cmdReportForm"};
    if (p.colSpan <= 0)
        return Refusal{kNoColSpanMessage, "txtColSpan"};
    if (p.rowSpan <= 0)
        return Refusal{kNoRowSpanMessage, "txtRowSpan"};
    if (grid.columnWidth <= 0)
        return Refusal{kNoColumnWidthMessage, "cmdReportForm"};
    if (grid.rowHeight <= 0)
        return Refusal{kNoRowHeightMessage, "cmdReportForm"};
    if (grid.columns < p.colSpan)
        return Refusal{kColSpanTooLongMessage, "txtColSpan"};
    return std::nullopt;
}

QStringList SqlTypeNames(db::Connection& db)
{
    QStringList names;
    for (db::Recordset rs = db.openRecordset(statements::SqlTypeNames(), {}, db::CursorType::ForwardOnly); !rs.eof();
         rs.moveNext())
        names << rs.text(QStringLiteral("name"));
    return names;
}

QList<ControlTypeEntry> ControlTypes(db::Connection& db)
{
    QList<ControlTypeEntry> kinds;
    for (db::Recordset rs = db.openRecordset(statements::ControlTypes(), {}, db::CursorType::ForwardOnly); !rs.eof();
         rs.moveNext())
        kinds.append({rs.value(QStringLiteral("ID")).toInt(), rs.text(QStringLiteral("Name"))});
    std::stable_sort(kinds.begin(), kinds.end(),
                     [](const ControlTypeEntry& a, const ControlTypeEntry& b) { return a.name < b.name; });
    return kinds;
}

QList<ParameterEntry> ParameterList(db::Connection& db, qint32 reportID)
{
    QList<ParameterEntry> entries;
    for (db::Recordset rs = db.openRecordset(statements::ParameterList(), {reportID}, db::CursorType::ForwardOnly);
         !rs.eof(); rs.moveNext())
        entries.append({rs.value(QStringLiteral("ParameterID")).toInt(), rs.text(QStringLiteral("Description")),
                        rs.text(QStringLiteral("Name"))});
    return entries;
}

std::optional<ParameterDefinition> LoadParameter(db::Connection& db, qint32 reportID, qint32 parameterID)
{
    db::Recordset rs = db.openRecordset(statements::Parameter(), {parameterID, reportID}, db::CursorType::ForwardOnly);
    if (rs.eof())
        return std::nullopt;
    ParameterDefinition p;
    p.parameterID = parameterID;
    p.name = rs.text(QStringLiteral("Name"));
    p.type = rs.text(QStringLiteral("Type"));
    const QVariant control = rs.value(QStringLiteral("ControlTypeID"));
    p.controlTypeID = control.isNull() ? std::nullopt : std::optional<int>(control.toInt());
    p.description = rs.text(QStringLiteral("Description"));
    p.majorView = rs.text(QStringLiteral("MajorView"));
    p.minorView = rs.text(QStringLiteral("MinorView"));
    p.colSpan = IntOr(rs.value(QStringLiteral("ColSpan")), 1);
    p.rowSpan = IntOr(rs.value(QStringLiteral("RowSpan")), 1);
    p.sequence = IntOr(rs.value(QStringLiteral("Sequence")), 0);
    p.visible = IntOr(rs.value(QStringLiteral("Visible")), 1) != 0;
    const QVariant caption = rs.value(QStringLiteral("CaptionID"));
    p.captionID = caption.isNull() ? std::nullopt : std::optional<int>(caption.toInt());
    return p;
}

int NextSequence(db::Connection& db, qint32 reportID)
{
    db::Recordset rs = db.openRecordset(statements::MaxSequence(), {reportID}, db::CursorType::ForwardOnly);
    return rs.eof() ? 1 : IntOr(rs.value(QStringLiteral("MAXSEQ")), 0) + 1;
}

FormGrid LoadFormGrid(db::Connection& db, qint32 reportID)
{
    db::Recordset rs =
        db.openRecordset(statements::FormGrid(sql::Dialect::Of(db)), {reportID}, db::CursorType::ForwardOnly);
    FormGrid grid;
    if (!rs.eof()) {
        grid.columns = rs.value(QStringLiteral("Cols")).toInt();
        grid.rowHeight = rs.value(QStringLiteral("RowHeight")).toInt();
    }
    return grid;
}

bool CaptionTaken(db::Connection& db, qint32 reportID, int captionID)
{
    return HasRows(db, statements::ParameterWithCaption(), {reportID, captionID});
}

bool TitleTaken(db::Connection& db, qint32 reportID, const QString& title, qint32 parameterID)
{
    return HasRows(db, statements::OtherParameterWithTitle(),
                   {reportID, sql::Dialect::Of(db).likeLiteral(title.trimmed()), parameterID});
}

qint32 CreateParameter(db::Connection& db, qint32 reportID, const ParameterDefinition& parameter)
{
    // The number and the row are written together, so two users creating a
    // parameter at once cannot take the same number.
    db::Transaction transaction(db);
    db::Recordset rs = db.openRecordset(statements::NewParameterID(sql::Dialect::Of(db)), {reportID},
                                        db::CursorType::ForwardOnly);
    const qint32 id = rs.eof() ? 1 : IntOr(rs.value(QStringLiteral("newParameterID")), 1);
    rs.close();
    db.execute(statements::InsertParameter(), QVariantList{reportID, id} + DefinitionValues(parameter));
    transaction.commit();
    return id;
}

void UpdateParameter(db::Connection& db, qint32 reportID, const ParameterDefinition& parameter)
{
    db.execute(statements::UpdateParameter(),
               DefinitionValues(parameter) + QVariantList{parameter.parameterID, reportID});
}

void DeleteParameters(db::Connection& db, qint32 reportID, const QList<qint32>& parameterIDs)
{
    db::Transaction transaction(db);
    for (const qint32 id : parameterIDs)
        db.execute(statements::DeleteParameter(), {id, reportID});
    transaction.commit();
}

void DeleteAllParameters(db::Connection& db, qint32 reportID)
{
    db.execute(statements::DeleteAllParameters(), {reportID});
}

std::optional<int> StoredFormColumns(db::Connection& db, qint32 reportID)
{
    db::Recordset rs = db.openRecordset(statements::ReportRow(), {reportID}, db::CursorType::ForwardOnly);
    if (rs.eof())
        return std::nullopt;
    return IntOr(rs.value(QStringLiteral("Cols")), 1);
}

bool ParameterWiderThan(db::Connection& db, qint32 reportID, int columns)
{
    return HasRows(db, statements::ParameterWiderThan(), {reportID, columns});
}

void SaveFormGrid(db::Connection& db, qint32 reportID, int columns, int rowHeight)
{
    db.execute(statements::UpdateFormGrid(), {columns, rowHeight, reportID});
}

QList<DesignColumn> DesignColumns(const query::QueryTableList& tables)
{
    QList<DesignColumn> columns;
    for (int t = 1; t <= tables.count(); ++t) {
        const query::QueryTable& table = tables.tables[t - 1];
        for (int c = 1; c <= table.ColumnCount(); ++c) {
            const query::QueryColumn& column = table.Columns[c - 1];
            columns.append({DesignColumnNumber(t, c), table.Description + u'_' + column.Description,
                            column.Selected});
        }
    }
    return columns;
}

int DesignColumnNumber(int table, int column)
{
    return table * kDesignColumnBase + column;
}

int DesignColumnTable(int number)
{
    return number / kDesignColumnBase;
}

int DesignColumnColumn(int number)
{
    return number % kDesignColumnBase;
}

void CreateParameterForColumn(db::Connection& db, qint32 reportID, const QString& table, const QString& column)
{
    db.callProcedure(statements::CreateParameterProcedure(), {{QStringLiteral("@ReportID"), reportID},
                                                              {QStringLiteral("@TableName"), table},
                                                              {QStringLiteral("@ColumnName"), column}});
}

} // namespace kelvo::parameters
