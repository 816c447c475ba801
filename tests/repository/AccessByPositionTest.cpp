// Access by position against a real catalogue: the closure of a position
// under the position tree and the same-level links, and the grants a save
// writes.
#include "support/QStringPrinter.h"
#include "repository/AccessByPosition.h"
#include "support/TempCatalogue.h"

#include <gtest/gtest.h>

using namespace kelvo;
using namespace kelvo::repository;

namespace {

// Position 10 sits under 20 and 30; 11 sits under 40; 20 shares with 21.
// Links of 10: 10->11 and 12->10 and 13->10 active for reports, 11->13 closes
// a cycle; 10->14 is inactive and 10->15 belongs to another form type.
const char* const kOrganisation =
    "insert into tblPositionChilds (ChildID, PositionID, LevelNumber) values (10, 30, 2);"
    "insert into tblPositionChilds (ChildID, PositionID, LevelNumber) values (10, 20, 1);"
    "insert into tblPositionChilds (ChildID, PositionID, LevelNumber) values (11, 40, 1);"
    "insert into tblKelvoSamePermLevelPos (BasePositionID, RelatedPositionID, FormTypeID, IsActive) values (10, 14, 2302, 0);"
    "insert into tblKelvoSamePermLevelPos (BasePositionID, RelatedPositionID, FormTypeID, IsActive) values (10, 15, 2101, 1);"
    "insert into tblKelvoSamePermLevelPos (BasePositionID, RelatedPositionID, FormTypeID, IsActive) values (10, 11, 2302, 1);"
    "insert into tblKelvoSamePermLevelPos (BasePositionID, RelatedPositionID, FormTypeID, IsActive) values (12, 10, 2302, 1);"
    "insert into tblKelvoSamePermLevelPos (BasePositionID, RelatedPositionID, FormTypeID, IsActive) values (13, 10, 2302, 1);"
    "insert into tblKelvoSamePermLevelPos (BasePositionID, RelatedPositionID, FormTypeID, IsActive) values (11, 13, 2302, 1);"
    "insert into tblKelvoSamePermLevelPos (BasePositionID, RelatedPositionID, FormTypeID, IsActive) values (20, 21, 2302, 1)";

struct AccessByPosition : ::testing::Test {
    test::TempCatalogue catalogue{test::TempCatalogue::Kind::EmptyRepository, kOrganisation};
    db::Connection secondary{catalogue.connectionString()};

    static QList<qint32> Ids(const QList<ListedPosition>& list)
    {
        QList<qint32> ids;
        for (const ListedPosition& p : list)
            ids << p.positionID;
        return ids;
    }

    // position -> CanEdit of the form's grants
    QMap<qint32, int> grants(qint32 form)
    {
        QMap<qint32, int> result;
        db::Recordset rs = catalogue.connection().openRecordset(
            "select SecurePositionID, CanEdit from tblKelvoAllowablePositions where FormTypeID=2302 and FormID=" +
            QString::number(form));
        for (; !rs.eof(); rs.moveNext())
            result.insert(rs.value("SecurePositionID").toInt(), rs.value("CanEdit").toInt());
        return result;
    }

    static GrantArguments grantOf(qint32 form, qint32 position)
    {
        GrantArguments a;
        a.formID = form;
        a.positionID = position;
        a.secureUserID = 3;
        a.activatorUserID = 3;
        a.activateDate = QDate(2025, 3, 21);
        a.persianActivateDate = "1404/01/01";
        return a;
    }
};

} // namespace

TEST_F(AccessByPosition, ClosureFollowsTreeAndActiveLinksBothWaysInOrderFound)
{
    const QList<ListedPosition> list = CollectPositions(secondary, kReportFormType, 10);
    // Ancestors by level, then links from and to 10, then what the new
    // entries bring; the cycle 10->11->13->10 adds nothing twice.
    EXPECT_EQ(Ids(list), (QList<qint32>{10, 20, 30, 11, 12, 13, 21, 40}));
    for (const ListedPosition& p : list)
        EXPECT_TRUE(p.sameLevelDone) << p.positionID;
    EXPECT_TRUE(IsListed(list, 13));
    EXPECT_FALSE(IsListed(list, 14)); // inactive link
    EXPECT_FALSE(IsListed(list, 15)); // another form type
    // For the other form type only its own link counts.
    EXPECT_EQ(Ids(CollectPositions(secondary, 2101, 10)), (QList<qint32>{10, 20, 30, 15}));
}

TEST_F(AccessByPosition, LonePositionGetsOneEditableGrant)
{
    EXPECT_EQ(Ids(CollectPositions(secondary, kReportFormType, 7)), QList<qint32>{7});
    GrantToPositions(secondary, grantOf(55, 7));
    EXPECT_EQ(grants(55), (QMap<qint32, int>{{7, 1}}));

    db::Recordset rs = catalogue.connection().openRecordset(
        "select * from tblKelvoAllowablePositions where FormID=55");
    EXPECT_EQ(rs.value("SecureUserID").toInt(), 3);
    EXPECT_EQ(rs.value("IsActive").toInt(), 1);
    EXPECT_EQ(rs.value("ActivatorUserID").toInt(), 3);
    EXPECT_EQ(rs.text("ActivateDate").left(10), "2025-03-21");
    EXPECT_EQ(rs.text("PVActivateDate"), "1404/01/01");
    EXPECT_EQ(rs.value("DeactivatorUserID").toInt(), -1);
    EXPECT_EQ(rs.text("DeactivateDate").left(10), "1900-01-01");
    EXPECT_EQ(rs.text("PVDeactivateDate"), "");
}

TEST_F(AccessByPosition, GrantReachesTheClosureAndASecondGrantChangesNothing)
{
    GrantToPositions(secondary, grantOf(9, 10));
    const QMap<qint32, int> first{{10, 1}, {20, 0}, {30, 0}, {11, 0}, {12, 0}, {13, 0}, {21, 0}, {40, 0}};
    EXPECT_EQ(grants(9), first);

    // Edit flags changed by the host survive the next save's grant.
    catalogue.run("update tblKelvoAllowablePositions set CanEdit=0 where FormID=9 and SecurePositionID=10;"
                  "update tblKelvoAllowablePositions set CanEdit=1 where FormID=9 and SecurePositionID=21");
    GrantToPositions(secondary, grantOf(9, 10));
    QMap<qint32, int> changed = first;
    changed[10] = 0;
    changed[21] = 1;
    EXPECT_EQ(grants(9), changed);
    EXPECT_EQ(catalogue.connection()
                  .openRecordset("select count(*) as n from tblKelvoAllowablePositions where FormID=9")
                  .value("n")
                  .toInt(),
              8);
}

TEST_F(AccessByPosition, FailingGrantStepsAreIgnored)
{
    // Every new grant row is refused: the grant must neither throw nor stop.
    catalogue.connection().execute("CREATE TRIGGER refuseGrant BEFORE INSERT ON tblKelvoAllowablePositions "
                                   "BEGIN SELECT RAISE(ABORT, 'grant refused'); END");
    EXPECT_NO_THROW(GrantToPositions(secondary, grantOf(9, 10)));
    EXPECT_TRUE(grants(9).isEmpty());
}
