#pragma once
// The hourglass for the length of a scope: Show() sets the system's wait
// cursor and keeps the one in place; Restore() (also on destruction) puts
// the kept cursor back.

#include "platform/UserInterface.h"

namespace vl {

class WaitCursor {
public:
    explicit WaitCursor(platform::UserInterface& ui) : ui_(ui), wait_(ui.LoadWaitCursor()) {}
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { Restore(); }

    void Show() { previous_ = ui_.SetCursor(wait_); }
    void Restore() {
        if (!previous_.IsNull()) ui_.SetCursor(previous_);
        previous_ = {};
    }

private:
    platform::UserInterface& ui_;
    platform::CursorHandle wait_;
    platform::CursorHandle previous_{};
};

}  // namespace vl
