#pragma once

#include "support/TempCatalogue.h"

#include <QDir>
#include <gtest/gtest.h>

// An empty repository catalogue "Acc" in a temporary folder; the tests add
// the users, employees, positions and system parameters they need.
struct HostTables : ::testing::Test {
    kelvo::test::TempCatalogue catalogue;
    QDir dir{catalogue.folder()}; // the folder that plays the server
    QString folder = catalogue.folder();
    QString connectionString = catalogue.connectionString();

    void run(const QString& sql, const QVariantList& params = {}) { catalogue.connection().execute(sql, params); }
};
