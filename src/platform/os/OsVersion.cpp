#include "platform/os/OsVersion.h"

#include <QMutex>
#include <QString>

#include <sys/utsname.h>

namespace kelvo::os {

namespace {

QMutex& providerMutex()
{
    static QMutex mutex;
    return mutex;
}

OsMajorVersionProvider& installedProvider()
{
    static OsMajorVersionProvider provider;
    return provider;
}

} // namespace

int KernelMajorVersion()
{
    utsname name{};
    if (uname(&name) != 0)
        return 0;
    const QString release = QString::fromLatin1(name.release);
    qsizetype digits = 0;
    while (digits < release.size() && release[digits].isDigit())
        ++digits;
    return release.left(digits).toInt(); // 0 when there is no leading number
}

int OsMajorVersion()
{
    OsMajorVersionProvider provider;
    {
        QMutexLocker lock(&providerMutex());
        provider = installedProvider();
    }
    return provider ? provider() : KernelMajorVersion();
}

OsMajorVersionProvider SetOsMajorVersionProvider(OsMajorVersionProvider provider)
{
    QMutexLocker lock(&providerMutex());
    return std::exchange(installedProvider(), std::move(provider));
}

ScopedOsMajorVersion::ScopedOsMajorVersion(int major)
    : m_previous(SetOsMajorVersionProvider([major] { return major; }))
{
}

ScopedOsMajorVersion::~ScopedOsMajorVersion()
{
    SetOsMajorVersionProvider(std::move(m_previous));
}

} // namespace kelvo::os
