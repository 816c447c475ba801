// The report search window over the demo catalogue, offscreen.
#include "../repository/QStringPrinter.h"
#include "ManagementFixture.h"
#include "controls/ui/KelvoDate.h"
#include "controls/ui/KelvoSelector.h"
#include "front/ui/WindowRunner.h"
#include "management/ui/FormSearch.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

using namespace kelvo;
using namespace kelvo::management;

namespace {

struct FormSearchWindow : test::ManagementFixture {
    front::ScriptedWindowRunner windows;
    QList<qint32> viewed;
    std::unique_ptr<FormSearch> form;

    void SetUp() override
    {
        form = std::make_unique<FormSearch>(session, prompter, windows, [this](qint32 id) { viewed << id; });
        form->show();
        QApplication::processEvents();
    }

    template <typename T> T* child(const char* name)
    {
        T* w = form->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QTableWidget* grid() { return child<QTableWidget>("FlexSearchResult"); }
    QStringList column(int c)
    {
        QStringList texts;
        for (int r = 0; r < grid()->rowCount(); ++r)
            texts << grid()->item(r, c)->text();
        return texts;
    }
    void press(QWidget* target, int key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Return ? "\r" : "");
        QApplication::sendEvent(target, &event);
        QApplication::processEvents();
    }
    void search() { child<QPushButton>("cmdSearch")->click(); }
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
    child<QPushButton>("cmdNewSearch");
    QStringList headings;
    for (int c = 0; c < grid()->columnCount(); ++c)
        headings << grid()->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headings, (QStringList{"رديف", "عنوان", "سيستم", "گروه", "ملاحظات", "شماره"}));
    EXPECT_EQ(grid()->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(grid()->rowCount(), 0);
}

TEST_F(FormSearchWindow, SearchListsReportsAndDoubleClickOpensOne)
{
    search();
    EXPECT_EQ(column(5), (QStringList{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(column(0), (QStringList{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(grid()->item(1, 1)->text(), fa("فاکتورهای فروش"));
    EXPECT_EQ(grid()->item(1, 4)->text(), fa("فاکتورها با نام مشتری"));
    EXPECT_FALSE(grid()->item(1, 2)->text().isEmpty()); // subsystem name
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(viewed.isEmpty());

    doubleClick(2, 1);
    EXPECT_EQ(viewed, QList<qint32>{3});
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
}

TEST_F(FormSearchWindow, EnterOnARowOpensIt)
{
    search();
    grid()->setCurrentCell(3, 0);
    press(grid(), Qt::Key_Return);
    EXPECT_EQ(viewed, QList<qint32>{4});
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FormSearchWindow, SingleMatchOpensAtOnce)
{
    child<QLineEdit>("txtTitle")->setText("خلاصه");
    search();
    EXPECT_EQ(viewed, QList<qint32>{3});
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
    EXPECT_TRUE(viewed.isEmpty());
}

TEST_F(FormSearchWindow, UntickedPairGivesAnEmptyListAndNewSearchClears)
{
    child<QCheckBox>("chkIsGeneral")->setChecked(false);
    child<QCheckBox>("chkIsPrivate")->setChecked(false);
    search();
    EXPECT_EQ(grid()->rowCount(), 0);
    EXPECT_TRUE(viewed.isEmpty());
    EXPECT_TRUE(form->isVisible());

    child<QCheckBox>("chkIsGeneral")->setChecked(true);
    child<QCheckBox>("chkIsPrivate")->setChecked(true);
    child<QLineEdit>("txtDesc")->setText("x");
    child<controls::KelvoSelector>("gmpSystem")->setID(2);
    child<controls::KelvoDate>("gdcBeginDate")->setValue(QDate(2024, 5, 1));
    child<QCheckBox>("chkTempList")->setChecked(true);
    child<QLineEdit>("txtDesc")->setText("");
    search();
    ASSERT_GT(grid()->rowCount(), 0);
    child<QPushButton>("cmdNewSearch")->click();
    EXPECT_EQ(grid()->rowCount(), 0);
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
    EXPECT_EQ(grid()->rowCount(), 0);
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
