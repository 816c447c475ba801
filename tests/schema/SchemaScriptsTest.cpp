#include "schema/demo/Scripts.h"
#include "support/TempCatalogue.h"

#include <QMap>
#include <QRegularExpression>
#include <gtest/gtest.h>

using kelvo::schema::SchemaScript;
using kelvo::schema::SplitSqlScript;

namespace {

// Object name -> its column or parameter names, lower case, in order.
using Objects = QMap<QString, QStringList>;

Objects tablesOf(const QString& script)
{
    static const QRegularExpression table(QStringLiteral("CREATE TABLE (\\w+) \\((.*?)\\n\\)"),
                                          QRegularExpression::DotMatchesEverythingOption);
    Objects out;
    for (auto m = table.globalMatch(script); m.hasNext();) {
        const auto match = m.next();
        QStringList columns;
        for (const QString& line : match.captured(2).split(u'\n')) {
            const QString name = line.trimmed().section(u' ', 0, 0);
            if (!name.isEmpty() && name != QLatin1String("PRIMARY") && name != QLatin1String("UNIQUE"))
                columns << name.toLower();
        }
        out.insert(match.captured(1).toLower(), columns);
    }
    return out;
}

QStringList namesOf(const QString& script, const QString& kind)
{
    const QRegularExpression re(QStringLiteral("CREATE %1 (\\w+)").arg(kind));
    QStringList out;
    for (auto m = re.globalMatch(script); m.hasNext();)
        out << m.next().captured(1).toLower();
    out.sort();
    return out;
}

Objects procedureParameters(const QString& script)
{
    static const QRegularExpression proc(QStringLiteral("CREATE PROCEDURE (\\w+)(.*?)\\nAS\\b"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression param(QStringLiteral("(@\\w+) ([\\w()]+)( OUTPUT)?"));
    Objects out;
    for (auto m = proc.globalMatch(script); m.hasNext();) {
        const auto match = m.next();
        QStringList params;
        for (auto p = param.globalMatch(match.captured(2)); p.hasNext();) {
            const auto pm = p.next();
            params << QString(pm.captured(1) + pm.captured(3)).toLower();
        }
        out.insert(match.captured(1).toLower(), params);
    }
    return out;
}

} // namespace

TEST(SchemaScripts, SqlServerScriptDeclaresTheSameObjectsAsTheEmbeddedOne)
{
    const QString embedded = SchemaScript("sqlite/repository.sql") + SchemaScript("sqlite/procedures.sql");
    const QString server = SchemaScript("sqlserver/repository.sql");

    EXPECT_EQ(tablesOf(server), tablesOf(embedded));
    EXPECT_GE(tablesOf(embedded).size(), 40);
    EXPECT_EQ(namesOf(server, "VIEW"), namesOf(embedded, "VIEW"));
    EXPECT_EQ(procedureParameters(server), procedureParameters(embedded));
    EXPECT_EQ(procedureParameters(embedded).value("spkelvoformsecureposaddnew").size(), 11);
    EXPECT_EQ(procedureParameters(embedded).value("spkelvogettablealternativename"),
              (QStringList{"@table", "@namealt output", "@differentnamealt output", "@docombine output"}));

    // Batches on the server, statements on the embedded store.
    EXPECT_GE(server.count(QRegularExpression("^GO$", QRegularExpression::MultilineOption)), 90);
    EXPECT_FALSE(server.contains("AUTOINCREMENT"));
    EXPECT_FALSE(server.contains("EXTERNAL NAME"));
}

TEST(SchemaScripts, SplitterKeepsSeparatorsInsideLiteralsAndDropsComments)
{
    EXPECT_EQ(SplitSqlScript("-- a; comment\nSELECT 'a;b''c;' AS [x;y]; /* c; */ SELECT \"q;\" ;;"),
              (QStringList{"SELECT 'a;b''c;' AS [x;y]", "SELECT \"q;\""}));
}

TEST(SchemaScripts, TypesAreReportedAsSqlServerNamesByTheCatalogue)
{
    kelvo::test::TempCatalogue repo;
    kelvo::db::Recordset rs = repo.connection().openRecordset(
        "Select syscolumns.name, systypes.name as type from sysobjects inner join syscolumns on syscolumns.id = "
        "sysobjects.id inner join systypes on syscolumns.xtype = systypes.xtype where sysobjects.name like "
        "'tblKelvoReport' Order by ColOrder");
    QMap<QString, QString> types;
    for (; !rs.eof(); rs.moveNext())
        types.insert(rs.text("name"), rs.text("type"));
    EXPECT_EQ(types.value("Title"), "nvarchar");
    EXPECT_EQ(types.value("SQLQuery"), "ntext");
    EXPECT_EQ(types.value("IsGeneral"), "smallint");
    EXPECT_EQ(types.value("MakeSecure"), "bit");
    EXPECT_EQ(types.value("CreateDate"), "datetime");
    EXPECT_EQ(types.value("GridRowHeight"), "int");
}
