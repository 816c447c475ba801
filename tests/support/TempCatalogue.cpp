#include "support/TempCatalogue.h"

#include "platform/db/DbError.h"
#include "platform/db/sqlite/SqliteBackend.h"
#include "schema/demo/Catalogue.h"
#include "schema/demo/Scripts.h"

#include <QFile>
#include <QMutex>

namespace kelvo::test {

namespace {

// The demo catalogue of this test process, built on first use.
QString demoMaster()
{
    static QMutex mutex;
    static std::unique_ptr<QTemporaryDir> dir;
    static QString path;
    QMutexLocker lock(&mutex);
    if (path.isEmpty()) {
        dir = std::make_unique<QTemporaryDir>();
        if (!dir->isValid())
            throw db::DbError(QStringLiteral("Cannot create a temporary folder for the demo catalogue."));
        schema::BuildDemoCatalogue(dir->path());
        path = db::CataloguePath(dir->path(), QString::fromLatin1(schema::kDemoCatalogue));
    }
    return path;
}

} // namespace

TempCatalogue::TempCatalogue(Kind kind, const QString& fixtureSql, const QString& catalogue)
    : m_dir(std::make_unique<QTemporaryDir>())
{
    if (!m_dir->isValid())
        throw db::DbError(QStringLiteral("Cannot create a temporary folder."));
    m_folder = m_dir->path();
    if (kind == Kind::Demo) {
        m_catalogue = QString::fromLatin1(schema::kDemoCatalogue);
        const QString target = db::CataloguePath(m_folder, m_catalogue);
        if (!QFile::copy(demoMaster(), target))
            throw db::DbError(QStringLiteral("Cannot copy the demo catalogue to %1.").arg(target));
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    } else {
        m_catalogue = catalogue;
        schema::InitRepository(m_folder, m_catalogue);
    }
    if (!fixtureSql.isEmpty())
        run(fixtureSql);
}

TempCatalogue::~TempCatalogue()
{
    m_connection.reset(); // closed before the folder goes
}

TempCatalogue::TempCatalogue(TempCatalogue&&) noexcept = default;

QString TempCatalogue::connectionString() const
{
    return schema::EmbeddedConnectionString(m_folder, m_catalogue);
}

db::Connection& TempCatalogue::connection()
{
    if (!m_connection)
        m_connection = std::make_unique<db::Connection>(connectionString());
    return *m_connection;
}

void TempCatalogue::run(const QString& sql)
{
    db::Connection& c = connection();
    for (const QString& statement : schema::SplitSqlScript(sql))
        c.execute(statement);
}

} // namespace kelvo::test
