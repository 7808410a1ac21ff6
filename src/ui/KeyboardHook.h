#pragma once
// The thread keyboard hook's handler. For now every key event is passed on.

#include <cstdint>

#include "platform/UserInterface.h"

namespace vl {

class KeyboardHook final : public platform::KeyboardHookHandler {
public:
    bool OnKey(int code, std::uintptr_t wParam, std::intptr_t lParam) override;
};

}  // namespace vl
