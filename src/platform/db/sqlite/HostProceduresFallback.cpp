// An empty host procedure table for programs built without HostProcedures.cpp.
//
// Kept in a file of its own, named to sort between HostProcedures.cpp and
// NativeProcedures.cpp: the static library lists its members in that order,
// so when NativeProcedures.o asks for HostProcedureTable the linker takes the
// real table first. Were this default inside NativeProcedures.cpp, it would
// satisfy the reference by itself and the real table would never be linked.
#include "platform/db/sqlite/NativeProcedures.h"

namespace kelvo::db {

__attribute__((weak)) const std::vector<NativeProcedureEntry>& HostProcedureTable()
{
    static const std::vector<NativeProcedureEntry> none;
    return none;
}

} // namespace kelvo::db
