#include "core/InstallationBootstrapper.h"
#include "core/ResultCodes.h"
#include "platform/Holders.h"
#include "ui/WaitCursor.h"

namespace vl {

using namespace vl::platform;

std::uint32_t InstallationBootstrapper::ExtractResource(ModuleHandle module, const char* type,
                                                        const char* name, const char* outputFile) {
    if (type == nullptr || *type == '\0' || name == nullptr || *name == '\0' ||
        outputFile == nullptr || *outputFile == '\0')
        return code::kInvalidData;

    WaitCursor cursor(platform_.ui);
    cursor.Show();
    LogMessage("ExtractResource - Extracting the resource \"%s\" of type \"%s\" to the output file \"%s\".",
               name, type, outputFile);

    Modules& modules = platform_.modules;
    auto found = modules.FindResource(module, ResourceId::Named(name), ResourceId::Named(type));
    if (!found.ok) {
        const std::uint32_t error = ErrorOr(found.error, code::kResourceTypeNotFound);
        LogMessage("ExtractResource - Failed to find the resource. Error: %lu", error);
        return error;
    }
    auto loaded = modules.LoadResource(module, found.value);
    const void* bytes = loaded.ok ? modules.LockResource(loaded.value) : nullptr;
    if (bytes == nullptr) {
        // Failures below never come back as 0, even when Windows left the
        // last error at 0: a caller must not take a missing file for success.
        const std::uint32_t error = ErrorOr(loaded.error, code::kInvalidData);
        LogMessage("ExtractResource - Failed to load the resource. Error: %lu", error);
        return error;
    }
    auto size = modules.SizeofResource(module, found.value);
    if (size.value == 0) {
        const std::uint32_t error = ErrorOr(size.error, code::kInvalidData);
        LogMessage("ExtractResource - Failed to get resource size. Error: %lu", error);
        return error;
    }

    auto created = platform_.files.CreateFile(outputFile, file::kGenericWrite, 0,
                                              file::kCreateAlways, file::kAttributeNormal);
    if (!created.ok) {
        const std::uint32_t error = ErrorOr(created.error, code::kInvalidData);
        LogMessage("ExtractResource - Failed to create the resource output file. Error: %lu", error);
        return error;
    }
    UniqueFile output(platform_.files, created.value);
    auto written = platform_.files.WriteFile(output.Get(), bytes, size.value);
    output.Close();
    if (!written.ok) {
        const std::uint32_t error = ErrorOr(written.error, code::kInvalidData);
        LogMessage("ExtractResource - Failed to write to the resource output file. Error: %lu", error);
        return error;
    }
    if (!platform_.files.Exists(outputFile)) {
        LogMessage("ExtractResource - Resource output file not found. Unsuccessful resource extraction.");
        return code::kFileNotFound;
    }
    return 0;
}

}  // namespace vl
