#include "schema/demo/Catalogue.h"

#include "platform/db/DbError.h"
#include "platform/db/sqlite/SqliteBackend.h"
#include "schema/demo/DemoBuilder.h"
#include "schema/demo/Scripts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace kelvo::schema {

namespace {

void removeCatalogueFiles(const QString& path)
{
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
        QFile::remove(path + suffix);
}

// Runs fill on a new backend of the catalogue at path inside one
// transaction; a failure leaves nothing behind.
template <typename Fill>
void writeCatalogue(const QString& path, Fill fill)
{
    try {
        db::SqliteBackend backend(path);
        backend.beginTransaction();
        try {
            fill(backend);
            backend.commit();
        } catch (...) {
            backend.rollback();
            throw;
        }
        backend.executeScript(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    } catch (...) {
        removeCatalogueFiles(path);
        throw;
    }
}

void runRepositoryScripts(db::SqliteBackend& backend)
{
    RunSqlScript(backend, SchemaScript(QStringLiteral("sqlite/repository.sql")));
    RunSqlScript(backend, SchemaScript(QStringLiteral("sqlite/procedures.sql")));
}

const char* const kSummaryTables[] = {
    "tblKelvoSystem",  "tblKelvoTable", "tblKelvoColumn",  "tblKelvoRelatedTables", "tblKelvoCaption",
    "tblKelvoReport",  "tblKelvoReportParameter", "tblUser", "tblEmployee", "tblPosition",
    "tblCustomer",     "tblInvoice",    "tblInvoiceItem",  "tblProduct",            "tblStockMovement",
    "tblPmxWorkOrder", "tblPmxVWREPORT",
};

qint64 rowCount(db::SqliteBackend& backend, const QString& table)
{
    std::unique_ptr<db::Cursor> cursor = backend.query(QStringLiteral("SELECT count(*) FROM ") + table, {});
    QVariantList row;
    return cursor->fetch(row) ? row.value(0).toLongLong() : 0;
}

} // namespace

QString EmbeddedConnectionString(const QString& folder, const QString& catalogue)
{
    return QStringLiteral("Provider=SQLite;Data Source=%1;Initial Catalog=%2").arg(folder, catalogue);
}

void InitRepository(const QString& folder, const QString& catalogue)
{
    db::CreateCatalogue(folder, catalogue);
    writeCatalogue(db::CataloguePath(folder, catalogue), runRepositoryScripts);
}

QString DemoSummary::text() const
{
    QString out = QStringLiteral("Demo catalogue: %1\n").arg(connectionString);
    for (const auto& [table, rows] : rowCounts)
        out += QStringLiteral("  %1 %2\n").arg(table, -26).arg(rows);
    return out;
}

DemoSummary BuildDemoCatalogue(const QString& folder, const DemoOptions& options)
{
    if (!QDir().mkpath(folder))
        throw db::DbError(QStringLiteral("Cannot create the folder \"%1\".").arg(folder));
    const QString target = db::CataloguePath(folder, QString::fromLatin1(kDemoCatalogue));

    // Built beside the target (same file system) and renamed into place
    // only when complete, so a failed build never leaves half a catalogue.
    QTemporaryDir work(QDir(folder).absoluteFilePath(QStringLiteral(".kelvo-build-XXXXXX")));
    if (!work.isValid())
        throw db::DbError(QStringLiteral("Cannot create a work folder in \"%1\".").arg(folder));
    const QString catalogue = QString::fromLatin1(kDemoCatalogue);
    db::CreateCatalogue(work.path(), catalogue);
    const QString built = db::CataloguePath(work.path(), catalogue);

    DemoSummary summary;
    summary.connectionString = EmbeddedConnectionString(QDir(folder).absolutePath(), catalogue);
    writeCatalogue(built, [&](db::SqliteBackend& backend) {
        runRepositoryScripts(backend);
        demo::RowWriter writer(backend);
        std::mt19937 rng(1403);
        demo::WriteDictionary(writer, QDir(folder).absolutePath());
        demo::WriteHostData(writer, rng);
        RunSqlScript(backend, SchemaScript(QStringLiteral("sqlite/demo.sql")));
        demo::WriteReports(writer);
        backend.callProcedure(QStringLiteral("spPmxUpdateReportTables"), {});
        if (options.large)
            demo::WriteLargeData(writer, rng);
        for (const char* table : kSummaryTables)
            summary.rowCounts.append({QString::fromLatin1(table), rowCount(backend, QString::fromLatin1(table))});
        if (options.large)
            summary.rowCounts.append({QStringLiteral("tblBenchFact"), rowCount(backend, QStringLiteral("tblBenchFact"))});
    });

    // The old catalogue's journal files must not outlive it (a stale WAL
    // would be replayed into the new file); they are set aside in the work
    // folder and put back should the move fail.
    const QStringList journals{QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")};
    QStringList setAside;
    for (const QString& suffix : journals)
        if (QFile::exists(target + suffix) && QFile::rename(target + suffix, work.filePath(QStringLiteral("old") + suffix)))
            setAside << suffix;
    if (std::rename(QFile::encodeName(built).constData(), QFile::encodeName(target).constData()) != 0) {
        for (const QString& suffix : setAside)
            QFile::rename(work.filePath(QStringLiteral("old") + suffix), target + suffix);
        throw db::DbError(QStringLiteral("Cannot move the demo catalogue into \"%1\".").arg(target));
    }
    return summary;
}

} // namespace kelvo::schema
