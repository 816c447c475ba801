#include "platform/automation/ComponentRegistry.h"

#include "platform/automation/AutomationError.h"

#include <QFileInfo>

namespace kelvo::automation {

ComponentRegistry::~ComponentRegistry()
{
    // Factories may hold code and data of a plugin: drop them before the
    // libraries (which are never unloaded anyway).
    m_factories.clear();
}

void ComponentRegistry::registerComponent(const QString& progId, ComponentFactory factory)
{
    QMutexLocker lock(&m_mutex);
    m_factories.insert(keyOf(progId), std::move(factory));
}

void ComponentRegistry::unregisterComponent(const QString& progId)
{
    QMutexLocker lock(&m_mutex);
    m_factories.remove(keyOf(progId));
}

bool ComponentRegistry::isRegistered(const QString& progId) const
{
    QMutexLocker lock(&m_mutex);
    return m_factories.contains(keyOf(progId));
}

QStringList ComponentRegistry::registeredIds() const
{
    QMutexLocker lock(&m_mutex);
    QStringList ids = m_factories.keys();
    ids.sort();
    return ids;
}

std::unique_ptr<Dispatch> ComponentRegistry::create(const QString& progId) const
{
    ComponentFactory factory;
    {
        QMutexLocker lock(&m_mutex);
        factory = m_factories.value(keyOf(progId));
    }
    if (!factory)
        throw AutomationError::cannotCreate(progId, QStringLiteral("not registered"));
    // The factory runs unlocked: it may create further components.
    std::unique_ptr<Dispatch> object = factory();
    if (!object)
        throw AutomationError::cannotCreate(progId, QStringLiteral("its factory made no object"));
    return object;
}

bool ComponentRegistry::loadPlugin(const QString& path, QString* reason)
{
    auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("the file \"%1\" does not exist").arg(path));

    QLibrary library(path);
    if (!library.load())
        return fail(library.errorString());
    auto registerComponents = reinterpret_cast<RegisterComponentsFunction>(library.resolve(kRegisterFunctionName));
    if (!registerComponents) {
        library.unload();
        return fail(QStringLiteral("\"%1\" exports no %2 function").arg(path, QLatin1String(kRegisterFunctionName)));
    }
    {
        // Kept loaded: the factories it registers run its code.
        QMutexLocker lock(&m_mutex);
        m_libraries.emplace_back(path);
        m_libraries.back().load();
    }
    registerComponents(this);
    return true;
}

ComponentRegistry& ProcessRegistry()
{
    static ComponentRegistry registry;
    return registry;
}

} // namespace kelvo::automation
