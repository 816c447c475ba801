#include "platform/automation/PropertyBag.h"

#include "platform/VariantKinds.h"
#include "platform/automation/AutomationError.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace kelvo::automation {

namespace {

const QLatin1String kProperties("properties");
const QLatin1String kKey("key");
const QLatin1String kValue("value");

QJsonValue toJson(const QVariant& value)
{
    if (!value.isValid())
        return QJsonValue(QJsonValue::Null);
    if (IsIntegerValue(value))
        return value.toLongLong();
    if (IsRealValue(value))
        return value.toDouble();
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool();
    return value.toString();
}

QVariant fromJson(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool();
    case QJsonValue::Double: {
        const double d = value.toDouble();
        const qint64 n = qint64(d);
        if (double(n) == d)
            return n;
        return d;
    }
    case QJsonValue::String:
        return value.toString();
    default:
        return QVariant();
    }
}

} // namespace

QVariant PropertyBag::read(const QString& key, const QVariant& defaultValue) const
{
    for (const auto& entry : m_entries)
        if (entry.first == key)
            return entry.second;
    return defaultValue;
}

void PropertyBag::write(const QString& key, const QVariant& value)
{
    for (auto& entry : m_entries)
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    m_entries.append({key, value});
}

bool PropertyBag::contains(const QString& key) const
{
    for (const auto& entry : m_entries)
        if (entry.first == key)
            return true;
    return false;
}

QStringList PropertyBag::keys() const
{
    QStringList list;
    for (const auto& entry : m_entries)
        list << entry.first;
    return list;
}

void PropertyBag::save(const QString& path) const
{
    QJsonArray properties;
    for (const auto& entry : m_entries)
        properties.append(QJsonObject{{kKey, entry.first}, {kValue, toJson(entry.second)}});
    const QByteArray text = QJsonDocument(QJsonObject{{kProperties, properties}}).toJson();

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw AutomationError(ErrPathFileAccess, QStringLiteral("Path/File access error: cannot write the property "
                                                                "bag \"%1\": %2")
                                                     .arg(path, file.errorString()));
}

PropertyBag PropertyBag::load(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        throw AutomationError(ErrFileNotFound, QStringLiteral("File not found: \"%1\"").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw AutomationError(ErrPathFileAccess,
                              QStringLiteral("Path/File access error: \"%1\": %2").arg(path, file.errorString()));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    const auto invalid = [&path](const QString& why) {
        return AutomationError(ErrInvalidFileFormat,
                               QStringLiteral("Invalid file format: \"%1\" is not a property bag (%2)").arg(path, why));
    };
    if (parseError.error != QJsonParseError::NoError)
        throw invalid(parseError.errorString());
    if (!document.isObject() || !document.object().value(kProperties).isArray())
        throw invalid(QStringLiteral("no \"properties\" list"));

    PropertyBag bag;
    for (const QJsonValue& item : document.object().value(kProperties).toArray()) {
        const QJsonObject entry = item.toObject();
        if (!entry.value(kKey).isString())
            throw invalid(QStringLiteral("an entry without a key"));
        bag.write(entry.value(kKey).toString(), fromJson(entry.value(kValue)));
    }
    return bag;
}

} // namespace kelvo::automation
