#pragma once
// Process-wide values of the bootstrapper: the keyboard hook's handle, the
// guard of PrepareRun and the pointer the dialogs and the hook share. One
// owner, so tests can put it back to its start.

#include <atomic>

#include "platform/Handles.h"

namespace vl {

class InstallationBootstrapper;

struct ProcessState {
    platform::HookHandle keyboardHook{};
    bool prepareRunGuard = false;
    // Written by the dialog procedures on either thread, read by the hook.
    std::atomic<InstallationBootstrapper*> activeBootstrapper{nullptr};

    void Reset() {
        keyboardHook = {};
        prepareRunGuard = false;
        activeBootstrapper = nullptr;
    }
};

ProcessState& Process();

}  // namespace vl
