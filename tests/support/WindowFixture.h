#pragma once

// Driving a real window (offscreen) as a user would: find a control by its
// name, click a command, press a key; and a Windows that records what a
// window opens instead of building it.
#include "front/ui/Windows.h"
#include "support/TempCatalogue.h"
#include "support/QStringPrinter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QQueue>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

namespace kelvo::test {

// The window's child of type T with this objectName; a test failure when
// there is none.
template <class T = QWidget>
T* Child(const QObject& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

// Clicks the command with this name as a user would: its button when it has
// one (a disabled button ignores the click), else the action, when enabled.
inline void Click(QObject& window, const QString& name)
{
    if (auto* button = window.findChild<QAbstractButton*>(name)) {
        button->click();
    } else if (auto* action = Child<QAction>(window, name)) {
        if (action->isEnabled())
            action->trigger();
    }
    QApplication::processEvents();
}

inline void PressKey(QWidget& target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QString text = key == Qt::Key_Return || key == Qt::Key_Enter ? QStringLiteral("\r") : QString();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&target, &release);
    QApplication::processEvents();
}

// The folder pictures of windows go to (KELVO_SHOTS_DIR); empty when none
// is asked for.
inline QString PicturesFolder()
{
    return qEnvironmentVariable("KELVO_SHOTS_DIR");
}

// Shows the window and saves a picture of it as <folder>/<name>.png.
inline void SavePicture(QWidget& window, const QString& folder, const QString& name)
{
    window.show();
    QApplication::processEvents();
    window.grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

// Records every window and component a window asks for, and answers from
// what the test set; builds nothing.
class TestWindows final : public front::Windows {
public:
    struct DesignCall {
        qint32 reportID;
        QWidget* manager;
        bool run;
    };
    struct FormGeneratorCall {
        qint32 formType;
        std::optional<qint32> reportID;
    };

    // Names of everything opened, in order: a shown window's objectName,
    // or the name of the typed call ("ChooseReport", "DesignReport", …).
    QStringList opened;
    QList<bool> shownModal;
    QQueue<std::optional<qint32>> chosenReports; // ChooseReport's answers; none when empty
    QList<DesignCall> designed;
    QList<qint32> templates;
    QList<FormGeneratorCall> formGenerators;
    std::function<void()> onChooseReport; // runs while the search "is open"
    // Scripts for windows shown modally, in turn: each acts on the window as
    // a user would and gives the dialog's result. A modal window without a
    // script is closed (0, rejected).
    QQueue<std::function<int(QWidget&)>> modalScripts;

    int show(QWidget& window, bool modal) override
    {
        opened << window.objectName();
        shownModal << modal;
        window.show();
        QApplication::processEvents();
        if (!modal)
            return 0;
        const int result = modalScripts.isEmpty() ? 0 : modalScripts.dequeue()(window);
        window.hide();
        return result;
    }
    std::optional<qint32> ChooseReport(front::Session&) override
    {
        opened << QStringLiteral("ChooseReport");
        if (onChooseReport)
            onChooseReport();
        return chosenReports.isEmpty() ? std::nullopt : chosenReports.dequeue();
    }
    void DesignReport(front::Session&, qint32 reportID, QWidget* manager, bool run) override
    {
        opened << QStringLiteral("DesignReport");
        designed.append({reportID, manager, run});
    }
    QList<qint32> queryEdits;
    bool EditReportQuery(front::Session&, qint32 reportID, QWidget*) override
    {
        opened << QStringLiteral("EditReportQuery");
        queryEdits << reportID;
        return false;
    }
    QList<qint32> parameterDefinitions;
    void ShowNDefineParameter(front::Session&, qint32 reportID, QWidget*) override
    {
        opened << QStringLiteral("ShowNDefineParameter");
        parameterDefinitions << reportID;
    }
    // EditReportForm's and CreateParametersAutomatically's answers; an
    // action runs first, as the user's work in the window would.
    std::function<bool()> onEditReportForm, onCreateParameters;
    bool EditReportForm(front::Session&, qint32, QWidget*) override
    {
        opened << QStringLiteral("EditReportForm");
        return onEditReportForm && onEditReportForm();
    }
    bool CreateParametersAutomatically(front::Session&, qint32, QWidget*) override
    {
        opened << QStringLiteral("CreateParametersAutomatically");
        return onCreateParameters && onCreateParameters();
    }
    struct LinksCall {
        qint32 reportID;
        QStringList headings;
    };
    QList<LinksCall> linkEdits;
    std::function<void()> onEditLinks, onEditButtons; // the user's work in the window
    void EditReportLinks(front::Session&, qint32 reportID, const QStringList& headings, QWidget*) override
    {
        opened << QStringLiteral("EditReportLinks");
        linkEdits.append({reportID, headings});
        if (onEditLinks)
            onEditLinks();
    }
    QList<qint32> buttonEdits;
    void EditReportButtons(front::Session&, qint32 reportID, QWidget*) override
    {
        opened << QStringLiteral("EditReportButtons");
        buttonEdits << reportID;
        if (onEditButtons)
            onEditButtons();
    }
    QList<front::CalledReportRun> calledReports;
    void ShowCalledReport(const front::CalledReportRun& run) override
    {
        opened << QStringLiteral("ShowCalledReport");
        calledReports << run;
    }
    void ShowReportTemplate(front::Session&, qint32 reportID) override
    {
        opened << QStringLiteral("ShowReportTemplate");
        templates << reportID;
    }
    void RunFormGenerator(front::Session&, qint32 formType, std::optional<qint32> reportID) override
    {
        opened << QStringLiteral("RunFormGenerator");
        formGenerators.append({formType, reportID});
    }
    QList<qint32> schedules;
    void ShowScheduler(front::Session&, qint32 reportID) override
    {
        opened << QStringLiteral("ShowScheduler");
        schedules << reportID;
    }
    QQueue<QString> savePaths; // ChooseSaveFile's answers; cancelled when empty
    std::optional<QString> ChooseSaveFile(const QString&, const QString&, const QString&) override
    {
        opened << QStringLiteral("ChooseSaveFile");
        return savePaths.isEmpty() ? std::nullopt : std::optional<QString>(savePaths.dequeue());
    }
};

} // namespace kelvo::test
