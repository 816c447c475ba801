#pragma once

#include <QMainWindow>
#include <QVariant>

#include <functional>
#include <memory>

namespace Ui {
class FormReportMan;
}

class QAction;
class QMenu;
class QPushButton;
class QTimer;

namespace kelvo::front {
struct Session;
class Prompter;
class WindowRunner;
} // namespace kelvo::front

namespace kelvo::management {

// The report manager: shows one report definition at a time and is the hub
// from which a report is created, copied, edited, deleted, searched,
// designed and run. Its mode (the context's ManagerMode: 1 insert, 2 edit,
// 3 idle, 4 view, 6 insert-from) decides which commands are enabled.
//
// Questions and messages go through the prompter, modal child windows
// through the window runner. Database failures of a command are shown with
// DisplayError and leave the window in its mode; a failure while the window
// loads reaches the caller.
class FormReportMan final : public QMainWindow {
    Q_OBJECT
public:
    // The report-template component the host installs, and what it is given.
    static inline const QString kTemplateProgId = QStringLiteral("KelvoReportTemplate.clsReportTemplate");
    static constexpr int kTemplateFormNumber = 12533;
    // The host's form generator, created from its component file.
    static inline const QString kFormGeneratorFile = QStringLiteral("KelvoFormGenerator.comFormExe.ocx");
    // The help file under the host's base path, as the host stores it.
    static inline const QString kHelpFile = QStringLiteral("\\Tivran\\Help\\tivran help detail\\ReportHelp.chm");

    // Loads the window: the selectors over their views, the base path, an
    // empty definition (mode 3) and the size of the query model. Throws
    // db::DbError when the database cannot be read.
    FormReportMan(front::Session& session, front::Prompter& prompter, front::WindowRunner& windows,
                  QWidget* parent = nullptr);
    ~FormReportMan() override;

    // Empties every box, check box, selector and the date, and the report
    // texts of the design windows; no report (-1), mode 3.
    void Clear();
    // Empties the boxes, check boxes, creator and date; the shown report
    // becomes the source of a copy. Mode and selectors unchanged.
    void ClearFrom();
    // Reads definition id into the controls and the caption.
    void FillReportData(qint32 id);
    // Shows definition id in view mode (4).
    bool ViewReportInfo(qint32 id);
    // Edit mode (2) on the shown definition; creator and date show the
    // current user and today (display only).
    void ShowFormToEdit();
    // Insert mode (1) on an empty window, the subsystem preset to the
    // context's unless that is -1.
    void ShowFormToInsert();
    // Insert-from mode (6): a copy of the shown definition being entered.
    void ShowFormToInsertFrom();
    // Enables and locks the controls for the current mode.
    void DisableLockComponent();
    // Shows the window, modally when the context asks for modal windows.
    void ShowResult();
    void InitShow() {}

    qint32 ReportID() const { return m_reportID; }
    qint32 SourceReportID() const { return m_sourceReportID; }
    int mode() const;
    // True when the shown definition's MakeTree is 1.
    bool treeFlag() const { return m_treeFlag; }

    // One tick of RefreshTimer: cmdFinalSave, mnuInitReport, chkMakeTree
    // and mnuPmxReport.
    void RefreshTimer_Timer();
    // One tick of TimerButtons: each toolbar button takes the enabled state
    // of the command button its key names.
    void TimerButtons_Timer();
    // A toolbar button's click, by its key (a command button's name).
    void Toolbar1_ButtonClick(const QString& key);
    // F1: opens the help file under the host's base path.
    void ShowHelp();

    // The toolbar button with a key; null when there is none.
    QAction* toolbarButton(const QString& key) const;
    QMenu* operationMenu() const { return m_mnuOperation; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolbar();
    void buildMenus();
    void connectCommands();
    void setMode(int mode);
    void showCurrentUserAsCreator();
    void clearReportTexts();
    void resetQueryModel();
    void showStatus();
    bool permitted(int permissionNumber);
    // Runs a command handler; database and component failures are shown.
    void guarded(const std::function<void()>& handler);
    QPushButton* commandButton(const QString& name) const;

    void cmdNew_Click();
    void cmdNewFrom_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void cmdFinalSave_Click();
    void cmdCancel_Click();
    void cmdExit_Click();
    void cmdSearch_Click();
    void cmdDesignReport_Click();
    void cmdRunReport_Click() {}
    void cmdUpdateTable_Click();
    void cmdTemplate_Click();
    void cmdFormRunner_Click();
    void mnuPmxReport_Click();

    std::unique_ptr<Ui::FormReportMan> ui;
    front::Session& m_session;
    front::Prompter& m_prompter;
    front::WindowRunner& m_windows;
    QMenu* m_mnuOperation = nullptr;
    QTimer* RefreshTimer = nullptr;
    QTimer* TimerButtons = nullptr;
    qint32 m_reportID = -1;
    qint32 m_sourceReportID = -1;
    bool m_treeFlag = false;
    bool m_activated = false;
    bool m_exitConfirmed = false;
    QSize m_designSize;
};

} // namespace kelvo::management
