// Speed of the query designer's windows on the large benchmark dictionary
// (5,000 tables of 40 columns), each in a real (offscreen) window: opening
// the visual query builder and expanding a system of 500 tables; filling
// the condition builder's lists for a 20-table model; the value picker on a
// column with 32,000 distinct values. Target: each under 200 ms.
//
//   query_designer [FOLDER]   (FOLDER keeps the large demo catalogue; the
//                              other benchmarks make the same one)
#include "BenchSupport.h"
#include "design/ui/FormAddCons.h"
#include "design/ui/FormBuildQuery.h"
#include "design/ui/FormValues.h"
#include "front/HostContext.h"
#include "front/ScriptedPrompter.h"

#include <QApplication>
#include <QComboBox>
#include <QListView>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace kelvo;

namespace {

void Report(const char* what, double ms)
{
    std::printf("%-66s %8.1f ms   (target < 200 ms)\n", what, ms);
}

QString BenchTable(int n)
{
    return QStringLiteral("tblBench%1").arg(n, 4, 10, QLatin1Char('0'));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QDir(QString::fromLocal8Bit(argv[1])).absolutePath() : temporary.path();
    front::Session session;
    session.context.CurrentConnectionString = bench::LargeDemoCatalogue(folder);
    session.DtEn.setConnectionString(session.context.CurrentConnectionString);
    // A system of 500 of the benchmark tables (made once; the rest stay in system 99).
    session.DtEn.execute(QStringLiteral("insert or ignore into tblKelvoSystem (ID, Name, NotVisible) values (98, ?, 0)"),
                         {QStringLiteral("پانصد جدول")});
    session.DtEn.execute(QStringLiteral("update tblKelvoTable set SystemID = 98 where Name between ? and ?"),
                         {BenchTable(1), BenchTable(500)});
    front::ScriptedPrompter prompter;
    bench::NoWindows windows;

    int shown = 0;
    const double builder = bench::MeanMs(5, [&] {
        design::FormBuildQuery window(session, prompter, windows);
        window.show();
        window.FillNode(QStringLiteral("S98"));
        window.node(QStringLiteral("S98"))->setExpanded(true);
        app.processEvents();
        shown = window.node(QStringLiteral("S98"))->childCount();
    });
    std::printf("(%d tables under the system)\n", shown);
    Report("FormBuildQuery: open, expand a system of 500 tables", builder);

    session.queries = {};
    QStringList tables;
    for (int t = 1; t <= 20; ++t)
        tables << BenchTable(t * 211);
    session.queries.clauses.EFrom = tables.join(QStringLiteral(", "));
    query::RebuildQueryModel(session.queries, session.DtEn);
    int items = 0;
    const double conditions = bench::MeanMs(5, [&] {
        design::FormAddCons window(session, prompter, windows, session.queries, 0);
        window.show();
        app.processEvents();
        items = window.findChild<QComboBox*>(QStringLiteral("cmbValCol"))->count();
    });
    std::printf("(%d items in the value list)\n", items);
    Report("FormAddCons: the lists of a 20-table model", conditions);

    int values = 0;
    const double picker = bench::MeanMs(5, [&] {
        design::FormValues window(session, prompter);
        window.prepare(QStringLiteral("tblBenchFact"), QStringLiteral("ID"), true);
        window.show();
        app.processEvents();
        values = window.findChild<QListView*>(QStringLiteral("lstValues"))->model()->rowCount();
    });
    std::printf("(%d values listed)\n", values);
    Report("FormValues: a column with 32,000 distinct values", picker);
    return prompter.entries().isEmpty() ? 0 : 1;
}
