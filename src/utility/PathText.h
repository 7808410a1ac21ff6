#pragma once
// The light-weight path functions of the shell, on zero-terminated texts.

#include <cstddef>

namespace vl {

// PathStripPathA: keeps the last component (the file name and extension).
void StripPath(char* path);
// PathRemoveFileSpecA: removes the last component and its backslash; a root
// ("C:\", "\") keeps its backslash. Returns true when something was removed.
bool RemoveFileSpec(char* path);
// PathUnquoteSpacesA: removes one pair of enclosing double quotes.
void UnquoteSpaces(char* path);
// True for "X:\..." and "\\server\..." (a path that names its own root).
bool IsAbsolutePath(const char* path);

}  // namespace vl
