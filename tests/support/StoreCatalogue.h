#pragma once

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/sqlite/SqliteBackend.h"

#include <QString>
#include <QTemporaryDir>

namespace kelvo::test {

// A catalogue "Acc" of the embedded store with only the store's own tables,
// in a temporary folder, and a connection to it: for tests of the database
// layer that make their own tables.
struct StoreCatalogue {
    QTemporaryDir dir;
    QString connectionString;
    db::Connection c;

    StoreCatalogue()
    {
        if (!dir.isValid())
            throw db::DbError(QStringLiteral("Cannot create a temporary folder."));
        db::CreateCatalogue(dir.path(), QStringLiteral("Acc"));
        connectionString = QStringLiteral("Provider=SQLite;Data Source=") + dir.path() +
                           QStringLiteral(";Initial Catalog=Acc");
        c.setConnectionString(connectionString);
    }
};

} // namespace kelvo::test
