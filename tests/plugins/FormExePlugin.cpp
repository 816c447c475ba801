// A stand-in for the host's form-generator component, built as a plugin:
// it registers "KelvoFormGenerator.comFormExe", whose object records every
// property assignment and method call it receives, one line each:
//   put<TAB>Name<TAB>value
//   call<TAB>Name<TAB>argument<TAB>argument…
// Lines are kept in the library (read with KelvoTestPluginLog) and, when
// KELVO_TEST_PLUGIN_LOG names a file, appended to that file too.
//
// The component file "KelvoFormGenerator.comFormExe.ocx" of <BasePath>/System
// is this library installed as <BasePath>/System/KelvoFormGenerator.comFormExe.so.
//
// It links Qt Core only: the automation headers it uses are header-only.
#include "platform/automation/ComponentRegistrar.h"
#include "platform/automation/MemberTable.h"

#include <QFile>
#include <QStringList>

namespace {

QStringList& log()
{
    static QStringList lines;
    return lines;
}

void record(const QString& line)
{
    log() << line;
    const QString path = qEnvironmentVariable("KELVO_TEST_PLUGIN_LOG");
    if (path.isEmpty())
        return;
    QFile file(path);
    if (file.open(QIODevice::Append | QIODevice::Text))
        file.write((line + u'\n').toUtf8());
}

QString text(const QVariant& value) { return value.toString(); }

class FormExe final : public kelvo::automation::TableDispatch {
public:
    FormExe()
    {
        for (const char* name : {"OleConnectionString", "UserID", "PositionID", "EmployeeID"}) {
            const QString key = QLatin1String(name);
            m_table.property(
                key, [this, key] { return m_values.value(key); },
                [this, key](const QVariant& v) {
                    m_values.insert(key, v);
                    record(QStringLiteral("put\t%1\t%2").arg(key, text(v)));
                });
        }
        m_table.method(QStringLiteral("View"), 3, [](QVariantList& args) { return called("View", args); });
        m_table.method(QStringLiteral("ClearShow"), 2, [](QVariantList& args) { return called("ClearShow", args); });
    }

private:
    static QVariant called(const char* name, const QVariantList& args)
    {
        QStringList parts{QStringLiteral("call"), QLatin1String(name)};
        for (const QVariant& a : args)
            parts << text(a);
        record(parts.join(u'\t'));
        return QVariant();
    }

    QHash<QString, QVariant> m_values;
};

} // namespace

extern "C" Q_DECL_EXPORT void KelvoRegisterComponents(kelvo::automation::ComponentRegistrar* registrar)
{
    registrar->registerComponent(QStringLiteral("KelvoFormGenerator.comFormExe"),
                                 [] { return std::make_unique<FormExe>(); });
}

// The recorded lines, joined by "\n" (UTF-8; valid until the next call).
extern "C" Q_DECL_EXPORT const char* KelvoTestPluginLog()
{
    static QByteArray joined;
    joined = log().join(u'\n').toUtf8();
    return joined.constData();
}

extern "C" Q_DECL_EXPORT void KelvoTestPluginClearLog() { log().clear(); }
