#include "platform/automation/ComponentCreation.h"

#include "platform/automation/AutomationError.h"

#include <QDir>
#include <QFileInfo>

namespace kelvo::automation {

QString PluginPathOf(const QString& basePath, const QString& componentFileName)
{
    QString base = basePath;
    base.replace(u'\\', u'/');
    const QString plugin = QFileInfo(componentFileName).completeBaseName() + QStringLiteral(".so");
    return QDir(base).filePath(QStringLiteral("System/") + plugin);
}

QString ProgIdOfComponentFile(const QString& componentFileName)
{
    return componentFileName.left(qMax<qsizetype>(0, componentFileName.size() - 4));
}

std::unique_ptr<Dispatch> CreateWithPluginFallback(ComponentRegistry& registry, const QString& progId,
                                                   const QString& pluginPath)
{
    try {
        return registry.create(progId);
    } catch (const AutomationError& e) {
        if (e.number() != ErrCannotCreateObject)
            throw;
    }
    QString reason;
    const bool loaded = registry.loadPlugin(pluginPath, &reason);
    try {
        return registry.create(progId);
    } catch (const AutomationError& e) {
        if (e.number() != ErrCannotCreateObject)
            throw;
        throw AutomationError::cannotCreate(
            progId, loaded ? QStringLiteral("the plugin \"%1\" does not register it").arg(pluginPath) : reason);
    }
}

std::unique_ptr<Dispatch> CreateFromComponentFile(ComponentRegistry& registry, const QString& basePath,
                                                  const QString& componentFileName)
{
    return CreateWithPluginFallback(registry, ProgIdOfComponentFile(componentFileName),
                                    PluginPathOf(basePath, componentFileName));
}

} // namespace kelvo::automation
