#pragma once

#include "front/HostContext.h"
#include "front/ScriptedPrompter.h"
#include "support/SignedInSession.h"
#include "support/TempCatalogue.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QListView>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace kelvo::test {

// A session on a fresh demo catalogue with the scripted prompter and the
// recording windows, for the designer's and the parameters' windows.
struct DesignFixture : ::testing::Test {
    TempCatalogue catalogue = TempCatalogue::demo();
    front::Session session;
    front::ScriptedPrompter prompter;
    TestWindows windows;

    DesignFixture() { SignInAsAdministrator(session, catalogue.connectionString()); }

    db::Connection& db() { return catalogue.connection(); }

    // The demo stores Persian with the Arabic kaf and yeh.
    static QString fa(const char* utf8)
    {
        QString s = QString::fromUtf8(utf8);
        return s.replace(QChar(0x06A9), QChar(0x0643)).replace(QChar(0x06CC), QChar(0x064A));
    }

    qint32 addReport(const QString& title, const QVariant& query = {})
    {
        return db().execute("insert into tblKelvoReport (Title, CreatorID, SQLQuery, IsStoredProcedure) values (?, 1, ?, 0)",
                            {title, query})
            .lastInsertId.toInt();
    }

    // Chooses the item whose text is text; a test failure when there is none.
    static void choose(QComboBox& list, const QString& text)
    {
        const int index = list.findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        list.setCurrentIndex(index);
        QMetaObject::invokeMethod(&list, "activated", Q_ARG(int, index));
    }
};

} // namespace kelvo::test
