#pragma once

#include "platform/db/Backend.h"

namespace kelvo::db {

class SqliteBackend;

// One call of a stored procedure implemented in C++. The procedure reads its
// inputs, sets its outputs and return value, and may leave a result set.
struct NativeCall {
    SqliteBackend& db;
    std::vector<ProcedureParameter>& params;
    QVariant returnValue;
    std::unique_ptr<Cursor> rows;

    // The value of a parameter, by name without regard to case ("@" optional);
    // null when the caller did not pass it.
    QVariant input(const QString& name) const;
    void setOutput(const QString& name, const QVariant& value);
};

using NativeProcedure = void (*)(NativeCall&);

// The native procedure of that name (without regard to case), or null: the
// host procedures first, then those registered at run time. A catalogue binds
// one with "CREATE PROCEDURE … AS EXTERNAL NAME Host.<name>".
NativeProcedure FindNativeProcedure(const QString& name);

// Adds a native procedure for this process (plugins, tests); a later
// registration of the same name replaces the earlier one.
void RegisterNativeProcedure(const QString& name, NativeProcedure body);

// The host procedures the embedded store implements natively.
struct NativeProcedureEntry {
    const char* name;
    NativeProcedure body;
};
const std::vector<NativeProcedureEntry>& HostProcedureTable();

} // namespace kelvo::db
