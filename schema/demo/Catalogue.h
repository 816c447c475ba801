#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace kelvo::schema {

// "Provider=SQLite;Data Source=<folder>;Initial Catalog=<catalogue>".
QString EmbeddedConnectionString(const QString& folder, const QString& catalogue);

// Creates an embedded catalogue holding the whole repository schema (tables,
// views, procedures). Throws db::DbError when it exists already.
void InitRepository(const QString& folder, const QString& catalogue);

struct DemoOptions {
    // Adds the benchmark data: 5,000 dictionary tables of 40 columns and a
    // fact table of 1,000,000 rows.
    bool large = false;
};

struct DemoSummary {
    QString connectionString;
    QList<QPair<QString, qint64>> rowCounts; // table name, rows
    QString text() const;                    // a few lines for people
};

inline constexpr const char* kDemoCatalogue = "KelvoDemo";

// Creates, or builds anew, the demo catalogue in folder.
DemoSummary BuildDemoCatalogue(const QString& folder, const DemoOptions& options = {});

} // namespace kelvo::schema
