#include "component/ui/ComponentLibrary.h"

#include "component/ui/ProgramWindows.h"
#include "front/PublicClasses.h"
#include "front/ui/DialogPrompter.h"
#include "front/ui/WindowRunner.h"
#include "platform/automation/ComponentRegistry.h"

namespace kelvo::component {

namespace {

struct Library {
    front::ModalLoopRunner runner;
    front::DialogPrompter prompter{runner};
    ProgramWindows windows{prompter, runner, automation::ProcessRegistry(), &prompter};

    Library() { front::RegisterPublicClasses(automation::ProcessRegistry(), {&windows, &windows}); }
};

Library& TheLibrary()
{
    static Library library;
    return library;
}

} // namespace

automation::ComponentRegistry& LibraryComponents()
{
    TheLibrary();
    return automation::ProcessRegistry();
}

ProgramWindows& LibraryWindows()
{
    return TheLibrary().windows;
}

} // namespace kelvo::component
