#pragma once

#include "platform/db/Connection.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace kelvo::test {

// A catalogue of the embedded store in a temporary folder, removed with the
// fixture. Either an empty repository (the whole schema, no rows) with an
// optional fixture script, or a copy of the demo catalogue, which is built
// once per test process and copied for each test.
class TempCatalogue {
public:
    enum class Kind { EmptyRepository, Demo };

    // fixtureSql: statements separated by ";" run after the schema (a
    // trigger, whose body holds ";", goes through connection().execute()).
    explicit TempCatalogue(Kind kind = Kind::EmptyRepository, const QString& fixtureSql = {},
                           const QString& catalogue = QStringLiteral("Acc"));
    static TempCatalogue demo() { return TempCatalogue(Kind::Demo); }
    ~TempCatalogue();
    TempCatalogue(TempCatalogue&&) noexcept;

    const QString& folder() const { return m_folder; }
    const QString& catalogue() const { return m_catalogue; }
    QString connectionString() const;
    // A connection to the catalogue, opened on first use and kept with the
    // fixture.
    db::Connection& connection();
    // Runs a fixture script (statements separated by ";").
    void run(const QString& sql);

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    QString m_catalogue;
    std::unique_ptr<db::Connection> m_connection;
};

// The first field of the first row of a statement; null without a row.
inline QVariant Scalar(db::Connection& db, const QString& sql, const QVariantList& params = {})
{
    db::Recordset rs = db.openRecordset(sql, params);
    return rs.eof() ? QVariant() : rs.value(0);
}

} // namespace kelvo::test
