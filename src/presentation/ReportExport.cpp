#include "presentation/ReportExport.h"

#include "platform/db/RowStream.h"
#include "presentation/CsvSink.h"
#include "presentation/Messages.h"
#include "presentation/ResultTable.h"
#include "presentation/XlsxSink.h"

#include <QFile>

#include <stdexcept>

namespace kelvo::presentation {

namespace {

const QString kMalformedAssignment = QStringLiteral("«%1» را به شكل NAME=VALUE بنويسيد.");
const QString kUnknownName = QStringLiteral("گزارش پارامتري به نام «%1» ندارد.");

} // namespace

std::optional<ExportFormat> ExportFormatNamed(const QString& name)
{
    if (name.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return ExportFormat::Csv;
    if (name.compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0)
        return ExportFormat::Xlsx;
    if (name.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return ExportFormat::Pdf;
    return std::nullopt;
}

namespace {

// A file written whole or not at all: into a neighbour first, renamed over
// the target when complete.
class FileTarget {
public:
    explicit FileTarget(const QString& path) : m_path(path), m_part(path + QStringLiteral(".part")) {}
    ~FileTarget()
    {
        if (!m_done)
            QFile::remove(m_part);
    }
    const QString& part() const { return m_part; }
    void commit()
    {
        QFile::remove(m_path);
        if (!QFile::rename(m_part, m_path))
            throw std::runtime_error("The file cannot be written: " + m_path.toStdString());
        m_done = true;
    }

private:
    QString m_path, m_part;
    bool m_done = false;
};

// A CSV file and its writer.
class CsvFileSink final : public RowSink {
public:
    explicit CsvFileSink(const QString& path) : m_file(path)
    {
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error("The file cannot be written: " + m_file.errorString().toStdString());
        m_writer = std::make_unique<CsvWriter>(m_file);
    }
    void writeHeadings(const QStringList& headings) override { m_writer->writeHeadings(headings); }
    void writeBatch(const db::RowBatch& batch) override { m_writer->writeBatch(batch); }
    void finish() override
    {
        m_writer->finish();
        m_file.close();
    }

private:
    QFile m_file;
    std::unique_ptr<CsvWriter> m_writer;
};

// Writes through a sink made on the target's neighbour, then commits.
void WriteThrough(const SinkFactory& factory, const QString& path, const std::function<void(RowSink&)>& write)
{
    FileTarget target(path);
    {
        std::unique_ptr<RowSink> sink = factory(target.part());
        write(*sink);
        sink->finish();
    }
    target.commit();
}

} // namespace

SinkFactory FileSinkFactory(ExportFormat format, const QString& title)
{
    if (format == ExportFormat::Xlsx)
        return [title](const QString& path) { return std::unique_ptr<RowSink>(new XlsxWriter(path, title)); };
    return [](const QString& path) { return std::unique_ptr<RowSink>(new CsvFileSink(path)); };
}

qint64 ExportRows(db::Connection& db, const RunStatement& statement, const SinkFactory& factory, const QString& path,
                  const std::function<void(qint64)>& progress)
{
    qint64 rows = 0;
    WriteThrough(factory, path, [&](RowSink& sink) {
        db::RowReader reader(db, statement.sql, statement.values);
        sink.writeHeadings(reader.columns());
        db::RowBatch batch;
        while (reader.next(batch)) {
            sink.writeBatch(batch);
            if (progress)
                progress(reader.rowsRead());
        }
        rows = reader.rowsRead();
    });
    return rows;
}

void ExportTable(const ResultTable& table, const SinkFactory& factory, const QString& path)
{
    WriteThrough(factory, path, [&](RowSink& sink) {
        sink.writeHeadings(table.columns());
        for (const auto& batch : table.batches())
            sink.writeBatch(*batch);
    });
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
