// The search statement against the demo catalogue's reports.
#include "support/QStringPrinter.h"
#include "ManagementFixture.h"
#include "management/ReportSearch.h"
#include "sql/SqlDialect.h"

using namespace kelvo;
using namespace kelvo::management;

namespace {

// The demo reports 1 to 6 (the seventh, opened from the customer summary,
// is left out) with a few changes so that every filter has something to
// tell apart: 2 was made by user 2, 3 is a tree of form type 2101, 4 has no
// alias, 5 is a temporary list and 6 is form type 2101's own report.
struct ReportSearch : test::ManagementFixture {
    ReportSearch()
    {
        catalogue.run("delete from tblKelvoReport where ID=7;"
                      "update tblKelvoReport set CreatorID=2 where ID=2;"
                      "update tblKelvoReport set MakeTree=1, FormTypeID=2101 where ID=3;"
                      "update tblKelvoReport set Alias=NULL where ID=4;"
                      "update tblKelvoReport set Alias='فهرست موقت' where ID=5;"
                      "update tblKelvoFormType set ReportID=6 where ID=2101");
    }
    QList<int> found(const SearchFilters& f) { return ids(BuildSearchStatement(f, sql::Dialect::SqlServer())); }
};

} // namespace

TEST_F(ReportSearch, DemoDatesAreAsTheCasesAssume)
{
    EXPECT_EQ(ids("select ID from tblKelvoReport where FarsiCreateDate in ('1403/02/12','1403/02/15','1403/02/19',"
                  "'1403/02/22','1403/02/26','1403/03/01')"),
              (QList<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(ReportSearch, FiltersPickTheReports)
{
    struct Case {
        const char* name;
        std::function<void(SearchFilters&)> set;
        QList<int> expected;
    };
    const Case cases[] = {
        {"no filter: temporary lists and form reports hidden", [](SearchFilters&) {}, {1, 2, 3, 4}},
        {"temporary lists shown", [](SearchFilters& f) { f.tempList = true; }, {1, 2, 3, 4, 5}},
        {"form reports shown", [](SearchFilters& f) { f.formSearch = true; }, {1, 2, 3, 4, 6}},
        {"both shown", [](SearchFilters& f) { f.tempList = f.formSearch = true; }, {1, 2, 3, 4, 5, 6}},
        {"title part", [](SearchFilters& f) { f.title = " فروش "; }, {2, 3}},
        {"title part, temporary lists shown", [](SearchFilters& f) { f.title = "فروش"; f.tempList = true; }, {2, 3, 5}},
        {"blank title is no filter", [](SearchFilters& f) { f.title = "   "; }, {1, 2, 3, 4}},
        {"notes part", [](SearchFilters& f) { f.notes = fa("کارکنان"); }, {1, 4}},
        {"alias part, any case", [](SearchFilters& f) { f.alias = "inv"; }, {2}},
        {"apostrophe in a filter", [](SearchFilters& f) { f.alias = "O'Brien"; f.title = "'"; }, {}},
        {"subsystem", [](SearchFilters& f) { f.systemID = 2; }, {2, 3}},
        {"form type", [](SearchFilters& f) { f.formTypeID = 2101; }, {3}},
        {"from date", [](SearchFilters& f) { f.fromDate = "1403/02/19"; }, {3, 4}},
        {"to date", [](SearchFilters& f) { f.toDate = "1403/02/15"; }, {1, 2}},
        {"date range", [](SearchFilters& f) { f.fromDate = "1403/02/15"; f.toDate = "1403/02/19"; }, {2, 3}},
        {"creator", [](SearchFilters& f) { f.creatorID = 2; }, {2}},
        {"only general", [](SearchFilters& f) { f.isPrivate = false; }, {1}},
        {"only private", [](SearchFilters& f) { f.isGeneral = false; }, {2, 3, 4}},
        {"neither general nor private", [](SearchFilters& f) { f.isGeneral = f.isPrivate = false; }, {}},
        {"only trees", [](SearchFilters& f) { f.isNotTree = false; }, {3}},
        {"only non-trees", [](SearchFilters& f) { f.makeTree = false; }, {1, 2, 4}},
        {"neither tree nor non-tree", [](SearchFilters& f) { f.makeTree = f.isNotTree = false; }, {}},
        {"filters combine", [](SearchFilters& f) { f.systemID = 1; f.isGeneral = false; }, {4}},
        // As people type today: Persian ی and ک find the Arabic forms stored.
        {"Persian letters find Arabic ones", [](SearchFilters& f) { f.title = "کارکنان"; }, {1, 4}},
        {"a wildcard is meant literally", [](SearchFilters& f) { f.title = "%"; }, {}},
        {"an underscore is meant literally", [](SearchFilters& f) { f.title = "_"; }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SearchFilters f;
        c.set(f);
        EXPECT_EQ(found(f), c.expected);
    }
}

TEST_F(ReportSearch, StatementKeepsTheConditionsInOrder)
{
    SearchFilters f;
    f.notes = "n";
    f.title = "t'";
    f.alias = "a";
    f.systemID = 1;
    f.formTypeID = 2;
    f.fromDate = "1403/01/01";
    f.toDate = "1403/12/29";
    f.creatorID = 3;
    f.isGeneral = false;
    f.isNotTree = false;
    const QString sql = BuildSearchStatement(f, sql::Dialect::SqlServer());
    EXPECT_TRUE(sql.startsWith("SELECT tblKelvoReport.ID AS ID, tblKelvoReport.SystemID, ISNULL(tblKelvoReport.Notes, "
                               "'') AS ReportDesc,"));
    const QString tail = sql.mid(sql.indexOf("WHERE (tblKelvoReport.ID >= - 1)") + 32);
    const auto contains = [](const char* column, const char* text) -> QString {
        return " and " + sql::Dialect::SqlServer().containsText(QString("tblKelvoReport.") + column, text);
    };
    EXPECT_EQ(tail, contains("Notes", "n") + contains("Title", "t'") + contains("Alias", "a") +
                        " and tblKelvoReport.SystemID =1"
                        " and tblKelvoReport.FormTypeID =2"
                        " and tblKelvoReport.FarsiCreateDate >= N'1403/01/01'"
                        " and tblKelvoReport.FarsiCreateDate <= N'1403/12/29'"
                        " and (tblKelvoReport.Alias is null or tblKelvoReport.Alias not like N'فهرست موقت')"
                        " and not (tblKelvoReport.ID  in (Select isnull(ReportID, -1) from tblKelvoFormType))"
                        " and tblUser.id= 3"
                        " and tblKelvoReport.IsGeneral= 0"
                        " and tblKelvoReport.MakeTree= 1");
    EXPECT_TRUE(contains("Title", "t'").contains("like N'%t''%' ESCAPE"));
    const QString oracle = BuildSearchStatement(SearchFilters{}, sql::Dialect::Oracle());
    EXPECT_TRUE(oracle.contains("NVL(tblKelvoReport.Description, '') AS ReportDesc"));
    EXPECT_TRUE(oracle.contains("NVL(tblKelvoReportGroup.Name, '') AS    GroupName"));
    // Oracle's forms throughout: NVL, plain literals, its own folding.
    SearchFilters filtered;
    filtered.title = "فروش";
    filtered.fromDate = "1403/01/01";
    const QString oracleFiltered = BuildSearchStatement(filtered, sql::Dialect::Oracle());
    EXPECT_TRUE(oracleFiltered.contains("(Select NVL(ReportID, -1) from tblKelvoFormType)"));
    EXPECT_TRUE(oracleFiltered.contains("TRANSLATE(tblKelvoReport.Title,"));
    EXPECT_TRUE(oracleFiltered.contains(">= '1403/01/01'"));
    EXPECT_TRUE(oracleFiltered.contains("not like 'فهرست موقت'"));
    EXPECT_FALSE(oracleFiltered.contains("N'"));
    EXPECT_FALSE(oracleFiltered.contains("isnull", Qt::CaseInsensitive));
}
