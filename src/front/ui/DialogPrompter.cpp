#include "front/ui/DialogPrompter.h"

#include "front/ui/MessageDialogs.h"
#include "front/ui/WindowRunner.h"

#include <QApplication>
#include <QGuiApplication>

namespace kelvo::front {

DialogPrompter::DialogPrompter(WindowRunner& runner, WindowColours colours)
    : m_runner(runner), m_colours(colours)
{
}

int DialogPrompter::run(QWidget& dialog)
{
    StyleWindow(dialog, m_colours);
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = m_runner.runModal(dialog);
    QGuiApplication::restoreOverrideCursor();
    return result;
}

int DialogPrompter::presentYesNo(const QString& title, const QString& question)
{
    FormYesNo dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setQuestion(question);
    run(dialog);
    return dialog.answer();
}

void DialogPrompter::presentMessage(const QString& title, const QString& message)
{
    FormMsg dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setMessage(message);
    run(dialog);
}

void DialogPrompter::presentError(const ErrorReport& report)
{
    FormError dialog(QApplication::activeWindow());
    dialog.setMessage(report.message);
    dialog.setDetails(report.details);
    dialog.setWindowTitle(report.caption);
    run(dialog);
}

} // namespace kelvo::front
