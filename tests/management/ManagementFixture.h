#pragma once

#include "front/HostContext.h"
#include "front/ScriptedPrompter.h"
#include "support/SignedInSession.h"
#include "support/TempCatalogue.h"

#include <QList>
#include <gtest/gtest.h>

namespace kelvo::test {

// A session on a fresh copy of the demo catalogue, signed in as the system
// administrator (user 1, position 1, every report permission).
struct ManagementFixture : ::testing::Test {
    TempCatalogue catalogue = TempCatalogue::demo();
    front::Session session;
    front::ScriptedPrompter prompter;

    ManagementFixture() { SignInAsAdministrator(session, catalogue.connectionString()); }

    db::Connection& db() { return catalogue.connection(); }

    // A text as the demo catalogue stores Persian: with the Arabic kaf and yeh.
    static QString fa(const QString& text)
    {
        QString out = text;
        out.replace(QChar(0x06A9), QChar(0x0643)).replace(QChar(0x06CC), QChar(0x064A));
        return out;
    }

    QVariant scalar(const QString& sql) { return db().openRecordset(sql).value(0); }
    int count(const QString& sql) { return scalar("select count(*) from " + sql).toInt(); }

    QList<int> ids(const QString& sql)
    {
        QList<int> result;
        for (db::Recordset rs = db().openRecordset(sql); !rs.eof(); rs.moveNext())
            result << rs.value("ID").toInt();
        std::sort(result.begin(), result.end());
        return result;
    }
};

} // namespace kelvo::test
