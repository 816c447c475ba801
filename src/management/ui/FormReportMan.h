#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"
#include "management/ManagerMode.h"

#include <QMainWindow>

#include <memory>
#include <optional>

namespace Ui {
class FormReportMan;
}

class QAction;
class QMenu;

namespace kelvo::management {

struct ReportHeader;

// The report manager: shows one report definition at a time and is the hub
// from which a report is created, copied, edited, deleted, searched,
// designed and run. Its mode decides which commands are enabled.
//
// Every command is an action named after its control (cmdNew), shown by its
// button and, for most, by the toolbar. Questions and messages go through the
// prompter, the windows it opens through Windows. A failed database or
// component call of a command is shown with DisplayError and leaves the
// window in its mode; a failure while the window loads reaches the caller.
class FormReportMan final : public QMainWindow {
    Q_OBJECT
public:
    // The subsystem whose maintenance tables mnuPmxReport refills.
    static constexpr int kMaintenanceSystem = 16;

    // Loads the window: the selectors over their views, the base path, an
    // empty definition (idle) and the size of the query model. Throws
    // db::DbError when the database cannot be read.
    FormReportMan(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                  QWidget* parent = nullptr);
    ~FormReportMan() override;

    // Empties every box, check box, selector and the date, and the report
    // texts of the design windows; no report (-1), idle.
    void Clear();
    // Empties the boxes, check boxes, creator and date; the shown report
    // becomes the source of a copy. Mode and selectors unchanged.
    void ClearFrom();
    // Reads definition id into the controls and the caption.
    void FillReportData(qint32 id);
    // Shows definition id in view mode.
    bool ViewReportInfo(qint32 id);
    // Edit mode on the shown definition; creator and date show the current
    // user and today (display only).
    void ShowFormToEdit();
    // Insert mode on an empty window, the subsystem preset to the context's
    // unless that is -1.
    void ShowFormToInsert();
    // Insert-from mode: a copy of the shown definition being entered.
    void ShowFormToInsertFrom();
    // Enables and locks the controls for the current mode.
    void DisableLockComponent();
    // Shows the window, modally when the context asks for modal windows.
    void ShowResult();
    void InitShow() {}
    // F1: opens the help file under the host's base path.
    void ShowHelp();

    qint32 ReportID() const { return m_reportID; }
    qint32 SourceReportID() const { return m_sourceReportID; }
    ManagerMode mode() const { return m_mode; }
    // True when the shown definition's MakeTree is 1.
    bool treeFlag() const { return m_treeFlag; }
    QMenu* operationMenu() const { return m_mnuOperation; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpCommands();
    void setUpToolbar();
    void setUpSelectors();
    void setMode(ManagerMode mode);
    void updateSaveCommand();
    void updateMaintenanceMenu();
    void toControls(const ReportHeader& header);
    ReportHeader fromControls() const;
    void clearEntryBoxes();
    void showCurrentUserAsCreator();
    void showStatus();
    bool permitted(int permissionNumber);
    QAction& command(const char* name) const;

    void cmdNew_Click();
    void cmdNewFrom_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void cmdFinalSave_Click();
    void cmdCancel_Click();
    void cmdExit_Click();
    void cmdSearch_Click();
    void cmdDesignReport_Click();
    void cmdRunReport_Click();
    void cmdUpdateTable_Click();
    void cmdTemplate_Click();
    void cmdFormRunner_Click();
    void mnuPmxReport_Click();

    std::unique_ptr<Ui::FormReportMan> ui;
    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    QMenu* m_mnuOperation = nullptr;
    QAction* m_toolbarExit = nullptr;
    ManagerMode m_mode = ManagerMode::Idle;
    qint32 m_reportID = -1;
    qint32 m_sourceReportID = -1;
    bool m_treeFlag = false;
    bool m_activated = false;
    bool m_exitConfirmed = false;
};

} // namespace kelvo::management
