#pragma once

#include "platform/automation/AutomationError.h"
#include "platform/automation/Dispatch.h"

#include <functional>
#include <vector>

namespace kelvo::automation {

// The members of an object in interface order, each bound to a function:
// the one home of name look-up, slot numbering and argument-count checks
// for objects that implement Dispatch. Header-only for plugins.
class MemberTable {
public:
    using Getter = std::function<QVariant()>;
    using Putter = std::function<void(const QVariant&)>;
    using Method = std::function<QVariant(QVariantList&)>;

    // A property with a get slot and, when put is given, a put slot after it.
    MemberTable& property(const QString& name, Getter get, Putter put = {})
    {
        add(name, MemberKind::PropertyGet).get = std::move(get);
        if (put)
            add(name, MemberKind::PropertyPut).put = std::move(put);
        return *this;
    }

    // A method taking from minArguments to maxArguments arguments.
    MemberTable& method(const QString& name, int minArguments, int maxArguments, Method body)
    {
        Entry& e = add(name, MemberKind::Method);
        e.minArguments = minArguments;
        e.maxArguments = maxArguments;
        e.call = std::move(body);
        return *this;
    }
    MemberTable& method(const QString& name, int arguments, Method body)
    {
        return method(name, arguments, arguments, std::move(body));
    }

    QList<MemberInfo> members() const
    {
        QList<MemberInfo> list;
        for (const Entry& e : m_entries)
            list.append(e.info);
        return list;
    }

    QVariant get(const QString& name) const { return find(name, MemberKind::PropertyGet).get(); }
    void put(const QString& name, const QVariant& value) const { find(name, MemberKind::PropertyPut).put(value); }
    QVariant call(const QString& name, QVariantList& arguments) const
    {
        const Entry& e = find(name, MemberKind::Method);
        if (arguments.size() < e.minArguments || arguments.size() > e.maxArguments)
            throw AutomationError::wrongArgumentCount(e.info.name);
        return e.call(arguments);
    }

private:
    struct Entry {
        MemberInfo info;
        Getter get;
        Putter put;
        Method call;
        int minArguments = 0;
        int maxArguments = 0;
    };

    Entry& add(const QString& name, MemberKind kind)
    {
        m_entries.push_back(Entry{MemberInfo{name, kind, int(m_entries.size())}, {}, {}, {}, 0, 0});
        return m_entries.back();
    }

    const Entry& find(const QString& name, MemberKind kind) const
    {
        for (const Entry& e : m_entries)
            if (e.info.kind == kind && e.info.name.compare(name, Qt::CaseInsensitive) == 0)
                return e;
        throw AutomationError::memberNotFound(name);
    }

    std::vector<Entry> m_entries;
};

// A Dispatch whose members live in a MemberTable filled by the subclass.
// Not copyable: the table's functions are bound to this object.
class TableDispatch : public Dispatch {
public:
    TableDispatch() = default;
    TableDispatch(const TableDispatch&) = delete;
    TableDispatch& operator=(const TableDispatch&) = delete;

    QList<MemberInfo> members() const override { return m_table.members(); }
    QVariant getProperty(const QString& name) override { return m_table.get(name); }
    void putProperty(const QString& name, const QVariant& value) override { m_table.put(name, value); }
    QVariant call(const QString& name, QVariantList& arguments) override { return m_table.call(name, arguments); }

protected:
    MemberTable m_table;
};

} // namespace kelvo::automation
