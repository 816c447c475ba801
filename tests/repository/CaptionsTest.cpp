#include "support/QStringPrinter.h"
#include "repository/Captions.h"
#include "support/TempCatalogue.h"

#include <gtest/gtest.h>

using namespace kelvo;
using namespace kelvo::repository;

namespace {

struct Captions : ::testing::Test {
    test::TempCatalogue catalogue;
    db::Connection& db = catalogue.connection();

    int captionRows()
    {
        return db.openRecordset("select count(*) as n from tblKelvoCaption").value("n").toInt();
    }
};

} // namespace

TEST_F(Captions, NormalisationAndRegistration)
{
    struct Case {
        const char* persian;
        const char* english;
        const char* normalPersian;
        const char* normalEnglish;
    };
    const Case cases[] = {
        {" نام مشتري: ", "Customer name :", "نام مشتري", "Customer name"},
        {"توضيح:", "", "توضيح", "توضيح"},          // Persian only: registered as the English text too
        {"", " Amount: ", "Amount", "Amount"},
        {"O'Brien", "O'Brien's", "O'Brien", "O'Brien's"}, // quotes cannot break the statement
        {"::", "", ":", ":"},                          // one trailing colon only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.english);
        QString persian = c.persian;
        QString english = c.english;
        const int id = GetCaptionId(db, persian, english);
        EXPECT_GT(id, 0);
        EXPECT_EQ(persian, QString(c.normalPersian));
        EXPECT_EQ(english, QString(c.normalEnglish));
        EXPECT_EQ(GetCaptionText(db, id), QString(c.normalPersian));

        // The same caption, with or without its colon, is found again, not registered twice.
        const int rows = captionRows();
        QString persianAgain = QString(c.normalPersian) + ":";
        QString englishAgain = QString(c.normalEnglish) + " :";
        EXPECT_EQ(GetCaptionId(db, persianAgain, englishAgain), id);
        EXPECT_EQ(captionRows(), rows);
    }
}

TEST_F(Captions, EmptyCaptionsGiveZero)
{
    QString persian = "  ";
    QString english = " : ";
    EXPECT_EQ(GetCaptionId(db, persian, english), 0);
    EXPECT_EQ(persian, "");
    EXPECT_EQ(english, "");
    EXPECT_EQ(captionRows(), 0);
}

TEST_F(Captions, EnglishCaptionIsMatchedAsTyped)
{
    const auto idOf = [this](QString english) {
        QString persian = "نام";
        return GetCaptionId(db, persian, english);
    };
    const int name = idOf("Name");
    const int total = idOf("Total 1");
    EXPECT_EQ(idOf("NAME"), name); // case is ignored
    // "_", "%" and "[" stand for themselves: each is a caption of its own.
    const int underscored = idOf("Total_1");
    EXPECT_NE(underscored, total);
    EXPECT_EQ(idOf("Total_1"), underscored);
    EXPECT_NE(idOf("Na%"), name);
    EXPECT_NE(idOf("[N]ame"), name);
    // The Arabic and Persian forms of a letter are one.
    const int persianKaf = idOf("کد ۱");
    EXPECT_EQ(idOf("كد 1"), persianKaf);
    EXPECT_EQ(captionRows(), 6);
}

TEST_F(Captions, TextIsPersianElseEnglishElseEmpty)
{
    catalogue.run("insert into tblKelvoCaption (ID, EngCaption) values (50, 'Total');"
                  "insert into tblKelvoLangCaption (CaptionID, LangID, Caption) values (50, 2, 'Total');"
                  "insert into tblKelvoLangCaption (CaptionID, LangID, Caption) values (50, 1, 'جمع کل');"
                  "insert into tblKelvoCaption (ID, EngCaption) values (51, 'Only English');"
                  "insert into tblKelvoCaption (ID, EngCaption) values (52, 'Empty Persian');"
                  "insert into tblKelvoLangCaption (CaptionID, LangID, Caption) values (52, 1, '')");
    EXPECT_EQ(GetCaptionText(db, 50), "جمع کل");
    EXPECT_EQ(GetCaptionText(db, 51), "Only English");
    EXPECT_EQ(GetCaptionText(db, 52), "Empty Persian");
    EXPECT_EQ(GetCaptionText(db, 53), "");
    EXPECT_EQ(GetCaptionText(db, -1), "");
}
