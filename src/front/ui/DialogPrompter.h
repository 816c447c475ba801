#pragma once

#include "front/Prompter.h"
#include "front/ui/AppStyle.h"

class QWidget;

namespace kelvo::front {

class WindowRunner;

// The prompter of the program: shows FormYesNo, FormMsg and FormError
// modally through the given runner, styled with the window colours, over the
// active window. The arrow pointer shows while a dialog is up.
class DialogPrompter final : public Prompter {
public:
    explicit DialogPrompter(WindowRunner& runner, WindowColours colours = {});
    void setColours(const WindowColours& colours) { m_colours = colours; }

protected:
    int presentYesNo(const QString& title, const QString& question) override;
    void presentMessage(const QString& title, const QString& message) override;
    void presentError(const ErrorReport& report) override;

private:
    int run(QWidget& dialog);

    WindowRunner& m_runner;
    WindowColours m_colours;
};

} // namespace kelvo::front
