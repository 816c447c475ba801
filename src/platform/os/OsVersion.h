#pragma once

#include <functional>

namespace kelvo::os {

// The operating system's major version, as the keyboard-layout choice reads
// it. By default the running kernel's major version (uname); tests install
// their own provider.
using OsMajorVersionProvider = std::function<int()>;

int OsMajorVersion();
// Installs provider (an empty one restores the default) and returns the
// previous one.
OsMajorVersionProvider SetOsMajorVersionProvider(OsMajorVersionProvider provider);

// The major number of the running kernel's release ("6.1.0-18-amd64" -> 6);
// 0 when it cannot be read.
int KernelMajorVersion();

// Installs a fixed major version for the lifetime of the object.
class ScopedOsMajorVersion {
public:
    explicit ScopedOsMajorVersion(int major);
    ~ScopedOsMajorVersion();
    ScopedOsMajorVersion(const ScopedOsMajorVersion&) = delete;
    ScopedOsMajorVersion& operator=(const ScopedOsMajorVersion&) = delete;

private:
    OsMajorVersionProvider m_previous;
};

} // namespace kelvo::os
