#pragma once

#include "platform/db/Connection.h"
#include "platform/db/sqlite/SqliteBackend.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// An embedded catalogue "Acc" in a temporary folder holding the host tables
// the context start reads: users, employees, positions, system parameters.
struct HostTables : ::testing::Test {
    QTemporaryDir dir;
    QString connectionString;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        kelvo::db::CreateCatalogue(dir.path(), QStringLiteral("Acc"));
        connectionString = QStringLiteral("Provider=SQLite;Data Source=") + dir.path()
                           + QStringLiteral(";Initial Catalog=Acc");
        kelvo::db::Connection c(connectionString);
        c.execute(QStringLiteral("CREATE TABLE tblUser (ID INTEGER PRIMARY KEY, FullName NVARCHAR(100))"));
        c.execute(QStringLiteral(
            "CREATE TABLE tblEmployee (ID INTEGER PRIMARY KEY, FirstName NVARCHAR(50), SureName NVARCHAR(50))"));
        c.execute(QStringLiteral("CREATE TABLE tblPosition (ID INTEGER PRIMARY KEY, Name NVARCHAR(100))"));
        c.execute(QStringLiteral("CREATE TABLE tblKelvoSystemParameters (ID INTEGER, Value INTEGER)"));
    }

    void run(const QString& sql, const QVariantList& params = {})
    {
        kelvo::db::Connection c(connectionString);
        c.execute(sql, params);
    }
};
