#pragma once

namespace kelvo::automation {
class ComponentRegistry;
}

namespace kelvo::component {

class ProgramWindows;

// The component as a host process holds it, made on first use: the process
// registry with the public classes, whose objects open the program's windows
// (Qt dialogs, modal loops) on the process session.
automation::ComponentRegistry& LibraryComponents();
ProgramWindows& LibraryWindows();

} // namespace kelvo::component
