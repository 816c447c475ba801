// Speed of the query text core on the large benchmark dictionary (5,000
// tables of 40 columns): rebuilding the query model of a 20-table query,
// parsing and translating a 1,000-item select list, and splitting and
// assembling a 30,000-character query.
//
//   query_model [folder]   the large demo catalogue is built into folder
//                          once (slow) and reused by later runs; without a
//                          folder a temporary one is used.
#include "platform/db/Connection.h"
#include "platform/db/sqlite/SqliteBackend.h"
#include "query/QueryModel.h"
#include "schema/demo/Catalogue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace kelvo;
using namespace kelvo::query;

namespace {

QString BenchTable(int n)
{
    return QStringLiteral("tblBench%1").arg(n, 4, 10, QLatin1Char('0'));
}

QString BenchColumn(int k)
{
    return QStringLiteral("Col%1").arg(k, 2, 10, QLatin1Char('0'));
}

template <typename F>
double MeanMs(int runs, F&& body)
{
    body(); // warm the statement cache and the page cache
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        body();
    return double(timer.nsecsElapsed()) / 1e6 / runs;
}

void Report(const char* what, double ms, double targetMs)
{
    std::printf("%-62s %9.3f ms   (target < %g ms)\n", what, ms, targetMs);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QString catalogue = QString::fromLatin1(schema::kDemoCatalogue);
    const QString connectionString = schema::EmbeddedConnectionString(folder, catalogue);
    {
        bool ready = QFile::exists(db::CataloguePath(folder, catalogue));
        if (ready) {
            db::Connection probe(connectionString);
            ready = !probe.openRecordset(QStringLiteral("select Name from tblKelvoTable where Name = 'tblBench5000'"))
                         .eof();
        }
        if (!ready) {
            std::printf("Building the large demo catalogue in %s ...\n", qPrintable(folder));
            QElapsedTimer build;
            build.start();
            schema::BuildDemoCatalogue(folder, {.large = true});
            std::printf("built in %.1f s\n", build.elapsed() / 1000.0);
        }
    }
    db::Connection db(connectionString);

    // 1. RebuildQueryModel of a 20-table query.
    QueryStores stores;
    QStringList tables, select, where;
    for (int t = 1; t <= 20; ++t) {
        const QString table = BenchTable(t * 211);
        tables << table;
        select << QStringLiteral("%1.%2 as 'ستون %3'").arg(table, BenchColumn(1 + t % 40)).arg(t);
        select << QStringLiteral("SUM(%1.%2) as 'جمع %3'").arg(table, BenchColumn(3)).arg(t);
        if (t > 1)
            where << QStringLiteral("%1.Col01 = %2.Col01").arg(tables[0], table);
    }
    stores.clauses.ESelect = select.join(QStringLiteral(", "));
    stores.clauses.EFrom = tables.join(QStringLiteral(", "));
    stores.clauses.EGroupBy = tables[0] + QStringLiteral(".Col02");
    const double rebuild = MeanMs(20, [&] { RebuildQueryModel(stores, db); });
    if (stores.tables.count() != 20)
        std::printf("unexpected: %d tables in the model\n", stores.tables.count());
    Report("RebuildQueryModel, 20 tables of 40 columns", rebuild, 20);

    // 2. ParseSelectItems with TranslateColumnRef of a 1,000-item select list.
    QStringList items;
    for (int i = 0; i < 1000; ++i)
        items << QStringLiteral("%1.%2 as 'عنوان %3'").arg(BenchTable(1 + (i * 37) % 5000), BenchColumn(1 + i % 40)).arg(i);
    const QString thousand = QStringLiteral("Select ") + items.join(QStringLiteral(", ")) + QStringLiteral(" From  ") +
                             BenchTable(1);
    SelectItemList list;
    const double parse = MeanMs(5, [&] { ParseSelectItems(list, db, QStringLiteral("-1"), thousand); });
    if (list.count() != 1000 || list.items[0].FarsiText == list.items[0].EnglishText)
        std::printf("unexpected: %d items, first not translated\n", list.count());
    Report("ParseSelectItems + TranslateColumnRef, 1,000 items", parse, 20);

    // 3. Splitting and assembling a 30,000-character query.
    QStringList longSelect;
    for (int i = 0; longSelect.join(QStringLiteral(", ")).size() < 29000; ++i)
        longSelect << QStringLiteral("%1.%2 as 'عنوان ستون %3'").arg(BenchTable(1 + i % 20), BenchColumn(1 + i % 40)).arg(i);
    const ClauseBoxes boxes{longSelect.join(QStringLiteral(", ")), tables.join(QStringLiteral(", ")),
                            where.join(QStringLiteral(" and ")), tables[0] + QStringLiteral(".Col02"),
                            tables[0] + QStringLiteral(".Col01")};
    QueryClauses clauses;
    const double split = MeanMs(200, [&] {
        clauses.EQuery = AssembleEditorQuery(boxes);
        SplitEnglishQuery(clauses);
    });
    std::printf("(query of %lld characters)\n", static_cast<long long>(clauses.EQuery.size()));
    Report("AssembleEditorQuery + SplitEnglishQuery, 30,000 characters", split, 1);
    return 0;
}
