#include "ui/KeyboardHook.h"

namespace vl {

bool KeyboardHook::OnKey(int, std::uintptr_t, std::intptr_t) { return false; }

}  // namespace vl
