#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QtGlobal>

#include <optional>

class QWidget;

namespace kelvo::front {

struct Session;

// A report opened from a row of another: the viewer's connection and
// identity, the report, and the values its fed parameters take (by
// ParameterID).
struct CalledReportRun {
    QString connectionString;
    qint16 userID = 0;
    qint16 employeeID = 0;
    qint16 positionID = 0;
    qint32 reportID = 0;
    QString title;
    QHash<qint32, QVariantList> fed;
};

// The windows and host components a window opens, as typed calls. The
// program's implementation builds and runs the real windows; a test installs
// its own and never builds the child. A window receives its Windows (with
// its prompter) at construction and passes it on to the windows it opens.
class Windows {
public:
    virtual ~Windows() = default;

    // Shows window modally (returning when it is closed, with a dialog's
    // result) when modal is true, else modelessly (returning 0 at once).
    virtual int show(QWidget& window, bool modal) = 0;

    // The search window, modally; the report the user chose, none when the
    // window was closed without a choice.
    virtual std::optional<qint32> ChooseReport(Session& session) = 0;
    // The design-and-run window on the report, modal when the context asks
    // for modal windows; run says to run the report as it opens.
    virtual void DesignReport(Session& session, qint32 reportID, QWidget* manager, bool run = false) = 0;
    // The SQL editor on the report's query, modally; true when it saved.
    // caller is the window asking, whose manager says whether a report is
    // being inserted from another.
    virtual bool EditReportQuery(Session& session, qint32 reportID, QWidget* caller) = 0;
    // The report's parameter definitions, modally.
    virtual void ShowNDefineParameter(Session& session, qint32 reportID, QWidget* caller) = 0;
    // The layout of the report's parameter form, modally; true when it saved.
    virtual bool EditReportForm(Session& session, qint32 reportID, QWidget* caller) = 0;
    // The creation of the report's parameters from the columns of the query
    // being designed, modally; true when at least one was created.
    virtual bool CreateParametersAutomatically(Session& session, qint32 reportID, QWidget* caller) = 0;
    // The reports the report calls and how their parameters are fed,
    // modally; headings are those of the result shown.
    virtual void EditReportLinks(Session& session, qint32 reportID, const QStringList& headings, QWidget* caller) = 0;
    // The report's action buttons, modally.
    virtual void EditReportButtons(Session& session, qint32 reportID, QWidget* caller) = 0;
    // A viewer on a report opened from a row of another, modeless.
    virtual void ShowCalledReport(const CalledReportRun& run) = 0;
    // The host's report-template component on the report.
    virtual void ShowReportTemplate(Session& session, qint32 reportID) = 0;
    // The host's form generator on its form type: on the report (View) when
    // one is given, else empty (ClearShow).
    virtual void RunFormGenerator(Session& session, qint32 formType, std::optional<qint32> reportID) = 0;
    // The host's scheduler on the report.
    virtual void ShowScheduler(Session& session, qint32 reportID) = 0;
    // The file the user names to save into (a file dialog), filter as Qt's
    // dialogs take it; none when the user cancels.
    virtual std::optional<QString> ChooseSaveFile(const QString& title, const QString& suggestedName,
                                                  const QString& filter) = 0;
};

} // namespace kelvo::front
