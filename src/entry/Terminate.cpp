// The default terminate handler demangles the exception's type name; the
// program throws nothing, so a plain abort keeps the demangler out of it.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
