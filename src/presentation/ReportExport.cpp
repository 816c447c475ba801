#include "presentation/ReportExport.h"

#include "platform/db/RowStream.h"
#include "presentation/CsvSink.h"
#include "presentation/Messages.h"

namespace kelvo::presentation {

namespace {

const QString kMalformedAssignment = QStringLiteral("«%1» را به شكل NAME=VALUE بنويسيد.");
const QString kUnknownName = QStringLiteral("گزارش پارامتري به نام «%1» ندارد.");

} // namespace

qint64 ExportRows(db::Connection& db, const RunStatement& statement, ExportFormat, QIODevice& out,
                  const std::function<void(qint64)>& progress)
{
    db::RowReader reader(db, statement.sql, statement.values);
    CsvWriter writer(out);
    writer.writeHeadings(reader.columns());
    db::RowBatch batch;
    while (reader.next(batch)) {
        writer.writeBatch(batch);
        if (progress)
            progress(reader.rowsRead());
    }
    writer.flush();
    return reader.rowsRead();
}

ParameterValues ParameterValuesFromTexts(const ReportDefinition& definition, const QStringList& assignments)
{
    ParameterValues values;
    for (const QString& assignment : assignments) {
        const qsizetype eq = assignment.indexOf(u'=');
        if (eq <= 0)
            throw RunError(kMalformedAssignment.arg(assignment));
        const QString name = assignment.left(eq).trimmed();
        bool number = false;
        const int id = name.toInt(&number);
        const ReportParameter* p = number ? definition.parameter(id) : definition.parameter(name);
        if (!p)
            throw RunError(kUnknownName.arg(name));
        const QString text = assignment.mid(eq + 1);
        QVariantList list;
        for (const QString& part : p->multiValued() ? text.split(u',') : QStringList{text}) {
            const QVariant v = ParameterValueFromText(*p, part);
            if (!v.isNull())
                list << v;
        }
        values.insert(p->parameterID, list);
    }
    for (const ReportParameter& p : definition.parameters)
        if (p.visible && values.value(p.parameterID).isEmpty())
            throw RunError(kEmptyParameterMessage.arg(p.title()));
    return values;
}

} // namespace kelvo::presentation
