#include "presentation/ShapingDefinitions.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "presentation/ReportStatements.h"
#include "presentation/ShapingStatements.h"
#include "repository/Captions.h"

namespace kelvo::presentation {

namespace {

QVariant OptionalNumber(const std::optional<int>& n)
{
    return n ? QVariant(*n) : QVariant();
}

} // namespace

QString LayoutTable(Presentation presentation)
{
    return presentation == Presentation::Distributed ? QStringLiteral("tblKelvoReportTranspose")
                                                     : QStringLiteral("tblKelvoReportLayout");
}

void SyncLayoutRows(db::Connection& db, qint32 reportID, Presentation presentation, const QList<GridColumn>& columns)
{
    const QString table = LayoutTable(presentation);
    for (int i = 0; i < columns.size(); ++i) {
        if (!db.openRecordset(statements::LayoutRow(table), {reportID, i}, db::CursorType::ForwardOnly).eof())
            continue;
        db.execute(statements::InsertLayoutRow(table), {reportID, i, columns[i].alignment, columns[i].width});
    }
    db.execute(statements::DeleteLayoutRowsAfter(table), {reportID, int(columns.size()) - 1});
}

QHash<int, int> StoredMergeTypes(db::Connection& db, qint32 reportID, Presentation presentation)
{
    QHash<int, int> types;
    for (db::Recordset rs = db.openRecordset(statements::LayoutRows(LayoutTable(presentation)), {reportID},
                                             db::CursorType::ForwardOnly);
         !rs.eof(); rs.moveNext())
        types.insert(rs.value(QStringLiteral("ColumnNumber")).toInt(), rs.value(QStringLiteral("MergeType")).toInt());
    return types;
}

bool HasMerge(db::Connection& db, qint32 reportID, Presentation presentation)
{
    return !db.openRecordset(statements::MergedLayoutRows(LayoutTable(presentation)), {reportID},
                             db::CursorType::ForwardOnly)
                .eof();
}

void SaveMerge(db::Connection& db, qint32 reportID, Presentation presentation, const QList<GridColumn>& columns,
               const QHash<int, int>& types)
{
    db::Transaction transaction(db);
    SyncLayoutRows(db, reportID, presentation, columns);
    for (int c = 0; c < columns.size(); ++c)
        db.execute(statements::UpdateMergeType(LayoutTable(presentation)), {types.value(c, 0), reportID, c});
    db.execute(statements::SetMerged(), {1, reportID});
    transaction.commit();
}

void RemoveMerge(db::Connection& db, qint32 reportID)
{
    db::Transaction transaction(db);
    db.execute(statements::SetMerged(), {0, reportID});
    db.execute(statements::ClearMergeTypes(LayoutTable(Presentation::Normal)), {reportID});
    db.execute(statements::ClearMergeTypes(LayoutTable(Presentation::Distributed)), {reportID});
    transaction.commit();
}

int ReadColoringType(db::Connection& db, qint32 reportID)
{
    try {
        db::Recordset rs = db.openRecordset(statements::ReportRow(), {reportID}, db::CursorType::ForwardOnly);
        if (rs.eof() || rs.isNull(QStringLiteral("ColoringType")))
            return 1;
        return rs.value(QStringLiteral("ColoringType")).toInt();
    } catch (const db::DbError&) {
        return 1; // a report that cannot be read colours as the default
    }
}

RowColourRule LoadRowColors(db::Connection& db, qint32 reportID)
{
    RowColourRule rule;
    rule.type = ReadColoringType(db, reportID);
    for (db::Recordset rs = db.openRecordset(statements::ReportColours(), {reportID}, db::CursorType::ForwardOnly);
         !rs.eof(); rs.moveNext())
        rule.values.append({rs.value(QStringLiteral("Value")).toDouble(),
                            quint32(rs.value(QStringLiteral("ForeColor")).toLongLong()),
                            quint32(rs.value(QStringLiteral("BackColor")).toLongLong())});
    db::Recordset report = db.openRecordset(statements::ReportRow(), {reportID}, db::CursorType::ForwardOnly);
    if (!report.eof() && !report.isNull(QStringLiteral("ColoryReportColumn")))
        rule.gridColumn = report.value(QStringLiteral("ColoryReportColumn")).toInt();
    return rule;
}

void SaveRowColors(db::Connection& db, qint32 reportID, const RowColourRule& rule)
{
    db::Transaction transaction(db);
    db.execute(statements::UpdateColouring(),
               {rule.gridColumn < 0 ? QVariant() : QVariant(rule.gridColumn), rule.type, reportID});
    db.execute(statements::DeleteColours(), {reportID});
    for (const RowColourRule::Value& v : rule.values)
        db.execute(statements::InsertColour(), {reportID, v.value, qint64(v.foreColor), qint64(v.backColor)});
    transaction.commit();
}

QList<StoredExpression> LoadExpressions(db::Connection& db, qint32 reportID)
{
    QList<StoredExpression> expressions;
    for (db::Recordset rs = db.openRecordset(statements::ReportExpressions(), {reportID}, db::CursorType::ForwardOnly);
         !rs.eof(); rs.moveNext()) {
        StoredExpression s;
        RowExpression& e = s.expression;
        e.title = rs.text(QStringLiteral("Name"));
        const QVariant caption = rs.value(QStringLiteral("CaptionID"));
        if (!caption.isNull())
            s.captionID = caption.toInt();
        if (e.title.trimmed().isEmpty() && s.captionID)
            e.title = repository::GetCaptionText(db, *s.captionID);
        e.general = rs.text(QStringLiteral("GeneralExpression"));
        e.firstRow = rs.isNull(QStringLiteral("FirstRowExpression")) ? e.general
                                                                      : rs.text(QStringLiteral("FirstRowExpression"));
        const QVariant sign = rs.value(QStringLiteral("JustShowPositiveValue"));
        if (!sign.isNull())
            e.positiveOnly = sign.toInt() != 0;
        expressions.append(s);
    }
    return expressions;
}

void SaveExpressions(db::Connection& db, qint32 reportID, const QList<StoredExpression>& expressions)
{
    db::Transaction transaction(db);
    db.execute(statements::DeleteExpressions(), {reportID});
    for (int i = 0; i < expressions.size(); ++i) {
        const RowExpression& e = expressions[i].expression;
        db.execute(statements::InsertExpression(),
                   {reportID, i, e.title, e.general, e.positiveOnly ? QVariant(*e.positiveOnly ? 1 : 0) : QVariant(),
                    e.firstRow, OptionalNumber(expressions[i].captionID)});
    }
    transaction.commit();
}

QHash<int, ColumnFormat> StoredFormats(db::Connection& db, qint32 reportID, Presentation presentation)
{
    const auto number = [](const db::Recordset& rs, const char* name) {
        const QVariant v = rs.value(QLatin1String(name));
        return v.isNull() || v.toString().isEmpty() ? 0 : v.toInt();
    };
    QHash<int, ColumnFormat> formats;
    for (db::Recordset rs = db.openRecordset(statements::LayoutRows(LayoutTable(presentation)), {reportID},
                                             db::CursorType::ForwardOnly);
         !rs.eof(); rs.moveNext()) {
        ColumnFormat f;
        f.alignment = number(rs, "Alignment");
        f.width = number(rs, "Width");
        f.mergeType = number(rs, "MergeType");
        if (presentation == Presentation::Normal) {
            f.transposeType = number(rs, "TransposeType");
            f.makeSum = number(rs, "MakeSum") != 0;
        } else {
            f.invisibleInTextFile = number(rs, "InvisibleInTextFile") != 0;
        }
        formats.insert(rs.value(QStringLiteral("ColumnNumber")).toInt(), f);
    }
    return formats;
}

std::optional<int> StoredGridRowHeight(db::Connection& db, qint32 reportID, bool* columnExists)
{
    if (columnExists)
        *columnExists = false;
    try {
        db::Recordset rs = db.openRecordset(statements::GridRowHeight(), {reportID}, db::CursorType::ForwardOnly);
        if (columnExists)
            *columnExists = true;
        if (rs.eof() || rs.isNull(QStringLiteral("GridRowHeight")))
            return std::nullopt;
        return rs.value(QStringLiteral("GridRowHeight")).toInt();
    } catch (const db::DbError&) {
        return std::nullopt; // a repository without the column
    }
}

void SaveFormats(db::Connection& db, qint32 reportID, Presentation presentation, const QList<ColumnFormat>& formats,
                 std::optional<int> gridRowHeight)
{
    const QString table = LayoutTable(presentation);
    db::Transaction transaction(db);
    db.execute(statements::DeleteLayoutRows(table), {reportID});
    for (int i = 0; i < formats.size(); ++i) {
        const ColumnFormat& f = formats[i];
        QVariantList values{reportID, i + 1, f.alignment, f.width, f.mergeType};
        if (presentation == Presentation::Normal)
            values << f.transposeType << (f.makeSum ? 1 : 0);
        else
            values << (f.invisibleInTextFile ? 1 : 0);
        db.execute(statements::InsertFormatRow(table), values);
    }
    if (gridRowHeight)
        db.execute(statements::UpdateGridRowHeight(), {*gridRowHeight, reportID});
    transaction.commit();
}

StoredDistribution LoadStoredDistribution(db::Connection& db, qint32 reportID)
{
    StoredDistribution d;
    for (db::Recordset rs = db.openRecordset(statements::TransposeRows(), {reportID}, db::CursorType::ForwardOnly);
         !rs.eof(); rs.moveNext()) {
        const int column = rs.value(QStringLiteral("ColumnNumber")).toInt();
        if (rs.value(QStringLiteral("TransposeType")).toInt() == 1)
            d.distributingColumn = column;
        else
            d.valueColumns << column;
    }
    return d;
}

bool HasDistribution(db::Connection& db, qint32 reportID)
{
    return !db.openRecordset(statements::AnyTransposeRow(), {reportID}, db::CursorType::ForwardOnly).eof();
}

QStringList LoadDistributionOrder(db::Connection& db, qint32 reportID)
{
    QStringList order;
    for (db::Recordset rs = db.openRecordset(statements::ReportDistributionOrder(), {reportID},
                                             db::CursorType::ForwardOnly);
         !rs.eof(); rs.moveNext())
        order << rs.text(QStringLiteral("Value"));
    return order;
}

void SaveDistribution(db::Connection& db, qint32 reportID, const QList<GridColumn>& columns, int distributingColumn,
                      const QList<int>& valueColumns, const std::optional<QStringList>& order)
{
    db::Transaction transaction(db);
    SyncLayoutRows(db, reportID, Presentation::Normal, columns);
    db.execute(statements::ClearTransposeTypes(), {reportID});
    for (int c : valueColumns)
        db.execute(statements::SetTransposeType(), {2, reportID, c});
    db.execute(statements::SetTransposeType(), {1, reportID, distributingColumn});
    db.execute(statements::SetMakeTranspose(), {1, reportID});
    if (order) {
        db.execute(statements::DeleteDistributionOrder(), {reportID});
        for (int i = 0; i < order->size(); ++i)
            db.execute(statements::InsertDistributionOrder(), {reportID, order->at(i), i + 1});
    }
    transaction.commit();
}

void RemoveDistribution(db::Connection& db, qint32 reportID)
{
    db::Transaction transaction(db);
    db.execute(statements::ClearTransposeTypes(), {reportID});
    db.execute(statements::DeleteTransposeRows(), {reportID});
    db.execute(statements::SetMakeTranspose(), {0, reportID});
    transaction.commit();
}

QList<ChartType> ChartTypes(db::Connection& db)
{
    QList<ChartType> types;
    for (db::Recordset rs = db.openRecordset(statements::ChartTypes(), {}, db::CursorType::ForwardOnly); !rs.eof();
         rs.moveNext())
        types.append({rs.value(QStringLiteral("ID")).toInt(), rs.text(QStringLiteral("Name"))});
    return types;
}

ChartDefinition LoadChartDefinition(db::Connection& db, qint32 reportID)
{
    ChartDefinition chart;
    {
        db::Recordset rs = db.openRecordset(statements::ReportChart(), {reportID}, db::CursorType::ForwardOnly);
        if (!rs.eof()) {
            chart.xColumn = rs.isNull(QStringLiteral("ChartXColNo")) ? -1 : rs.value(QStringLiteral("ChartXColNo")).toInt();
            if (!rs.isNull(QStringLiteral("DiagramTypeID")))
                chart.typeID = rs.value(QStringLiteral("DiagramTypeID")).toInt();
            chart.accumulate = rs.isSet(QStringLiteral("IsAccumulative"));
        }
    }
    for (db::Recordset rs = db.openRecordset(statements::ReportChartColumns(), {reportID}, db::CursorType::ForwardOnly);
         !rs.eof(); rs.moveNext())
        chart.yColumns << rs.value(QStringLiteral("ChartYColNo")).toInt();
    db::Recordset show = db.openRecordset(statements::ReportShowDiagram(), {reportID}, db::CursorType::ForwardOnly);
    chart.showWithReport = !show.eof() && show.isSet(QStringLiteral("ShowDiagram"));
    return chart;
}

void SaveChartDefinition(db::Connection& db, qint32 reportID, const ChartDefinition& chart)
{
    db::Transaction transaction(db);
    db.execute(statements::DeleteReportChart(), {reportID});
    db.execute(statements::DeleteReportChartColumns(), {reportID});
    // An old repository ties the chart type to a table by a constraint that
    // newer types break; where there is none the statement fails, alone.
    (void)db.runUnderSavepoint([&] { db.execute(statements::DropChartTypeConstraint()); });
    db.execute(statements::InsertReportChart(), {reportID, chart.accumulate ? 1 : 0,
                                                 chart.typeID ? QVariant(*chart.typeID) : QVariant(), chart.xColumn});
    for (int y : chart.yColumns)
        db.execute(statements::InsertReportChartColumn(), {reportID, y});
    db.execute(statements::SetShowDiagram(), {chart.showWithReport ? 1 : 0, reportID});
    transaction.commit();
}

bool IsMergedReport(db::Connection& db, qint32 reportID)
{
    return !db.openRecordset(statements::MergedReport(), {reportID}, db::CursorType::ForwardOnly).eof();
}

} // namespace kelvo::presentation
