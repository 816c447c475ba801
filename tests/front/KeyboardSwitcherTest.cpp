#include "platform/os/KeyboardSwitcher.h"
#include "platform/os/OsVersion.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace kelvo::os;

TEST(XkbGroupMap, ParsesLayoutGroupPairsAndSkipsMalformedOnes)
{
    const QHash<QString, int> groups =
        ParseXkbGroupMap(" 00000429 = 1 ,00000409=0,bad,=2,00000401=x,0000040c=7,abcdef01=3");
    EXPECT_EQ(groups.size(), 3);
    EXPECT_EQ(groups.value("00000429"), 1);
    EXPECT_EQ(groups.value("00000409"), 0);
    EXPECT_EQ(groups.value("ABCDEF01"), 3);

    const KeyboardSwitcher switcher(groups, {});
    EXPECT_EQ(switcher.groupOf("abcdef01"), 3); // identifiers match without regard to case
    EXPECT_FALSE(switcher.groupOf("00000401").has_value());
}

TEST(KeyboardSwitcher, WithoutADisplayRequestsAreOnlyRecorded)
{
    KeyboardSwitcher switcher(ParseXkbGroupMap("00000429=1"), {});
    EXPECT_FALSE(switcher.load("00000429"));
    EXPECT_EQ(switcher.lastRequested(), "00000429");
    EXPECT_FALSE(switcher.load("00000409"));
    EXPECT_EQ(switcher.lastRequested(), "00000409");

    // An unreachable display is no error either.
    KeyboardSwitcher unreachable(ParseXkbGroupMap("00000429=1"), ":987");
    EXPECT_FALSE(unreachable.load("00000429"));
    EXPECT_EQ(unreachable.lastRequested(), "00000429");
}

namespace {

// A private X server with two keyboard groups (English, Persian).
class TwoGroupXServer {
public:
    TwoGroupXServer()
    {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        const QString setxkbmap = QStandardPaths::findExecutable("setxkbmap");
        if (xvfb.isEmpty() || setxkbmap.isEmpty())
            return;
        m_server.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "320x200x24"});
        if (!m_server.waitForStarted(10000) || !m_server.waitForReadyRead(20000))
            return;
        const QString display = u':' + QString::fromLatin1(m_server.readLine()).trimmed();
        QProcess layout;
        layout.start(setxkbmap, {"-display", display, "-layout", "us,ir"});
        if (!layout.waitForFinished(20000) || layout.exitCode() != 0)
            return;
        // Some servers accept the request and keep their keymap.
        QProcess query;
        query.start(setxkbmap, {"-display", display, "-query"});
        if (query.waitForFinished(20000) && query.readAllStandardOutput().contains("us,ir"))
            m_display = display;
    }
    ~TwoGroupXServer()
    {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }
    const QString& display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

} // namespace

TEST(KeyboardSwitcher, UnderX11LocksTheConfiguredGroup)
{
    TwoGroupXServer server;
    if (server.display().isEmpty())
        GTEST_SKIP() << "needs Xvfb with a keymap of two groups (setxkbmap -layout us,ir)";
    ASSERT_EQ(LockedXkbGroup(server.display()), 0);

    KeyboardSwitcher switcher(ParseXkbGroupMap("00000429=1,00000409=0"), server.display());
    EXPECT_TRUE(switcher.load("00000429"));
    EXPECT_EQ(LockedXkbGroup(server.display()), 1);
    EXPECT_TRUE(switcher.load("00000409"));
    EXPECT_EQ(LockedXkbGroup(server.display()), 0);
    // A layout without a configured group leaves the keyboard as it is.
    switcher.load("00000429");
    EXPECT_FALSE(switcher.load("00000401"));
    EXPECT_EQ(LockedXkbGroup(server.display()), 1);
    EXPECT_EQ(switcher.lastRequested(), "00000401");
}

TEST(OsVersion, DefaultIsTheKernelMajorAndTestsCanReplaceIt)
{
    EXPECT_GE(KernelMajorVersion(), 2); // any Linux kernel this builds on
    EXPECT_EQ(OsMajorVersion(), KernelMajorVersion());
    {
        ScopedOsMajorVersion version(4);
        EXPECT_EQ(OsMajorVersion(), 4);
        {
            ScopedOsMajorVersion inner(10);
            EXPECT_EQ(OsMajorVersion(), 10);
        }
        EXPECT_EQ(OsMajorVersion(), 4);
    }
    EXPECT_EQ(OsMajorVersion(), KernelMajorVersion());
}
