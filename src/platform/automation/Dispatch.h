#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariant>

namespace kelvo::automation {

enum class MemberKind { PropertyGet, PropertyPut, Method };

// One entry of an object's interface. Slots number the entries from 0 in
// interface order; a property has one slot for its get and one for its put.
struct MemberInfo {
    QString name;
    MemberKind kind;
    int slot;

    bool operator==(const MemberInfo&) const = default;
};

// An object whose members are called by name, as a late-bound automation
// client calls them. Names match without regard to case. Arguments of a
// method are passed by reference: the method may update them. A name the
// object lacks fails with AutomationError number 438.
//
// Header-only on purpose: plugins implement it without linking the host.
class Dispatch {
public:
    virtual ~Dispatch() = default;

    // The members in slot order.
    virtual QList<MemberInfo> members() const = 0;
    virtual QVariant getProperty(const QString& name) = 0;
    virtual void putProperty(const QString& name, const QVariant& value) = 0;
    virtual QVariant call(const QString& name, QVariantList& arguments) = 0;

    // A call whose arguments the caller does not read back.
    QVariant callWith(const QString& name, QVariantList arguments = {}) { return call(name, arguments); }
};

} // namespace kelvo::automation

Q_DECLARE_METATYPE(kelvo::automation::Dispatch*)

namespace kelvo::automation {

// An object reference inside a variant (not owning: the caller keeps the
// object alive while the variant is in use).
inline QVariant ObjectVariant(Dispatch* object) { return QVariant::fromValue(object); }
// The object a variant refers to; null when it holds none.
inline Dispatch* ObjectOf(const QVariant& value)
{
    return value.metaType() == QMetaType::fromType<Dispatch*>() ? value.value<Dispatch*>() : nullptr;
}

} // namespace kelvo::automation
