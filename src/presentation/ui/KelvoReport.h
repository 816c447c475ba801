#pragma once

#include "platform/db/Connection.h"
#include "presentation/ReportDefinition.h"
#include "presentation/ReportExport.h"
#include "presentation/RowActions.h"
#include "presentation/RunStatement.h"

#include <QElapsedTimer>
#include <QWidget>

#include <memory>
#include <optional>

class QChartView;
class QLabel;
class QPagedPaintDevice;
class QLineEdit;
class QToolButton;

namespace kelvo::db {
class RowStream;
}
namespace kelvo::front {
class Prompter;
class Windows;
} // namespace kelvo::front

namespace kelvo::presentation {

class ReportGrid;
class ResultModel;

// The report display control ("KelvoReport.KelvoReport1"): runs a stored
// report and shows its result. The window that hosts it sets the connection
// string and the identity, then calls RunReport. The control reads the
// definition, asks for the shown parameters on its parameter form, runs the
// statement on a worker thread (a progress line and a Cancel button while
// the rows arrive; the first rows show at once), and fills ResultGrid with
// the stored column layout, a totals row and the grid row height. The grid
// sorts by a heading and filters on a text; the control's menu exports to
// CSV and Excel.
//
// A row leads on: when the report calls other reports, a double-click or the
// row's context menu opens one in a new viewer, its parameters fed from the
// row and from this run's parameter values; the report's action buttons,
// above the grid, call their procedures with the current row's values and
// then run the report again.
class KelvoReport final : public QWidget {
    Q_OBJECT
public:
    KelvoReport(front::Prompter& prompter, front::Windows& windows, QWidget* parent = nullptr);
    ~KelvoReport() override;

    void setOleConnectionString(const QString& connectionString);
    const QString& OleConnectionString() const { return m_connectionString; }
    void setUserID(qint16 id) { m_environment.userID = id; }
    void setEmployeeID(qint16 id) { m_environment.employeeID = id; }
    void setPositionID(qint16 id) { m_environment.positionID = id; }

    // Runs report reportID; caller and extra are kept for the calling
    // report's feeds. Returns when the run has started (or was refused).
    void RunReport(qint32 reportID, const QString& caller = {}, const QString& extra = {});
    // Runs a report opened from a row of another: the fed parameters take
    // these values; the form asks only when a shown parameter is not fed.
    void RunCalledReport(qint32 reportID, const ParameterValues& fed);
    // Reads the report's links and buttons anew, after they were edited.
    void ReloadRowActions();
    // Opens the called report from a row of the grid shown.
    void openCalledReport(const CalledReport& called, int gridRow);
    // Presses an action button on the current row.
    void pressButton(const ActionButton& button);
    // Reads the report's shaping anew (expressions, merge, distribution,
    // colours, layout) and applies it to the rows already fetched, without
    // running the statement again.
    void RefreshReport();
    void ReapplyLayout();
    ReportGrid* ResultGrid() const { return m_resultGrid; }
    ReportGrid* AlternateGrid() const { return m_alternateGrid; }
    // The stored chart beside the result; hidden unless the report shows one.
    QChartView* ChartView() const { return m_chartView; }
    bool AlternateShown() const { return m_alternateShown; }
    bool IsTreeReport() const { return m_definition && m_definition->isTree; }

    // Stops a running report; the rows already shown stay.
    void cancel();
    bool isRunning() const;
    // Writes the rows shown to a file.
    void exportTo(ExportFormat format, const QString& path);
    // Asks for a file (through Windows) and writes the rows shown to it; a
    // failure is shown.
    void chooseExport(ExportFormat format);
    // The rows shown on the pages of a printer or a file, as the PDF export
    // draws them.
    void printTo(QPagedPaintDevice& device);
    // The print preview, from which the pages are printed.
    void printPreview();
    const std::optional<ReportDefinition>& definition() const { return m_definition; }

Q_SIGNALS:
    // A run ended: all its rows came, it failed, or it was cancelled.
    void runEnded();

private:
    void run(qint32 reportID, const ParameterValues& fed, bool askAlways);
    void startRun(const RunStatement& statement);
    void buildButtonBar();
    void updateButtons();
    void showRowMenu(const QPoint& at);
    QVariantList rowValues(int gridRow) const;
    void applyLayout();
    void reloadShaping();
    void applyShaping();
    void showProgress(qint64 rows);
    void ended(const QString& status);

    front::Prompter& m_prompter;
    front::Windows& m_windows;
    QString m_connectionString;
    db::Connection m_connection;
    RunEnvironment m_environment;
    std::optional<ReportDefinition> m_definition;
    QString m_caller;
    ParameterValues m_values; // of the last run
    int m_keptRow = -1;       // the current row to restore after a run again
    ResultModel* m_model;
    ResultModel* m_alternateModel;
    ResultTable m_fetched; // the rows as the statement gave them
    bool m_alternateShown = false;
    ReportGrid* m_resultGrid;
    ReportGrid* m_alternateGrid;
    QLineEdit* m_filter;
    QLabel* m_progress;
    QToolButton* m_cancel;
    QToolButton* m_export;
    QWidget* m_buttonBar;
    QChartView* m_chartView;
    std::unique_ptr<db::RowStream> m_stream;
    QElapsedTimer m_clock;
    bool m_resultSetTaken = false;
};

} // namespace kelvo::presentation
