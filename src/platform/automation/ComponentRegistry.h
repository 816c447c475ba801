#pragma once

#include "platform/automation/ComponentRegistrar.h"

#include <QHash>
#include <QLibrary>
#include <QMutex>
#include <QStringList>

#include <list>

namespace kelvo::automation {

// Maps programmatic identifiers ("Library.Class", matched without regard to
// case) to factories, and loads plugin libraries that add more.
class ComponentRegistry final : public ComponentRegistrar {
public:
    ComponentRegistry() = default;
    ComponentRegistry(const ComponentRegistry&) = delete;
    ComponentRegistry& operator=(const ComponentRegistry&) = delete;
    ~ComponentRegistry();

    // Adds or replaces the factory of progId.
    void registerComponent(const QString& progId, ComponentFactory factory) override;
    void unregisterComponent(const QString& progId);
    bool isRegistered(const QString& progId) const;
    QStringList registeredIds() const;

    // A new object of progId. Throws AutomationError 429 when no factory is
    // registered for it or the factory makes no object.
    std::unique_ptr<Dispatch> create(const QString& progId) const;

    // Loads a plugin library and lets it register its factories. Returns
    // false with a reason when the file is missing, cannot be loaded or
    // exports no registration function. A loaded library stays loaded for
    // the life of the process (its factories live in it).
    bool loadPlugin(const QString& path, QString* reason = nullptr);

private:
    static QString keyOf(const QString& progId) { return progId.trimmed().toLower(); }

    mutable QMutex m_mutex;
    QHash<QString, ComponentFactory> m_factories;
    std::list<QLibrary> m_libraries;
};

// The registry of this process: the component library adds the public
// classes to it, the host and plugins add theirs.
ComponentRegistry& ProcessRegistry();

} // namespace kelvo::automation
