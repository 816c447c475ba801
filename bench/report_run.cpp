// A report of the 1,000,000-row benchmark fact table exported to CSV by
// "kelvo-report run", side by side with the sqlite3 command-line shell's
// -csv output of the same statement: whole-process time and peak memory of
// each, run pair by pair, best of the rounds. Targets: at most 1.3 times
// sqlite3's time, and under 100 MB peak memory.
//
//   report_run [ROUNDS] [FOLDER]   (default 3 rounds; FOLDER keeps the large
//                                   demo catalogue between runs)
#include "platform/db/Connection.h"
#include "platform/db/sqlite/SqliteBackend.h"
#include "schema/demo/Catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

const char* kStatement = "Select ID, ProductID, CustomerID, Quantity, Amount, FactDate, FarsiFactDate from "
                         "tblBenchFact";

struct Measure {
    double seconds = 0;
    double peakMegabytes = 0;
    int status = -1;
};

// Runs a program, its standard output to outputFile, and measures it.
Measure RunProcess(const std::vector<std::string>& argv, const std::string& outputFile)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (!outputFile.empty()) {
            FILE* out = std::freopen(outputFile.c_str(), "w", stdout);
            if (!out)
                _exit(127);
        }
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Measure m;
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.peakMegabytes = double(usage.ru_maxrss) / 1024.0;
    m.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return m;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir temporary;
    const QString folder = argc > 2 ? QDir(QString::fromLocal8Bit(argv[2])).absolutePath() : temporary.path();
    const QString program =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../src/app/kelvo-report"));
    const QString catalogueFile = kelvo::db::CataloguePath(folder, QString::fromLatin1(kelvo::schema::kDemoCatalogue));

    if (!QFileInfo::exists(catalogueFile)) {
        std::printf("building the large demo catalogue in %s ...\n", qPrintable(folder));
        std::fflush(stdout);
        kelvo::schema::DemoOptions options;
        options.large = true;
        kelvo::schema::BuildDemoCatalogue(folder, options);
    }
    const QString connectionString = kelvo::schema::EmbeddedConnectionString(folder,
                                                                             QString::fromLatin1(kelvo::schema::kDemoCatalogue));
    qint32 report = 0;
    {
        kelvo::db::Connection db(connectionString);
        kelvo::db::Recordset rs = db.openRecordset(QStringLiteral("select ID from tblKelvoReport where Alias = 'BenchFact'"));
        if (!rs.eof()) {
            report = rs.value(0).toInt();
        } else {
            report = db.execute(QStringLiteral("insert into tblKelvoReport (Title, Alias, CreatorID, SQLQuery, "
                                               "IsStoredProcedure) values (N'جدول واقعیت آزمون', 'BenchFact', 1, ?, 0)"),
                                {QString::fromLatin1(kStatement)})
                         .lastInsertId.toInt();
        }
    }

    const std::string ours = QDir(folder).filePath(QStringLiteral("kelvo.csv")).toStdString();
    const std::string theirs = QDir(folder).filePath(QStringLiteral("sqlite3.csv")).toStdString();
    Measure best[2];
    for (int round = 0; round < rounds; ++round) {
        const Measure k = RunProcess({program.toStdString(), "run", "--connection", connectionString.toStdString(),
                                      "--report", std::to_string(report), "--format", "csv", "--output", ours},
                                     std::string());
        const Measure s = RunProcess({"sqlite3", "-csv", "-header", catalogueFile.toStdString(), kStatement}, theirs);
        if (k.status != 0 || s.status != 0) {
            std::printf("a run failed: kelvo-report %d, sqlite3 %d\n", k.status, s.status);
            return 1;
        }
        for (int i = 0; i < 2; ++i) {
            const Measure& m = i == 0 ? k : s;
            if (round == 0 || m.seconds < best[i].seconds)
                best[i].seconds = m.seconds;
            best[i].peakMegabytes = std::max(best[i].peakMegabytes, m.peakMegabytes);
        }
        std::printf("round %d: kelvo-report %.2f s %.1f MB, sqlite3 %.2f s %.1f MB\n", round + 1, k.seconds,
                    k.peakMegabytes, s.seconds, s.peakMegabytes);
        std::fflush(stdout);
    }
    std::printf("\n1,000,000 rows to CSV (best of %d)\n", rounds);
    std::printf("  kelvo-report run: %.2f s, peak %.1f MB\n", best[0].seconds, best[0].peakMegabytes);
    std::printf("  sqlite3 -csv:     %.2f s, peak %.1f MB\n", best[1].seconds, best[1].peakMegabytes);
    std::printf("  time ratio %.2f (target at most 1.30); peak memory %.1f MB (target under 100 MB)\n",
                best[0].seconds / best[1].seconds, best[0].peakMegabytes);
    std::printf("  CSV sizes: %lld and %lld bytes\n", static_cast<long long>(QFileInfo(QString::fromStdString(ours)).size()),
                static_cast<long long>(QFileInfo(QString::fromStdString(theirs)).size()));
    return 0;
}
