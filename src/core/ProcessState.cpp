#include "core/ProcessState.h"

namespace vl {

ProcessState& Process() {
    static ProcessState state;
    return state;
}

}  // namespace vl
