#include "presentation/ReportDefinition.h"

#include "platform/db/Connection.h"
#include "presentation/ReportStatements.h"
#include "presentation/ShapingDefinitions.h"
#include "repository/Captions.h"

namespace kelvo::presentation {

namespace {

int IntOr(const db::Recordset& rs, const QString& field, int fallback)
{
    if (!rs.hasField(field))
        return fallback;
    const QVariant v = rs.value(field);
    return v.isNull() ? fallback : v.toInt();
}

} // namespace

QString ReportParameter::title() const
{
    if (!caption.trimmed().isEmpty())
        return caption;
    if (!description.trimmed().isEmpty())
        return description;
    return name;
}

const ReportParameter* ReportDefinition::parameter(qint32 parameterID) const
{
    for (const ReportParameter& p : parameters)
        if (p.parameterID == parameterID)
            return &p;
    return nullptr;
}

const ReportParameter* ReportDefinition::parameter(const QString& name) const
{
    for (const ReportParameter& p : parameters)
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

std::optional<ColumnLayout> ReportDefinition::layoutOf(int gridColumn) const
{
    for (const ColumnLayout& l : layout)
        if (l.columnNumber == gridColumn)
            return l;
    return std::nullopt;
}

QList<MergeType> ReportDefinition::mergeTypes() const
{
    QList<MergeType> types;
    for (const ColumnLayout& l : layout) {
        const int column = l.columnNumber - 1;
        if (column < 0)
            continue;
        if (types.size() <= column)
            types.resize(column + 1, MergeType::First);
        if (l.mergeType >= 0 && l.mergeType <= 3)
            types[column] = MergeType(l.mergeType);
    }
    return types;
}

Distribution ReportDefinition::distribution() const
{
    Distribution d;
    for (const ColumnLayout& l : layout) {
        if (l.transposeType == 1)
            d.distributingColumn = l.columnNumber - 1;
        else if (l.transposeType == 2)
            d.valueColumns << l.columnNumber - 1;
    }
    d.storedOrder = distributionOrder;
    return d;
}

std::optional<ReportDefinition> LoadReportDefinition(db::Connection& db, qint32 reportID)
{
    ReportDefinition d;
    {
        db::Recordset rs = db.openRecordset(statements::ReportRow(), {reportID});
        if (rs.eof())
            return std::nullopt;
        d.id = reportID;
        d.title = rs.text(QStringLiteral("Title"));
        d.isStoredProcedure = rs.isSet(QStringLiteral("IsStoredProcedure"));
        d.query = rs.text(QStringLiteral("SQLQuery")) + rs.text(QStringLiteral("Reserved"));
        d.procedureCall = rs.text(QStringLiteral("SQLSP"));
        d.formColumns = IntOr(rs, QStringLiteral("Cols"), 1);
        d.formRowHeight = IntOr(rs, QStringLiteral("ReportRowHeight"), 400);
        d.gridRowHeight = IntOr(rs, QStringLiteral("GridRowHeight"), 240);
        d.isMerged = IntOr(rs, QStringLiteral("IsMerged"), 0) != 0;
        d.isTree = IntOr(rs, QStringLiteral("MakeTree"), 0) != 0;
        d.makeTranspose = IntOr(rs, QStringLiteral("MakeTranspose"), 0) != 0;
        d.colours.gridColumn = IntOr(rs, QStringLiteral("ColoryReportColumn"), -1);
        d.colours.type = IntOr(rs, QStringLiteral("ColoringType"), 1);
    }
    for (db::Recordset rs = db.openRecordset(statements::ReportParameters(), {reportID}); !rs.eof(); rs.moveNext()) {
        ReportParameter p;
        p.parameterID = rs.value(QStringLiteral("ParameterID")).toInt();
        p.name = rs.text(QStringLiteral("Name"));
        p.type = rs.text(QStringLiteral("Type"));
        p.controlTypeID = IntOr(rs, QStringLiteral("ControlTypeID"), 0);
        p.description = rs.text(QStringLiteral("Description"));
        p.majorView = rs.text(QStringLiteral("MajorView"));
        p.minorView = rs.text(QStringLiteral("MinorView"));
        p.colSpan = std::max(1, IntOr(rs, QStringLiteral("ColSpan"), 1));
        p.rowSpan = std::max(1, IntOr(rs, QStringLiteral("RowSpan"), 1));
        p.sequence = IntOr(rs, QStringLiteral("Sequence"), 0);
        // NULL counts as shown.
        p.visible = IntOr(rs, QStringLiteral("Visible"), 1) != 0;
        const int captionID = IntOr(rs, QStringLiteral("CaptionID"), 0);
        if (captionID > 0)
            p.caption = repository::GetCaptionText(db, captionID);
        d.parameters.append(p);
    }
    for (db::Recordset rs = db.openRecordset(statements::ReportLayout(), {reportID}); !rs.eof(); rs.moveNext()) {
        ColumnLayout l;
        l.columnNumber = rs.value(QStringLiteral("ColumnNumber")).toInt();
        l.alignment = IntOr(rs, QStringLiteral("Alignment"), 4);
        l.width = IntOr(rs, QStringLiteral("Width"), 1000);
        l.mergeType = IntOr(rs, QStringLiteral("MergeType"), 0);
        l.transposeType = IntOr(rs, QStringLiteral("TransposeType"), 0);
        l.makeSum = rs.isSet(QStringLiteral("MakeSum"));
        d.layout.append(l);
    }
    for (db::Recordset rs = db.openRecordset(statements::ReportExpressions(), {reportID}); !rs.eof(); rs.moveNext()) {
        RowExpression e;
        e.title = rs.text(QStringLiteral("Name"));
        const int captionID = IntOr(rs, QStringLiteral("CaptionID"), 0);
        if (e.title.trimmed().isEmpty() && captionID > 0)
            e.title = repository::GetCaptionText(db, captionID);
        e.general = rs.text(QStringLiteral("GeneralExpression"));
        e.firstRow = rs.text(QStringLiteral("FirstRowExpression"));
        const QVariant sign = rs.value(QStringLiteral("JustShowPositiveValue"));
        if (!sign.isNull())
            e.positiveOnly = sign.toInt() != 0;
        d.expressions.append(e);
    }
    for (db::Recordset rs = db.openRecordset(statements::ReportTransposeLayout(), {reportID}); !rs.eof();
         rs.moveNext()) {
        ColumnLayout l;
        l.columnNumber = rs.value(QStringLiteral("ColumnNumber")).toInt();
        l.alignment = IntOr(rs, QStringLiteral("Alignment"), 4);
        l.width = IntOr(rs, QStringLiteral("Width"), 1000);
        l.mergeType = IntOr(rs, QStringLiteral("MergeType"), 0);
        l.invisibleInTextFile = rs.isSet(QStringLiteral("InvisibleInTextFile"));
        d.transposeLayout.append(l);
    }
    for (db::Recordset rs = db.openRecordset(statements::ReportDistributionOrder(), {reportID}); !rs.eof();
         rs.moveNext())
        d.distributionOrder << rs.text(QStringLiteral("Value"));
    for (db::Recordset rs = db.openRecordset(statements::ReportColours(), {reportID}); !rs.eof(); rs.moveNext())
        d.colours.values.append({rs.value(QStringLiteral("Value")).toDouble(),
                                 quint32(IntOr(rs, QStringLiteral("ForeColor"), 0)),
                                 quint32(IntOr(rs, QStringLiteral("BackColor"), 0))});
    d.chart = LoadChartDefinition(db, reportID);
    for (db::Recordset rs = db.openRecordset(statements::ReportLinks(), {reportID}); !rs.eof(); rs.moveNext()) {
        ReportLink link;
        link.calledReportID = rs.value(QStringLiteral("CalledReportID")).toInt();
        link.calledTitle = rs.text(QStringLiteral("Title"));
        link.calledParameterID = rs.value(QStringLiteral("CalledParameterID")).toInt();
        link.callerReportColumn = rs.text(QStringLiteral("CallerReportColumn"));
        const QVariant parameter = rs.value(QStringLiteral("CallerParameterID"));
        if (!parameter.isNull() && !parameter.toString().trimmed().isEmpty())
            link.callerParameterID = parameter.toInt();
        d.links.append(link);
    }
    for (db::Recordset rs = db.openRecordset(statements::ReportButtons(), {reportID}); !rs.eof(); rs.moveNext()) {
        const qint32 id = rs.value(QStringLiteral("ID")).toInt();
        if (d.buttons.isEmpty() || d.buttons.last().id != id)
            d.buttons.append({id, rs.text(QStringLiteral("Caption")), rs.text(QStringLiteral("SPName")), {}});
        if (!rs.value(QStringLiteral("Seq")).isNull())
            d.buttons.last().arguments.append({rs.text(QStringLiteral("ParName")), rs.text(QStringLiteral("Type"))});
    }
    return d;
}

} // namespace kelvo::presentation
