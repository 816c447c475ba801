// Cost of the database layer on the embedded store: the same single-row
// selects and inserts through kelvo::db::Connection and through direct
// sqlite3 calls with prepared statements, on two catalogues made alike.
// Selects are compared twice: a forward-only recordset against direct code
// that steps to the row, and a static recordset (which reads every row, so it
// knows its count) against direct code that steps to the end of the result.
// Each select loop runs several times and the best run counts, so that other
// work on the machine disturbs the figures less.
//
//   db_layer_overhead [ROUNDS]   (default 10000)
#include "platform/db/Connection.h"
#include "platform/db/sqlite/SqliteBackend.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <chrono>
#include <cstdio>

using namespace kelvo::db;
using Clock = std::chrono::steady_clock;

namespace {

const char* kCreate = "CREATE TABLE tblItem (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                      "Name nvarchar(100) COLLATE NOCASE, Amount money)";
const char* kInsert = "INSERT INTO tblItem (Name, Amount) VALUES (?, ?)";
const char* kSelect = "SELECT Name, Amount FROM tblItem WHERE ID = ?";

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

QString itemName(int i)
{
    return QStringLiteral("کالای شماره %1").arg(i);
}

constexpr int kSelectRuns = 5;

struct Figures {
    double insertMs = 0;
    double forwardSelectMs = 1e300;
    double staticSelectMs = 1e300;
    double checksum = 0;
};

Figures throughLayer(const QString& folder, int rounds)
{
    CreateCatalogue(folder, QStringLiteral("Layer"));
    Connection c(QStringLiteral("Provider=SQLite;Data Source=%1;Initial Catalog=Layer").arg(folder));
    c.execute(QString::fromLatin1(kCreate));
    Figures f;
    const QString insert = QString::fromLatin1(kInsert);
    const QString select = QString::fromLatin1(kSelect);
    auto start = Clock::now();
    for (int i = 0; i < rounds; ++i)
        c.execute(insert, {itemName(i), i * 1.5});
    f.insertMs = millisecondsSince(start);
    for (int run = 0; run < kSelectRuns; ++run) {
        for (const CursorType type : {CursorType::ForwardOnly, CursorType::Static}) {
            double checksum = 0;
            start = Clock::now();
            for (int i = 0; i < rounds; ++i) {
                Recordset rs = c.openRecordset(select, {i + 1}, type);
                checksum += rs.value(1).toDouble() + rs.value(0).toString().size();
            }
            double& best = type == CursorType::ForwardOnly ? f.forwardSelectMs : f.staticSelectMs;
            best = std::min(best, millisecondsSince(start));
            f.checksum = checksum;
        }
    }
    return f;
}

Figures direct(const QString& folder, int rounds)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QStringLiteral("%1/Direct.sqlite").arg(folder).toUtf8().constData(), &db,
                    SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr);
    sqlite3_busy_timeout(db, 10000);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    sqlite3_exec(db, kCreate, nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v3(db, kInsert, -1, SQLITE_PREPARE_PERSISTENT, &insert, nullptr);
    sqlite3_prepare_v3(db, kSelect, -1, SQLITE_PREPARE_PERSISTENT, &select, nullptr);
    Figures f;
    auto start = Clock::now();
    for (int i = 0; i < rounds; ++i) {
        const QByteArray name = itemName(i).toUtf8();
        sqlite3_bind_text(insert, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_double(insert, 2, i * 1.5);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    f.insertMs = millisecondsSince(start);
    for (int run = 0; run < kSelectRuns; ++run) {
        for (const bool toTheEnd : {false, true}) {
            double checksum = 0;
            start = Clock::now();
            for (int i = 0; i < rounds; ++i) {
                sqlite3_bind_int64(select, 1, i + 1);
                while (sqlite3_step(select) == SQLITE_ROW) {
                    const QString name = QString::fromUtf8(
                        reinterpret_cast<const char*>(sqlite3_column_text(select, 0)), sqlite3_column_bytes(select, 0));
                    checksum += sqlite3_column_double(select, 1) + name.size();
                    if (!toTheEnd)
                        break;
                }
                sqlite3_reset(select);
            }
            double& best = toTheEnd ? f.staticSelectMs : f.forwardSelectMs;
            best = std::min(best, millisecondsSince(start));
            f.checksum = checksum;
        }
    }
    sqlite3_finalize(insert);
    sqlite3_finalize(select);
    sqlite3_close(db);
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir dir;
    // Warm the file system and the allocator once, then measure each side.
    direct(dir.path() + QStringLiteral("/warm"), 200);
    QTemporaryDir a, b;
    const Figures viaDirect = direct(a.path(), rounds);
    const Figures viaLayer = throughLayer(b.path(), rounds);
    if (viaDirect.checksum != viaLayer.checksum)
        std::fprintf(stderr, "warning: the two sides read different values\n");

    std::printf("rounds: %d single-row selects and %d inserts each\n", rounds, rounds);
    std::printf("%-22s %12s %12s %8s\n", "", "direct ms", "layer ms", "ratio");
    std::printf("%-22s %12.1f %12.1f %8.3f\n", "insert", viaDirect.insertMs, viaLayer.insertMs,
                viaLayer.insertMs / viaDirect.insertMs);
    std::printf("%-22s %12.1f %12.1f %8.3f\n", "select, forward-only", viaDirect.forwardSelectMs,
                viaLayer.forwardSelectMs, viaLayer.forwardSelectMs / viaDirect.forwardSelectMs);
    std::printf("%-22s %12.1f %12.1f %8.3f\n", "select, static", viaDirect.staticSelectMs, viaLayer.staticSelectMs,
                viaLayer.staticSelectMs / viaDirect.staticSelectMs);
    const double total = (viaLayer.insertMs + viaLayer.forwardSelectMs + viaLayer.staticSelectMs)
                         / (viaDirect.insertMs + viaDirect.forwardSelectMs + viaDirect.staticSelectMs);
    std::printf("overall ratio: %.3f (target at most 1.15)\n", total);
    return 0;
}
