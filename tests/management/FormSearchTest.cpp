// The report search window over the demo catalogue, offscreen.
#include "support/QStringPrinter.h"
#include "ManagementFixture.h"
#include "controls/ui/KelvoDate.h"
#include "controls/ui/KelvoSelector.h"
#include "support/WindowFixture.h"
#include "management/ui/FormSearch.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QTableView>

using namespace kelvo;
using namespace kelvo::management;

namespace {

struct FormSearchWindow : test::ManagementFixture {
    std::unique_ptr<FormSearch> form;

    void SetUp() override
    {
        form = std::make_unique<FormSearch>(session, prompter);
        form->show();
        QApplication::processEvents();
    }

    template <typename T> T* child(const char* name) { return test::Child<T>(*form, name); }
    QTableView* grid() { return child<QTableView>("FlexSearchResult"); }
    int rows() { return grid()->model()->rowCount(); }
    QString cell(int r, int c) { return grid()->model()->index(r, c).data().toString(); }
    QStringList column(int c)
    {
        QStringList texts;
        for (int r = 0; r < rows(); ++r)
            texts << cell(r, c);
        return texts;
    }
    void press(QWidget* target, int key) { test::PressKey(*target, key); }
    void search() { test::Click(*form, "cmdSearch"); }
    QList<qint32> viewed() const
    {
        return form->chosenReport() ? QList<qint32>{*form->chosenReport()} : QList<qint32>{};
    }
    void doubleClick(int row, int col)
    {
        const QPoint at = grid()->visualRect(grid()->model()->index(row, col)).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                  QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, grid()->viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(grid()->viewport(), &event);
        }
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(FormSearchWindow, OpensRightToLeftWithEveryControl)
{
    EXPECT_EQ(form->windowTitle(), "جستجوي گزارش");
    EXPECT_EQ(form->layoutDirection(), Qt::RightToLeft);
    for (const char* name : {"txtTitle", "txtAlias", "txtDesc"})
        EXPECT_TRUE(child<QLineEdit>(name)->text().isEmpty()) << name;
    for (const char* name : {"gmpSystem", "mptFormType", "gmpCreatorName"}) {
        auto* selector = child<controls::KelvoSelector>(name);
        EXPECT_TRUE(selector->IsEmpty()) << name;
        EXPECT_FALSE(selector->rows().isEmpty()) << name; // the views were read
    }
    EXPECT_TRUE(child<controls::KelvoSelector>("gmpSystem")->Active());
    EXPECT_EQ(child<controls::KelvoSelector>("mptFormType")->Title(), "فرمها");
    for (const char* name : {"gdcBeginDate", "gdcEndDate"})
        EXPECT_TRUE(child<controls::KelvoDate>(name)->IsEmpty());
    for (const char* name : {"chkIsGeneral", "chkIsPrivate", "chkMakeTree", "chkIsNotTree"})
        EXPECT_TRUE(child<QCheckBox>(name)->isChecked()) << name;
    for (const char* name : {"chkTempList", "chkFormSearch"})
        EXPECT_FALSE(child<QCheckBox>(name)->isChecked()) << name;
    EXPECT_TRUE(child<QAction>("cmdNewSearch")->isEnabled());
    QStringList headings;
    for (int c = 0; c < grid()->model()->columnCount(); ++c)
        headings << grid()->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headings, (QStringList{"رديف", "عنوان", "سيستم", "گروه", "ملاحظات", "شماره"}));
    EXPECT_EQ(grid()->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(rows(), 0);
}

TEST_F(FormSearchWindow, SearchListsReportsAndDoubleClickOpensOne)
{
    search();
    EXPECT_EQ(column(5), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(column(0), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(cell(1, 1), fa("فاکتورهای فروش"));
    EXPECT_EQ(cell(1, 4), fa("فاکتورها با نام مشتری"));
    EXPECT_FALSE(cell(1, 2).isEmpty()); // subsystem name
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(viewed().isEmpty());

    doubleClick(2, 1);
    EXPECT_EQ(viewed(), QList<qint32>{3});
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
}

TEST_F(FormSearchWindow, EnterOnARowOpensIt)
{
    search();
    grid()->setCurrentIndex(grid()->model()->index(3, 0));
    press(grid(), Qt::Key_Return);
    EXPECT_EQ(viewed(), QList<qint32>{4});
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FormSearchWindow, SingleMatchOpensAtOnce)
{
    child<QLineEdit>("txtTitle")->setText("خلاصه");
    search();
    EXPECT_EQ(viewed(), QList<qint32>{3});
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST_F(FormSearchWindow, EnterInAFilterRunsTheSearch)
{
    QLineEdit* alias = child<QLineEdit>("txtAlias");
    alias->setText("sales");
    alias->setFocus();
    press(alias, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(column(5), (QStringList{"3", "5"}));
    EXPECT_TRUE(viewed().isEmpty());
}

TEST_F(FormSearchWindow, UntickedPairGivesAnEmptyListAndNewSearchClears)
{
    child<QCheckBox>("chkIsGeneral")->setChecked(false);
    child<QCheckBox>("chkIsPrivate")->setChecked(false);
    search();
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(viewed().isEmpty());
    EXPECT_TRUE(form->isVisible());

    child<QCheckBox>("chkIsGeneral")->setChecked(true);
    child<QCheckBox>("chkIsPrivate")->setChecked(true);
    child<QLineEdit>("txtDesc")->setText("x");
    child<controls::KelvoSelector>("gmpSystem")->setID(2);
    child<controls::KelvoDate>("gdcBeginDate")->setValue(QDate(2024, 5, 1));
    child<QCheckBox>("chkTempList")->setChecked(true);
    child<QLineEdit>("txtDesc")->setText("");
    search();
    ASSERT_GT(rows(), 0);
    test::Click(*form, "cmdNewSearch");
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(child<controls::KelvoSelector>("gmpSystem")->IsEmpty());
    EXPECT_TRUE(child<controls::KelvoDate>("gdcBeginDate")->IsEmpty());
    EXPECT_TRUE(child<QCheckBox>("chkIsPrivate")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("chkTempList")->isChecked());
    const SearchFilters f = form->filters();
    EXPECT_TRUE(f.notes.isEmpty() && !f.systemID && f.fromDate.isEmpty());
}

TEST_F(FormSearchWindow, DatabaseFailureIsShown)
{
    db().execute("DROP TABLE tblKelvoSystem");
    search();
    EXPECT_EQ(rows(), 0);
    ASSERT_EQ(prompter.entriesOf(front::ScriptedPrompter::Kind::Error).size(), 1);
    EXPECT_FALSE(prompter.last().details.isEmpty());
    EXPECT_TRUE(form->isVisible());
}

// Writes a picture of the window after a search when KELVO_SHOTS_DIR is set.
TEST_F(FormSearchWindow, Picture)
{
    const QString folder = qEnvironmentVariable("KELVO_SHOTS_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "KELVO_SHOTS_DIR not set";
    search();
    QApplication::processEvents();
    QDir().mkpath(folder);
    EXPECT_TRUE(form->grab().save(folder + "/FormSearch.png"));
}
