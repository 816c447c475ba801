#include "front/ui/WindowRunner.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>

namespace kelvo::front {

namespace {

// Ends an event loop when the watched window closes or hides.
class CloseWatcher final : public QObject {
public:
    explicit CloseWatcher(QEventLoop& loop) : m_loop(loop) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close || event->type() == QEvent::Hide)
            m_loop.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& m_loop;
};

} // namespace

int ModalLoopRunner::runModal(QWidget& window)
{
    if (auto* dialog = qobject_cast<QDialog*>(&window))
        return dialog->exec();
    QPointer<QWidget> guard(&window);
    QEventLoop loop;
    CloseWatcher watcher(loop);
    window.installEventFilter(&watcher);
    QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    const Qt::WindowModality previous = window.windowModality();
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    loop.exec(QEventLoop::DialogExec);
    if (guard) {
        guard->removeEventFilter(&watcher);
        guard->setWindowModality(previous);
    }
    return 0;
}

int ShowWindow(QWidget& window, bool modal, WindowRunner& runner)
{
    if (modal)
        return runner.runModal(window);
    window.show();
    return 0;
}

int ScriptedWindowRunner::runModal(QWidget& window)
{
    QPointer<QWidget> guard(&window);
    m_opened.append(window.objectName());
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    if (m_scripts.isEmpty()) {
        ++m_unexpected;
    } else {
        Script script = m_scripts.dequeue();
        script(window);
    }
    QApplication::processEvents();
    if (guard && guard->isVisible())
        guard->close();
    if (!guard)
        return 0;
    if (auto* dialog = qobject_cast<QDialog*>(guard.data()))
        return dialog->result();
    return 0;
}

} // namespace kelvo::front
