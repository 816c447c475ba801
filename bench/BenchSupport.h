#pragma once

// What the window benchmarks share: the large demo catalogue, built once
// into a folder and reused, and a Windows that opens nothing.
#include "front/ui/Windows.h"
#include "platform/db/sqlite/SqliteBackend.h"
#include "schema/demo/Catalogue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>

namespace kelvo::bench {

// The connection string of the large demo catalogue in folder, built first
// when it is not there.
inline QString LargeDemoCatalogue(const QString& folder)
{
    const QString catalogueName = QString::fromLatin1(schema::kDemoCatalogue);
    if (!QFileInfo::exists(db::CataloguePath(folder, catalogueName))) {
        std::printf("building the large demo catalogue in %s ...\n", qPrintable(folder));
        std::fflush(stdout);
        schema::DemoOptions options;
        options.large = true;
        schema::BuildDemoCatalogue(folder, options);
    }
    return schema::EmbeddedConnectionString(folder, catalogueName);
}

// Windows the measured window opens nothing through.
class NoWindows final : public front::Windows {
public:
    int show(QWidget&, bool) override { return 0; }
    std::optional<qint32> ChooseReport(front::Session&) override { return std::nullopt; }
    void DesignReport(front::Session&, qint32, QWidget*, bool) override {}
    bool EditReportQuery(front::Session&, qint32, QWidget*) override { return false; }
    void ShowNDefineParameter(front::Session&, qint32, QWidget*) override {}
    bool EditReportForm(front::Session&, qint32, QWidget*) override { return false; }
    bool CreateParametersAutomatically(front::Session&, qint32, QWidget*) override { return false; }
    void EditReportLinks(front::Session&, qint32, const QStringList&, QWidget*) override {}
    void EditReportButtons(front::Session&, qint32, QWidget*) override {}
    void ShowCalledReport(const front::CalledReportRun&) override {}
    void ShowReportTemplate(front::Session&, qint32) override {}
    void RunFormGenerator(front::Session&, qint32, std::optional<qint32>) override {}
    void ShowScheduler(front::Session&, qint32) override {}
    std::optional<QString> ChooseSaveFile(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
};

// The mean time of body over runs, after one run that warms the caches.
template <typename F>
double MeanMs(int runs, F&& body)
{
    body();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        body();
    return double(timer.nsecsElapsed()) / 1e6 / runs;
}

} // namespace kelvo::bench
