#pragma once
// The whole seam: one reference per facility. The Windows entry point builds
// one from the Win32 adapters; unit tests build one from the fakes.

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Modules.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"
#include "platform/TextRules.h"
#include "platform/UserInterface.h"

namespace vl::platform {

struct Platform {
    FileSystem& files;
    Registry& registry;
    Modules& modules;
    SystemInfo& system;
    UserInterface& ui;
    Clock& clock;
    const TextRules& text;
};

}  // namespace vl::platform
