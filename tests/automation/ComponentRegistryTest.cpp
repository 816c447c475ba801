// The component registry and the plugin fallback, with the form-generator
// stand-in plugin built from tests/plugins laid out as a host installs it.
#include "front/PublicClasses.h"
#include "front/ScriptedPrompter.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/ComponentCreation.h"
#include "platform/automation/MemberTable.h"

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/AutomationErrors.h"

using namespace kelvo;
using namespace kelvo::automation;

namespace {

const QString kFormExeFile = QStringLiteral("KelvoFormGenerator.comFormExe.ocx");
const QString kFormExeId = QStringLiteral("KelvoFormGenerator.comFormExe");

class Empty final : public TableDispatch {};

using kelvo::test::ErrorNumber;

// A host installation folder whose System folder may hold the plugin.
struct InstallationFolder : ::testing::Test {
    QTemporaryDir base;
    ComponentRegistry registry;

    QString systemFolder() const { return base.filePath("System"); }

    // Copies the built plugin to <base>/System/<name>.
    QString installPlugin(const QString& name = QStringLiteral("KelvoFormGenerator.comFormExe.so"))
    {
        EXPECT_TRUE(QDir().mkpath(systemFolder()));
        const QString target = QDir(systemFolder()).filePath(name);
        EXPECT_TRUE(QFile::copy(QStringLiteral(KELVO_TEST_FORMEXE_PLUGIN), target));
        return target;
    }

    // The calls the plugin copy at path recorded, one per line.
    static QStringList pluginLog(const QString& path)
    {
        QLibrary library(path);
        auto log = reinterpret_cast<const char* (*)()>(library.resolve("KelvoTestPluginLog"));
        if (!log)
            return {QStringLiteral("<no log: %1>").arg(library.errorString())};
        return QString::fromUtf8(log()).split(u'\n', Qt::SkipEmptyParts);
    }
};

} // namespace

TEST(ComponentRegistryTest, CreatesRegisteredIdentifiersWithoutRegardToCaseAndRefusesOthersWith429)
{
    ComponentRegistry registry;
    int made = 0;
    registry.registerComponent("Lib.Thing", [&made] {
        ++made;
        return std::make_unique<Empty>();
    });
    EXPECT_TRUE(registry.isRegistered("lib.thing"));
    EXPECT_NE(registry.create("LIB.THING"), nullptr);
    EXPECT_EQ(made, 1);

    QString description;
    EXPECT_EQ(ErrorNumber([&] { registry.create("Lib.Other"); }, &description), ErrCannotCreateObject);
    EXPECT_TRUE(description.startsWith("ActiveX component can't create object")) << description.toStdString();

    registry.registerComponent("Lib.Null", [] { return std::unique_ptr<Dispatch>(); });
    EXPECT_EQ(ErrorNumber([&] { registry.create("Lib.Null"); }), ErrCannotCreateObject);
    registry.unregisterComponent("Lib.Thing");
    EXPECT_EQ(ErrorNumber([&] { registry.create("Lib.Thing"); }), ErrCannotCreateObject);
}

TEST(ComponentRegistryTest, ThePublicClassesAreRegisteredByName)
{
    ComponentRegistry registry;
    front::RegisterPublicClasses(registry);
    for (const char* id : {"KelvoReportGenerator.KelvoReportGenCls", "KelvoReportGenerator.classMSHFlex"}) {
        std::unique_ptr<Dispatch> object = registry.create(QLatin1String(id));
        ASSERT_NE(object, nullptr) << id;
        EXPECT_FALSE(object->members().isEmpty()) << id;
    }
}

TEST(ComponentFileNamesTest, IdentifierAndPluginComeFromTheFileName)
{
    struct Case {
        const char* base;
        const char* file;
        const char* progId;
        const char* plugin;
    };
    const Case cases[] = {
        {"/opt/host", "KelvoFormGenerator.comFormExe.ocx", "KelvoFormGenerator.comFormExe",
         "/opt/host/System/KelvoFormGenerator.comFormExe.so"},
        {"/opt/host/", "KelvoMGRSchedul.ocx", "KelvoMGRSchedul", "/opt/host/System/KelvoMGRSchedul.so"},
        {"\\opt\\host\\", "A.B.dll", "A.B", "/opt/host/System/A.B.so"},
        {"/opt/host", "abc", "", "/opt/host/System/abc.so"},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(ProgIdOfComponentFile(QLatin1String(k.file)), QLatin1String(k.progId)) << k.file;
        EXPECT_EQ(PluginPathOf(QLatin1String(k.base), QLatin1String(k.file)), QLatin1String(k.plugin)) << k.file;
    }
}

TEST_F(InstallationFolder, AnUnregisteredComponentIsLoadedFromItsPluginAndReceivesCallsByName)
{
    const QString plugin = installPlugin();
    ASSERT_FALSE(registry.isRegistered(kFormExeId));

    std::unique_ptr<Dispatch> formExe = CreateFromComponentFile(registry, base.path(), kFormExeFile);
    ASSERT_NE(formExe, nullptr);
    EXPECT_TRUE(registry.isRegistered(kFormExeId));

    formExe->putProperty("OleConnectionString", QStringLiteral("Provider=SQLite;Data Source=x"));
    formExe->putProperty("UserID", 7);
    QVariantList args{12, QStringLiteral("ID=5"), QString()};
    formExe->call("View", args);
    EXPECT_EQ(formExe->getProperty("UserID").toInt(), 7);
    // The plugin's own members fail as any object's do.
    EXPECT_EQ(ErrorNumber([&] { formExe->callWith("Missing"); }), ErrMemberNotFound);

    EXPECT_EQ(pluginLog(plugin), QStringList({"put\tOleConnectionString\tProvider=SQLite;Data Source=x",
                                              "put\tUserID\t7", "call\tView\t12\tID=5\t"}));

    // Registered now: the next creation needs no plugin.
    ASSERT_TRUE(QFile::remove(plugin));
    EXPECT_NE(CreateFromComponentFile(registry, base.path(), kFormExeFile), nullptr);
}

TEST_F(InstallationFolder, AMissingPluginGives429AgainWithTheReason)
{
    QString description;
    EXPECT_EQ(ErrorNumber([&] { CreateFromComponentFile(registry, base.path(), kFormExeFile); }, &description),
              ErrCannotCreateObject);
    EXPECT_TRUE(description.contains(kFormExeId)) << description.toStdString();
    EXPECT_TRUE(description.contains("does not exist")) << description.toStdString();
}

TEST_F(InstallationFolder, APluginThatDoesNotRegisterTheIdentifierGives429Again)
{
    // The plugin is installed under another component's file name: it loads,
    // registers its own component, and the one asked for is still missing.
    installPlugin("KelvoMGRSchedul.so");
    QString description;
    EXPECT_EQ(ErrorNumber(
                  [&] {
                      CreateWithPluginFallback(registry, "KelvoMGRSchedul.LmoMGRSchedul",
                                               PluginPathOf(base.path(), "KelvoMGRSchedul.ocx"));
                  },
                  &description),
              ErrCannotCreateObject);
    EXPECT_TRUE(description.contains("does not register it")) << description.toStdString();
    EXPECT_TRUE(registry.isRegistered(kFormExeId));
}

TEST_F(InstallationFolder, AFileThatIsNoPluginGives429Again)
{
    ASSERT_TRUE(QDir().mkpath(systemFolder()));
    QFile junk(QDir(systemFolder()).filePath("KelvoFormGenerator.comFormExe.so"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a shared object");
    junk.close();
    EXPECT_EQ(ErrorNumber([&] { CreateFromComponentFile(registry, base.path(), kFormExeFile); }),
              ErrCannotCreateObject);
}

TEST_F(InstallationFolder, TheManagerShowsTheMissingFileMessageOnlyWhenThePluginCannotHelp)
{
    front::ScriptedPrompter prompter;
    EXPECT_EQ(front::CreateComponentFromFile(registry, base.path(), kFormExeFile, prompter), nullptr);
    ASSERT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(prompter.last().kind, front::ScriptedPrompter::Kind::Message);
    EXPECT_EQ(prompter.last().title, QString::fromUtf8("خطا"));
    EXPECT_EQ(prompter.last().text,
              QString::fromUtf8("فايل مورد نظر شما وجود ندارد. لطفاً به نگهدارنده سيستم مراجعه نماييد."));

    prompter.clear();
    installPlugin();
    EXPECT_NE(front::CreateComponentFromFile(registry, base.path(), kFormExeFile, prompter), nullptr);
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST_F(InstallationFolder, AFactoryFailureOtherThan429IsNotHiddenBehindThePlugin)
{
    registry.registerComponent(kFormExeId, []() -> std::unique_ptr<Dispatch> {
        throw AutomationError(ErrAutomation, "the component failed to start");
    });
    front::ScriptedPrompter prompter;
    EXPECT_EQ(ErrorNumber([&] { front::CreateComponentFromFile(registry, base.path(), kFormExeFile, prompter); }),
              ErrAutomation);
    EXPECT_TRUE(prompter.entries().isEmpty());
}
