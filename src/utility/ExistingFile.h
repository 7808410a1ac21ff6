#pragma once
// Whether a path names a file that can be read as one. The seam's existence
// test (FileSystem::Exists) is true for folders too; where the program wants
// a file, a folder of that name counts as no file at all.

#include "platform/FileSystem.h"

namespace vl {

// True when path is not empty and GetFileAttributesA reports something that
// is not a folder (kAttributeDirectory clear). Any failure reads as false.
[[nodiscard]] inline bool IsExistingFile(platform::FileSystem& files, const char* path) {
    if (path == nullptr || *path == '\0') return false;
    const platform::Result<std::uint32_t> attributes = files.GetFileAttributes(path);
    return attributes.ok && attributes.value != platform::file::kInvalidAttributes &&
           (attributes.value & platform::file::kAttributeDirectory) == 0;
}

}  // namespace vl
