// What the parameter windows read and write, on a fresh demo catalogue.
#include "parameters/ParameterDefinitions.h"
#include "parameters/Messages.h"
#include "query/QueryModel.h"
#include "support/TempCatalogue.h"

#include <gtest/gtest.h>

using namespace kelvo;
using namespace kelvo::parameters;

namespace {

struct ParameterRecords : ::testing::Test {
    test::TempCatalogue catalogue = test::TempCatalogue::demo();
    db::Connection& db() { return catalogue.connection(); }

    qint32 addReport(const QVariant& cols = {}, const QVariant& rowHeight = {})
    {
        return db().execute("insert into tblKelvoReport (Title, CreatorID, IsStoredProcedure, Cols, ReportRowHeight) "
                            "values ('r', 1, 0, ?, ?)",
                            {cols, rowHeight})
            .lastInsertId.toInt();
    }
};

} // namespace

TEST(ParameterBoxes, NumbersAreReadAsTheirLeadingDecimal)
{
    const struct {
        const char* text;
        int number;
    } cases[] = {{"12", 12}, {" 7 ", 7}, {"3abc", 3}, {"abc", 0}, {"", 0}, {"-3", -3}, {"۱۲", 12}, {"2.6", 3},
                 {"99999999999", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(BoxNumber(QString::fromUtf8(c.text)), c.number) << c.text;
    EXPECT_EQ(AbsoluteBoxNumber("-3"), 3);
    EXPECT_EQ(AbsoluteBoxNumber("-2147483648"), 0);
}

TEST(ParameterBoxes, ChecksComeInTheirOrderWithTheControlToFocus)
{
    ParameterDefinition p;
    p.name = "x";
    FormGrid grid;
    grid.columns = 2;
    EXPECT_FALSE(CheckParameter(p, grid));
    const auto refusal = [&](auto change) {
        ParameterDefinition q = p;
        FormGrid g = grid;
        change(q, g);
        const std::optional<Refusal> r = CheckParameter(q, g);
        return r ? std::pair(r->message, QString::fromLatin1(r->control)) : std::pair(QString(), QString());
    };
    EXPECT_EQ(refusal([](auto& q, auto& g) { q.name = "  "; g.columns = 0; }), std::pair(kNoTitleMessage, QString("txtName")));
    EXPECT_EQ(refusal([](auto&, auto& g) { g.columns = 0; }), std::pair(kNoFormColumnsMessage, QString("cmdReportForm")));
    EXPECT_EQ(refusal([](auto& q, auto&) { q.colSpan = 0; q.rowSpan = 0; }), std::pair(kNoColSpanMessage, QString("txtColSpan")));
    EXPECT_EQ(refusal([](auto& q, auto&) { q.rowSpan = -1; }), std::pair(kNoRowSpanMessage, QString("txtRowSpan")));
    EXPECT_EQ(refusal([](auto&, auto& g) { g.rowHeight = 0; }), std::pair(kNoRowHeightMessage, QString("cmdReportForm")));
    EXPECT_EQ(refusal([](auto& q, auto&) { q.colSpan = 3; }), std::pair(kColSpanTooLongMessage, QString("txtColSpan")));
    EXPECT_EQ(refusal([](auto& q, auto&) { q.colSpan = 2; }), std::pair(QString(), QString()));

    // A multi-choice list is raised to five rows, other kinds are not.
    p.controlTypeID = kMultiListControl;
    p.rowSpan = 2;
    RaiseRowSpan(p);
    EXPECT_EQ(p.rowSpan, 5);
    p.controlTypeID = 13;
    p.rowSpan = 2;
    RaiseRowSpan(p);
    EXPECT_EQ(p.rowSpan, 2);
}

TEST(ParameterBoxes, ViewBoxesFollowTheControlKind)
{
    EXPECT_EQ(ViewBoxesOf(1003), ViewBoxes::Major);
    for (int kind : {1007, 13, 4, 2})
        EXPECT_EQ(ViewBoxesOf(kind), ViewBoxes::Both) << kind;
    for (std::optional<int> kind : {std::optional<int>(1002), std::optional<int>(1005), std::optional<int>()})
        EXPECT_EQ(ViewBoxesOf(kind), ViewBoxes::None);
}

TEST(ParameterBoxes, DesignColumnsCarryTableTimesAThousandPlusColumn)
{
    EXPECT_EQ(DesignColumnNumber(2, 999), 2999);
    EXPECT_EQ(DesignColumnTable(2999), 2);
    EXPECT_EQ(DesignColumnColumn(2999), 999);
    query::QueryTableList tables;
    const auto column = [](const char* name, const char* description) {
        query::QueryColumn c;
        c.Name = name;
        c.Description = QString::fromUtf8(description);
        return c;
    };
    tables.tables = {{"tblA", "الف", {column("ID", "شناسه")}}, {"tblB", "ب", {column("X", "ايكس"), column("Y", "وای")}}};
    tables.tables[1].Columns[1].Selected = true;
    const QList<DesignColumn> columns = DesignColumns(tables);
    ASSERT_EQ(columns.size(), 3);
    EXPECT_EQ(columns[0].number, 1001);
    EXPECT_EQ(columns[2].number, 2002);
    EXPECT_EQ(columns[2].text, QStringLiteral("ب_وای"));
    EXPECT_TRUE(columns[2].selected);
    EXPECT_FALSE(columns[1].selected);
}

TEST_F(ParameterRecords, TheFormGridFallsBackToItsDefaults)
{
    const FormGrid missing = LoadFormGrid(db(), 987654);
    EXPECT_EQ(missing.columns, 1);
    EXPECT_EQ(missing.columnWidth, 4000);
    EXPECT_EQ(missing.rowHeight, 400);
    const FormGrid nulls = LoadFormGrid(db(), addReport());
    EXPECT_EQ(nulls.columns, 1);
    EXPECT_EQ(nulls.rowHeight, 400);
    const FormGrid stored = LoadFormGrid(db(), addReport(3, 520));
    EXPECT_EQ(stored.columns, 3);
    EXPECT_EQ(stored.rowHeight, 520);
    EXPECT_EQ(StoredFormColumns(db(), 987654), std::nullopt);
}

TEST_F(ParameterRecords, TitlesWithQuotesAndWildcardsAreTakenLiterally)
{
    const qint32 report = addReport(2);
    ParameterDefinition p;
    p.name = "50% of 'all'";
    p.description = "  ";
    const qint32 first = CreateParameter(db(), report, p);
    EXPECT_EQ(first, 1);
    p.name = "500";
    EXPECT_EQ(CreateParameter(db(), report, p), 2);
    EXPECT_TRUE(TitleTaken(db(), report, "50% of 'all'", 2));
    EXPECT_FALSE(TitleTaken(db(), report, "50% of 'all'", first));
    EXPECT_FALSE(TitleTaken(db(), report, "5_0", first));
    const std::optional<ParameterDefinition> stored = LoadParameter(db(), report, first);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->name, "50% of 'all'");
    EXPECT_TRUE(test::Scalar(db(), "select Description from tblKelvoReportParameter where ReportID = ? and ParameterID = 1",
                             {report})
                    .isNull());

    DeleteParameters(db(), report, {1, 2});
    EXPECT_TRUE(ParameterList(db(), report).isEmpty());
}
