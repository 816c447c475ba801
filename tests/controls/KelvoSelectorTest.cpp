// The selector over a view of a real embedded catalogue.
#include "controls/SelectorRows.h"
#include "controls/ui/KelvoSelector.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/sqlite/SqliteBackend.h"
#include "support/TempCatalogue.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QToolButton>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

using namespace kelvo::controls;
using kelvo::db::Connection;

namespace {

void TypeInto(QWidget* box, const QString& text)
{
    box->setFocus();
    for (QChar c : text) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &key);
    }
    QApplication::processEvents();
}

void Press(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Return ? "\r" : "");
    QApplication::sendEvent(target, &press);
    QApplication::processEvents();
}

// A catalogue with a view that follows the selector contract:
// ID, Code, Name, Value.
struct SelectorOverView : ::testing::Test {
    QTemporaryDir dir;
    QString connectionString;
    Connection windowConnection; // the window's, which the selector reads through
    QWidget window;
    KelvoSelector* selector = nullptr;
    QLineEdit* txtCode = nullptr;
    QLineEdit* txtName = nullptr;
    int changes = 0;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        kelvo::db::CreateCatalogue(dir.path(), "Acc");
        connectionString = "Provider=SQLite;Data Source=" + dir.path() + ";Initial Catalog=Acc";
        Connection c(connectionString);
        c.execute("CREATE TABLE tblProc (ID INTEGER PRIMARY KEY, ProcName TEXT, Caption TEXT, Params NUMERIC, "
                  "Hidden INTEGER DEFAULT 0)");
        const QList<QVariantList> rows{
            {1, "tblAccount", QStringLiteral("حساب ها"), 3},
            {2, "tblAccountType", QStringLiteral("نوع حساب"), 0},
            {3, "spKelvoRun", QStringLiteral("اجراي گزارش"), 2},
            {4, "sp_cftHidden", QStringLiteral("روال پنهان"), 1},
            {5, "tblUser", QStringLiteral("کاربران"), QVariant()},
            {6, "tblO'Brien", QStringLiteral("نام با 'آپستروف'"), 7}};
        for (const QVariantList& row : rows)
            c.execute("INSERT INTO tblProc (ID, ProcName, Caption, Params) VALUES (?, ?, ?, ?)", row);
        c.execute("INSERT INTO tblProc VALUES (7, 'tblHidden', ?, 0, 1)", {QStringLiteral("جدول پنهان")});
        // The Major view resolves every row; the Minor view offers the visible ones.
        c.execute("CREATE VIEW vwProcMajor AS SELECT ID, ProcName AS Code, Caption AS Name, Params AS Value FROM tblProc");
        c.execute("CREATE VIEW vwProcMinor AS SELECT ID, ProcName AS Code, Caption AS Name, Params AS Value "
                  "FROM tblProc WHERE Hidden = 0");

        selector = new KelvoSelector(&window);
        txtCode = selector->findChild<QLineEdit*>("txtCode");
        txtName = selector->findChild<QLineEdit*>("txtName");
        ASSERT_NE(txtCode, nullptr);
        ASSERT_NE(txtName, nullptr);
        QObject::connect(selector, &KelvoSelector::Change, [this] { ++changes; });
        windowConnection.setConnectionString(connectionString);
        selector->setConnection(windowConnection);
        selector->setMajorView("vwProcMajor");
        selector->setMinorView("vwProcMinor");
        selector->setTitle(QStringLiteral("روالها"));
        selector->setRightToLeft(true);
        window.show();
        QApplication::processEvents();
    }

    QList<int> ListedIds() const
    {
        QList<int> ids;
        for (const SelectorRow& row : selector->rows())
            ids.append(row.id);
        return ids;
    }
};

} // namespace

TEST_F(SelectorOverView, RefreshOffersTheMinorRowsWithNothingChosen)
{
    selector->Refresh();
    EXPECT_EQ(ListedIds(), (QList<int>{3, 1, 4, 6, 2, 5})); // by name (as the store orders text)
    EXPECT_EQ(selector->majorRows().size(), 7);
    EXPECT_EQ(txtName->completer()->model()->rowCount(), 6);
    EXPECT_TRUE(selector->IsEmpty());
    EXPECT_EQ(selector->ID(), -1);
    EXPECT_EQ(selector->Code(), QString());
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(selector->layoutDirection(), Qt::RightToLeft);
}

TEST_F(SelectorOverView, RefreshFilteredAppliesTheFilters)
{
    selector->setMajorFilter(" left(Code,6)<>'sp_cft' ");
    selector->setMinorFilter(" left(Code,6)<>'sp_cft' ");
    selector->RefreshFiltered();
    EXPECT_FALSE(ListedIds().contains(4));
    EXPECT_EQ(ListedIds().size(), 5);
    selector->setID(4);
    EXPECT_TRUE(selector->IsEmpty());

    selector->Refresh(); // the plain refresh reads the whole views
    EXPECT_TRUE(ListedIds().contains(4));
}

TEST_F(SelectorOverView, IdResolvesARowThatIsNotOffered)
{
    selector->Refresh();
    selector->setID(7);
    EXPECT_EQ(selector->Code(), QStringLiteral("tblHidden"));
    EXPECT_EQ(txtName->text(), QStringLiteral("جدول پنهان"));
    EXPECT_EQ(changes, 1);

    selector->setID(-1);
    txtCode->clear();
    TypeInto(txtCode, "tblHidden"); // the user chooses among the offered rows only
    Press(txtCode, Qt::Key_Return);
    EXPECT_TRUE(selector->IsEmpty());
}

TEST_F(SelectorOverView, WithoutAMinorViewTheMajorViewIsOffered)
{
    selector->setMinorView("");
    selector->Refresh();
    EXPECT_EQ(ListedIds().size(), 7);
}

TEST_F(SelectorOverView, SettingIdChoosesTheRowAndRaisesChangeOnce)
{
    selector->Refresh();
    selector->setID(3);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(selector->IsEmpty());
    EXPECT_EQ(selector->ID(), 3);
    EXPECT_EQ(selector->Code(), QStringLiteral("spKelvoRun"));
    EXPECT_EQ(selector->Value().toDouble(), 2.0);
    EXPECT_EQ(txtCode->text(), QStringLiteral("spKelvoRun"));
    EXPECT_EQ(txtName->text(), QStringLiteral("اجراي گزارش"));

    selector->setID(3); // the same row: no change
    EXPECT_EQ(changes, 1);

    selector->setID(6);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(selector->Code(), QStringLiteral("tblO'Brien"));

    selector->setID(99); // not listed: nothing chosen
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(selector->IsEmpty());
    EXPECT_EQ(txtCode->text(), QString());
    EXPECT_EQ(txtName->text(), QString());
}

TEST_F(SelectorOverView, ARowWithoutValueGivesEmptyValueText)
{
    selector->Refresh();
    selector->setID(5);
    EXPECT_EQ(selector->Value(), QString());
}

TEST_F(SelectorOverView, RefreshResetsAChoice)
{
    selector->Refresh();
    selector->setID(1);
    changes = 0;
    selector->Refresh();
    EXPECT_TRUE(selector->IsEmpty());
    EXPECT_EQ(changes, 1);
}

TEST_F(SelectorOverView, TypingACodeChoosesItsRow)
{
    selector->Refresh();
    TypeInto(txtCode, "TBLACCOUNT"); // codes match without regard to case
    EXPECT_EQ(selector->ID(), 1);
    EXPECT_EQ(txtName->text(), QStringLiteral("حساب ها"));
    EXPECT_EQ(changes, 1);

    TypeInto(txtCode, "type"); // "TBLACCOUNTt" matches no code, "TBLACCOUNTtype" one
    EXPECT_EQ(selector->ID(), 2);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(txtCode->text(), QStringLiteral("TBLACCOUNTtype")); // the box keeps what was typed
}

TEST_F(SelectorOverView, LeavingAPartialCodeTakesTheOnlyMatch)
{
    selector->Refresh();
    TypeInto(txtCode, "spk");
    EXPECT_TRUE(selector->IsEmpty());
    Press(txtCode, Qt::Key_Return);
    EXPECT_EQ(selector->ID(), 3);
    EXPECT_EQ(txtCode->text(), QStringLiteral("spKelvoRun"));
    EXPECT_EQ(changes, 1);

    txtCode->clear();
    TypeInto(txtCode, "tbl"); // three codes start so: nothing chosen
    Press(txtCode, Qt::Key_Return);
    EXPECT_TRUE(selector->IsEmpty());
    EXPECT_EQ(txtCode->text(), QString());
}

TEST_F(SelectorOverView, TypingPartOfANameOffersTheRowsContainingIt)
{
    selector->Refresh();
    TypeInto(txtName, QStringLiteral("حساب"));
    QCompleter* completer = txtName->completer();
    EXPECT_EQ(completer->completionCount(), 2);

    // Pick "نوع حساب" from the offered names with the arrow keys and Enter.
    QAbstractItemView* popup = completer->popup();
    ASSERT_TRUE(popup->isVisible());
    for (int i = 0; i < 3 && popup->currentIndex().data().toString() != QStringLiteral("نوع حساب"); ++i)
        Press(popup, Qt::Key_Down);
    ASSERT_EQ(popup->currentIndex().data().toString(), QStringLiteral("نوع حساب"));
    Press(popup, Qt::Key_Return);

    EXPECT_EQ(selector->ID(), 2);
    EXPECT_EQ(txtCode->text(), QStringLiteral("tblAccountType"));
    EXPECT_EQ(changes, 1);
}

TEST_F(SelectorOverView, TheListButtonOffersEveryNameAndAWholeNameChoosesItsRow)
{
    selector->Refresh();
    selector->findChild<QToolButton*>("cmdList")->click();
    QApplication::processEvents();
    EXPECT_TRUE(txtName->completer()->popup()->isVisible());
    EXPECT_EQ(txtName->completer()->completionCount(), 6);
    txtName->completer()->popup()->hide();

    txtName->clear();
    TypeInto(txtName, QStringLiteral("کاربران"));
    txtName->completer()->popup()->hide();
    Press(txtName, Qt::Key_Return);
    EXPECT_EQ(selector->ID(), 5);
    EXPECT_EQ(txtCode->text(), QStringLiteral("tblUser"));

    txtName->clear(); // emptying the name box empties the choice
    Press(txtName, Qt::Key_Return);
    EXPECT_TRUE(selector->IsEmpty());
    EXPECT_EQ(changes, 2);
}

TEST_F(SelectorOverView, AMissingViewFailsTheRefreshAndEmptiesTheList)
{
    selector->Refresh();
    selector->setID(1);
    selector->setMinorView("vwMissing");
    EXPECT_THROW(selector->Refresh(), kelvo::db::DbError);
    EXPECT_TRUE(selector->rows().isEmpty());
    EXPECT_TRUE(selector->IsEmpty());
}

TEST_F(SelectorOverView, ActiveEnablesTheBoxes)
{
    selector->setActive(false);
    EXPECT_FALSE(txtCode->isEnabled());
    EXPECT_FALSE(txtName->isEnabled());
    selector->setActive(true);
    EXPECT_TRUE(selector->Active());
}

TEST(SelectorOverRepositoryViews, HiddenSubsystemIsResolvedButNotOffered)
{
    kelvo::test::TempCatalogue catalogue;
    auto& c = catalogue.connection();
    c.execute("insert tblKelvoSystem (ID, Name, NotVisible) values (1, N'حسابداري', 0)");
    c.execute("insert tblKelvoSystem (ID, Name, NotVisible) values (2, N'انبار', NULL)");
    c.execute("insert tblKelvoSystem (ID, Name, NotVisible) values (3, N'سيستم پنهان', 1)");
    c.execute("insert tblKelvoSystem (ID, Name, NotVisible) values (4, N'', 0)");

    KelvoSelector selector;
    selector.setConnection(c);
    selector.setMajorView("vwKelvoSystemMajor");
    selector.setMinorView("vwKelvoSystemMinor");
    selector.Refresh();

    QList<int> offered;
    for (const SelectorRow& row : selector.rows())
        offered.append(row.id);
    std::sort(offered.begin(), offered.end());
    EXPECT_EQ(offered, (QList<int>{1, 2}));

    selector.setID(3);
    EXPECT_FALSE(selector.IsEmpty());
    EXPECT_EQ(selector.Code(), QStringLiteral("3"));
    EXPECT_EQ(selector.Value().toInt(), 0); // no tables in that subsystem
}

TEST(SelectorRows, StatementPlacesTheFilterAsAWhereCondition)
{
    EXPECT_EQ(SelectorStatement("vwStoredProcedureMajor", " left(name,6)<>'sp_cft' "),
              QStringLiteral("Select * From vwStoredProcedureMajor Where  left(name,6)<>'sp_cft'  Order By Name"));
    EXPECT_EQ(SelectorStatement("vwKelvoSystemMajor", "  "),
              QStringLiteral("Select * From vwKelvoSystemMajor Order By Name"));
}
