#pragma once

#include "platform/automation/Dispatch.h"

#include <functional>
#include <memory>

namespace kelvo::automation {

// Makes a new object of one component.
using ComponentFactory = std::function<std::unique_ptr<Dispatch>()>;

// What a plugin sees of the host's registry: it adds its factories here.
// Header-only and called through the virtual table only, so a plugin links
// nothing of the host.
class ComponentRegistrar {
public:
    virtual void registerComponent(const QString& progId, ComponentFactory factory) = 0;

protected:
    ~ComponentRegistrar() = default;
};

// The function a plugin exports, under the name kRegisterFunctionName:
//   extern "C" void KelvoRegisterComponents(kelvo::automation::ComponentRegistrar* registrar);
using RegisterComponentsFunction = void (*)(ComponentRegistrar*);
inline constexpr const char* kRegisterFunctionName = "KelvoRegisterComponents";

} // namespace kelvo::automation
