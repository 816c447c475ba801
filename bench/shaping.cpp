// The shaping steps on the 1,000,000-row benchmark fact table, each on rows
// already fetched: the time of the step and the memory it adds against the
// size of its result.
//   merge          rows sorted by a base column of 1,000 values, amounts summed
//   distribution   a 12-value column (the month) spread over customers, one value column
//   expression     one running total
//   colours        the colour of every row by one column with 50 listed values
// Target: each under 1 s; memory for a step at most the size of its result.
//
//   shaping [FOLDER]   (FOLDER keeps the large demo catalogue; the report_run
//                       benchmark makes the same one)
#include "BenchSupport.h"
#include "platform/db/Connection.h"
#include "platform/db/RowStream.h"
#include "presentation/ResultTable.h"
#include "presentation/RowExpressions.h"
#include "presentation/RowShaping.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <unistd.h>

using namespace kelvo;
using namespace kelvo::presentation;

namespace {

qint64 ResidentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

ResultTable Fetch(db::Connection& db, const char* statement)
{
    db::RowReader reader(db, QString::fromLatin1(statement));
    ResultTable table(reader.columns(), reader.columnTypes());
    for (auto batch = std::make_shared<db::RowBatch>(); reader.next(*batch); batch = std::make_shared<db::RowBatch>())
        table.append(batch);
    return table;
}

void Measure(const char* name, const ResultTable& input, const std::function<ResultTable()>& step)
{
    const qint64 before = ResidentBytes();
    QElapsedTimer timer;
    timer.start();
    const ResultTable result = step();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const qint64 added = ResidentBytes() - before;
    std::printf("%-13s %9lld rows -> %8lld rows  %8.1f ms (target < 1000)  memory +%6.1f MiB, result %6.1f MiB\n",
                name, static_cast<long long>(input.rowCount()), static_cast<long long>(result.rowCount()), ms,
                double(added) / (1 << 20), double(result.byteSize()) / (1 << 20));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QDir(QString::fromLocal8Bit(argv[1])).absolutePath() : temporary.path();
    db::Connection db(bench::LargeDemoCatalogue(folder));

    const ResultTable grouped =
        Fetch(db, "Select ID % 1000 as Grp, Quantity, Amount from tblBenchFact order by ID % 1000");
    Measure("merge", grouped, [&] { return MergeRows(grouped, {MergeType::Base, MergeType::Sum, MergeType::Sum}); });

    const ResultTable monthly =
        Fetch(db, "Select CustomerID, substr(FarsiFactDate, 6, 2) as Month, Amount from tblBenchFact");
    Measure("distribution", monthly, [&] { return Distribute(monthly, {1, {2}, {}}); });

    const ResultTable facts = Fetch(db, "Select ID, ProductID, CustomerID, Quantity, Amount from tblBenchFact");
    Measure("expression", facts,
            [&] { return AddRowExpressions(facts, {{QStringLiteral("جمع"), "P6+C5", "C5", std::nullopt}}); });

    RowColourRule rule;
    rule.gridColumn = 4;
    rule.type = 3;
    for (int q = 1; q <= 50; ++q)
        rule.values.append({double(q), 0x0000FF, 0xC0FFFF});
    qsizetype coloured = 0;
    Measure("colours", facts, [&] {
        for (qsizetype r = 0; r < facts.rowCount(); ++r)
            coloured += ColoursOfRow(rule, facts, r).has_value() ? 1 : 0;
        return ResultTable();
    });
    std::printf("              %lld rows coloured\n", static_cast<long long>(coloured));
    return 0;
}
