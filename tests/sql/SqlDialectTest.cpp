// The dialect's pieces of statement text, and how they behave when they run:
// the SQL Server form on the embedded store, the Oracle form as text.
#include "support/QStringPrinter.h"
#include "sql/SqlDialect.h"
#include "support/TempCatalogue.h"
#include "text/PersianText.h"

#include <gtest/gtest.h>

using namespace kelvo;
using sql::Dialect;

namespace {

const QString kArabicYeh = QString(QChar(0x064A));
const QString kPersianYeh = QString(QChar(0x06CC));
const QString kArabicKaf = QString(QChar(0x0643));
const QString kPersianKaf = QString(QChar(0x06A9));

} // namespace

TEST(SqlDialect, WritesEachPieceInTheFormOfItsDatabase)
{
    const Dialect server = Dialect::SqlServer();
    const Dialect oracle = Dialect::Oracle();
    EXPECT_EQ(server.text("O'Brien's گزارش"), "N'O''Brien''s گزارش'");
    EXPECT_EQ(oracle.text("O'Brien's گزارش"), "'O''Brien''s گزارش'");
    EXPECT_EQ(server.text(""), "N''");
    EXPECT_EQ(server.isNull("ReportID", "-1"), "isnull(ReportID, -1)");
    EXPECT_EQ(oracle.isNull("ReportID", "-1"), "NVL(ReportID, -1)");
    EXPECT_EQ(server.length("Description"), "len(Description)");
    EXPECT_EQ(oracle.length("Description"), "length(Description)");
    EXPECT_TRUE(oracle.foldPersian("Title").startsWith("TRANSLATE(Title,'"));
    EXPECT_FALSE(oracle.foldPersian("Title").contains("N'"));
    EXPECT_EQ(server.foldPersian("Title").count("REPLACE("), text::PersianFoldPairs().size());
}

TEST(SqlDialect, LikeLiteralEscapesWildcardsForEachDatabase)
{
    struct Case {
        const char* value;
        const char* sqlServer;
        const char* oracle;
    };
    const Case cases[] = {
        {"50%", "50\\%", "50\\%"},
        {"a_b", "a\\_b", "a\\_b"},
        {"[x]", "\\[x]", "[x]"}, // Oracle refuses an escape before "["
        {"c:\\d", "c:\\\\d", "c:\\\\d"},
        {"plain text", "plain text", "plain text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Dialect::SqlServer().likeLiteral(c.value), c.sqlServer);
        EXPECT_EQ(Dialect::Oracle().likeLiteral(c.value), c.oracle);
    }
}

TEST(SqlDialect, FoldPersianMakesOneFormOfEachLetterAndDigit)
{
    EXPECT_EQ(text::FoldPersian(kArabicKaf + "ار" + kArabicKaf + "نان ۱۴۰۳ ٢٠"),
              kPersianKaf + "ار" + kPersianKaf + "نان 1403 20");
    EXPECT_EQ(text::FoldPersian(QString(QChar(0x0649)) + kArabicYeh), kPersianYeh + kPersianYeh);
    EXPECT_EQ(text::FoldPersian("Total 1"), "Total 1");
}

// The SQL Server form runs unchanged on the embedded store: both sides folded,
// the user's text meant literally, stored text left as it is.
TEST(SqlDialect, ContainsTextMatchesAsTypedOnARealCatalogue)
{
    test::TempCatalogue catalogue(test::TempCatalogue::Kind::EmptyRepository,
                                  "create table tblWords (ID int, Word nvarchar(100))");
    db::Connection& db = catalogue.connection();
    const QStringList stored{
        kArabicKaf + "ار" + kArabicKaf + "نان", // 1: Arabic forms, as much stored text is
        "50% off",                               // 2
        "500 off",                               // 3
        "a_b",                                   // 4
        "axb",                                   // 5
        "[x] box",                               // 6
        "سال ۱۴۰۳",                              // 7: Persian digits
        "O'Brien",                               // 8
    };
    for (int i = 0; i < stored.size(); ++i)
        db.execute("insert into tblWords (ID, Word) values (?, ?)", {i + 1, stored[i]});

    struct Case {
        QString typed;
        QList<int> found;
    };
    const Case cases[] = {
        {kPersianKaf + "ار" + kPersianKaf + "نان", {1}},
        {"50%", {2}},
        {"a_b", {4}},
        {"[x]", {6}},
        {"1403", {7}},
        {"٤٠٣", {7}},
        {"O'B", {8}},
    };
    const Dialect dialect = Dialect::Of(db);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        QList<int> found;
        for (db::Recordset rs = db.openRecordset("select ID from tblWords where " +
                                                 dialect.containsText("Word", c.typed) + " order by ID");
             !rs.eof(); rs.moveNext())
            found << rs.value(0).toInt();
        EXPECT_EQ(found, c.found);
    }
    EXPECT_EQ(db.openRecordset("select Word from tblWords where ID=1").text("Word"), stored[0]);

    // The bound form: equal as typed, without wildcards.
    db::Recordset bound = db.openRecordset("select ID from tblWords where " + dialect.matchesBound("Word"),
                                           {dialect.boundLiteral("A_B")});
    ASSERT_FALSE(bound.eof());
    EXPECT_EQ(bound.value(0).toInt(), 4);
    bound.moveNext();
    EXPECT_TRUE(bound.eof());
}
