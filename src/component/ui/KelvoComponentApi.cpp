#include "component/KelvoComponentApi.h"

#include "component/ui/ComponentLibrary.h"

#include "front/PublicClasses.h"
#include "front/ui/HostApplication.h"
#include "platform/VariantKinds.h"
#include "platform/automation/AutomationError.h"
#include "platform/db/DbError.h"

#include <QApplication>
#include <QWidget>

#include <deque>

using kelvo::automation::AutomationError;
using kelvo::automation::Dispatch;

struct KelvoObject {
    std::unique_ptr<Dispatch> dispatch;
    // Text handed out by the last call on the object.
    std::deque<QByteArray> texts;

    const char* keep(const QString& text)
    {
        texts.push_back(text.toUtf8());
        return texts.back().constData();
    }
};

namespace {

thread_local int t_errorNumber = 0;
thread_local QByteArray t_errorText;

void clearError()
{
    t_errorNumber = 0;
    t_errorText.clear();
}

void setError(int number, const QString& text)
{
    t_errorNumber = number;
    t_errorText = text.toUtf8();
}

// Runs one call of the interface: every failure becomes the last error.
template <typename Body>
int guarded(Body body)
{
    clearError();
    try {
        body();
        return 0;
    } catch (const AutomationError& e) {
        setError(e.number(), e.description());
    } catch (const kelvo::db::DbError& e) {
        setError(kelvo::automation::ErrProviderFailure, e.fullText());
    } catch (const std::exception& e) {
        setError(kelvo::automation::ErrAutomation, QString::fromUtf8(e.what()));
    } catch (...) {
        setError(kelvo::automation::ErrAutomation, QStringLiteral("Automation error"));
    }
    return -1;
}

void require(bool condition, const char* what)
{
    if (!condition)
        throw AutomationError(kelvo::automation::ErrAutomation,
                              QStringLiteral("Invalid argument: %1").arg(QLatin1String(what)));
}

Dispatch& dispatchOf(KelvoObject* object)
{
    require(object && object->dispatch, "no object");
    return *object->dispatch;
}

QString nameOf(const char* name)
{
    require(name, "no member name");
    return QString::fromUtf8(name);
}

QVariant toVariant(const KelvoValue& value)
{
    switch (value.type) {
    case KELVO_EMPTY:
        return QVariant();
    case KELVO_INTEGER:
        return QVariant::fromValue<qint64>(value.integer);
    case KELVO_REAL:
        return value.real;
    case KELVO_TEXT:
        return QString::fromUtf8(value.text ? value.text : "");
    case KELVO_BOOLEAN:
        return value.integer != 0;
    case KELVO_OBJECT:
        return kelvo::automation::ObjectVariant(value.object ? value.object->dispatch.get() : nullptr);
    }
    throw AutomationError(kelvo::automation::ErrTypeMismatch, QStringLiteral("Type mismatch: unknown value type"));
}

KelvoValue fromVariant(KelvoObject& owner, const QVariant& value, const KelvoValue* previous = nullptr)
{
    KelvoValue v{};
    if (!value.isValid())
        return v;
    if (kelvo::IsIntegerValue(value)) {
        v.type = KELVO_INTEGER;
        v.integer = value.toLongLong();
        return v;
    }
    if (kelvo::IsRealValue(value)) {
        v.type = KELVO_REAL;
        v.real = value.toDouble();
        return v;
    }
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        v.type = KELVO_BOOLEAN;
        v.integer = value.toBool() ? 1 : 0;
        return v;
    case QMetaType::QString:
        v.type = KELVO_TEXT;
        v.text = owner.keep(value.toString());
        return v;
    default:
        break;
    }
    // An object argument the method left alone goes back as it came.
    if (previous && previous->type == KELVO_OBJECT && kelvo::automation::ObjectOf(value)
        && kelvo::automation::ObjectOf(value) == (previous->object ? previous->object->dispatch.get() : nullptr))
        return *previous;
    throw AutomationError(kelvo::automation::ErrTypeMismatch,
                          QStringLiteral("Type mismatch: a %1 cannot be handed to the host")
                              .arg(QLatin1String(value.metaType().name())));
}

} // namespace

extern "C" {

KelvoObject* kelvo_create(const char* progId)
{
    KelvoObject* created = nullptr;
    guarded([&] {
        const QString id = nameOf(progId);
        auto object = std::make_unique<KelvoObject>();
        object->dispatch = kelvo::component::LibraryComponents().create(id);
        created = object.release();
    });
    return created;
}

void kelvo_release(KelvoObject* object) { delete object; }

int kelvo_put_value(KelvoObject* object, const char* name, const KelvoValue* value)
{
    return guarded([&] {
        require(value, "no value");
        dispatchOf(object).putProperty(nameOf(name), toVariant(*value));
    });
}

int kelvo_put_integer(KelvoObject* object, const char* name, long long value)
{
    const KelvoValue v = kelvo_integer(value);
    return kelvo_put_value(object, name, &v);
}

int kelvo_put_text(KelvoObject* object, const char* name, const char* value)
{
    const KelvoValue v = kelvo_text(value);
    return kelvo_put_value(object, name, &v);
}

int kelvo_get_value(KelvoObject* object, const char* name, KelvoValue* value)
{
    return guarded([&] {
        require(value, "no place for the value");
        Dispatch& dispatch = dispatchOf(object);
        const QVariant v = dispatch.getProperty(nameOf(name));
        object->texts.clear();
        *value = fromVariant(*object, v);
    });
}

int kelvo_get_integer(KelvoObject* object, const char* name, long long* value)
{
    return guarded([&] {
        require(value, "no place for the value");
        const QVariant v = dispatchOf(object).getProperty(nameOf(name));
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        if (!ok && v.isValid())
            throw AutomationError(kelvo::automation::ErrTypeMismatch,
                                  QStringLiteral("Type mismatch: %1 is not a number").arg(nameOf(name)));
        *value = ok ? n : 0;
    });
}

const char* kelvo_get_text(KelvoObject* object, const char* name)
{
    const char* text = nullptr;
    guarded([&] {
        const QVariant v = dispatchOf(object).getProperty(nameOf(name));
        object->texts.clear();
        text = object->keep(v.toString());
    });
    return text;
}

int kelvo_call(KelvoObject* object, const char* name, KelvoValue* arguments, int count, KelvoValue* result)
{
    return guarded([&] {
        Dispatch& dispatch = dispatchOf(object);
        require(count >= 0 && (count == 0 || arguments), "no arguments");
        QVariantList args;
        for (int i = 0; i < count; ++i)
            args << toVariant(arguments[i]);
        const QVariant returned = dispatch.call(nameOf(name), args);
        // The arguments' text may point into the texts of the previous call:
        // all of them are read by now.
        object->texts.clear();
        for (int i = 0; i < count; ++i)
            arguments[i] = fromVariant(*object, args[i], &arguments[i]);
        if (result)
            *result = fromVariant(*object, returned);
    });
}

KelvoValue kelvo_integer(long long value)
{
    KelvoValue v{};
    v.type = KELVO_INTEGER;
    v.integer = value;
    return v;
}

KelvoValue kelvo_text(const char* value)
{
    KelvoValue v{};
    v.type = KELVO_TEXT;
    v.text = value;
    return v;
}

KelvoValue kelvo_object(KelvoObject* value)
{
    KelvoValue v{};
    v.type = KELVO_OBJECT;
    v.object = value;
    return v;
}

int kelvo_member_count(KelvoObject* object)
{
    int count = -1;
    guarded([&] { count = int(dispatchOf(object).members().size()); });
    return count;
}

const char* kelvo_member(KelvoObject* object, int slot, int* kind)
{
    const char* name = nullptr;
    guarded([&] {
        const QList<kelvo::automation::MemberInfo> members = dispatchOf(object).members();
        if (slot < 0 || slot >= members.size())
            return;
        if (kind)
            *kind = int(members[slot].kind);
        object->texts.clear();
        name = object->keep(members[slot].name);
    });
    return name;
}

int kelvo_last_error_number(void) { return t_errorNumber; }

const char* kelvo_last_error_text(void) { return t_errorText.constData(); }

} // extern "C"

// The event loop, for hosts that run no Qt loop of their own.

int kelvo_run_event_loop(void)
{
    if (kelvo::front::OpenWindows().isEmpty())
        return 0;
    QApplication::setQuitOnLastWindowClosed(true);
    return QApplication::exec() == 0 ? 0 : -1;
}

void kelvo_process_events(void)
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

int kelvo_open_windows(void)
{
    return int(kelvo::front::OpenWindows().size());
}

void kelvo_close_windows(void)
{
    for (QWidget* w : kelvo::front::OpenWindows())
        w->close();
    kelvo_process_events();
}
