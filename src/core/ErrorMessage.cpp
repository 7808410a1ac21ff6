#include "core/InstallationBootstrapper.h"
#include "utility/ComposedPath.h"

namespace vl {

void InstallationBootstrapper::ShowErrorMessageArgs(std::uint32_t number, const FormatArg* args,
                                                    std::size_t argCount) {
    if (silentMode) return;
    char caption[100] = {};
    char format[1000] = {};
    char message[1000] = {};
    if (!languageModule.IsNull()) {
        (void)platform_.modules.LoadString(languageModule, 1, caption, 99);
        auto text = platform_.modules.LoadString(languageModule, number, format, 999);
        if (!text.ok) format[0] = '\0';
        // The formatter is bounded and typed, so a replacement module's
        // directives can neither overrun the message nor read stray memory.
        FormatTextArgs(message, 1000, format, args, argCount);
    }
    if (caption[0] == '\0') FormatText(caption, 100, "%s Setup Package Error", productName.c_str());
    if (message[0] == '\0') FormatText(message, 1000, "%s", "There was an error during the installation process.");
    (void)utility.ShowMessageBox({}, message, caption,
                                 platform::ui::kMbOk | platform::ui::kMbIconExclamation);
}

}  // namespace vl
