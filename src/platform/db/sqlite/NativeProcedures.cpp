#include "platform/db/sqlite/NativeProcedures.h"

#include <QMutex>

namespace kelvo::db {

namespace {

QString bareName(const QString& name)
{
    return name.startsWith(u'@') ? name.mid(1) : name;
}

struct Registered {
    QMutex mutex;
    std::vector<std::pair<QString, NativeProcedure>> entries;
};

Registered& registered()
{
    static Registered r;
    return r;
}

} // namespace

QVariant NativeCall::input(const QString& name) const
{
    const QString wanted = bareName(name);
    for (const ProcedureParameter& p : params)
        if (bareName(p.name).compare(wanted, Qt::CaseInsensitive) == 0)
            return p.value;
    return {};
}

void NativeCall::setOutput(const QString& name, const QVariant& value)
{
    const QString wanted = bareName(name);
    for (ProcedureParameter& p : params) {
        if (bareName(p.name).compare(wanted, Qt::CaseInsensitive) == 0) {
            p.value = value;
            return;
        }
    }
    params.push_back(ProcedureParameter{name.startsWith(u'@') ? name : u'@' + name, value, ParameterDirection::Output});
}

NativeProcedure FindNativeProcedure(const QString& name)
{
    for (const NativeProcedureEntry& e : HostProcedureTable())
        if (name.compare(QLatin1String(e.name), Qt::CaseInsensitive) == 0)
            return e.body;
    Registered& r = registered();
    QMutexLocker lock(&r.mutex);
    for (const auto& [entryName, body] : r.entries)
        if (name.compare(entryName, Qt::CaseInsensitive) == 0)
            return body;
    return nullptr;
}

void RegisterNativeProcedure(const QString& name, NativeProcedure body)
{
    Registered& r = registered();
    QMutexLocker lock(&r.mutex);
    for (auto& entry : r.entries) {
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0) {
            entry.second = body;
            return;
        }
    }
    r.entries.emplace_back(name, body);
}

} // namespace kelvo::db
