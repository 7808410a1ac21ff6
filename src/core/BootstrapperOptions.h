#pragma once
// The bootstrapper's options: the flags word, five text values and the
// pass-through table, filled once by ParseCommandLine.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/CommandLineParser.h"
#include "platform/TextRules.h"
#include "utility/FixedText.h"

namespace vl {

enum OptionFlag : std::uint32_t {
    OptionHelp = 0x1,
    OptionLog = 0x2,
    OptionExtractSettings = 0x4,
    OptionReplaceSettings = 0x8,
    OptionNoWelcomeDlg = 0x10,
    OptionNoWelcomeWave = 0x20,
    OptionType = 0x40,
    OptionMoreHelp = 0x80,
    OptionPassthru = 0x100,
    OptionAllowXddm = 0x200,
    OptionIgnoreError = 0x400,
    OptionReplaceLanguage = 0x800,
};

// Installer section name (case-sensitive byte order) to its pass-through
// commands in command-line order, kept undecoded ("#2" still stands for "/").
using PassthruTable = std::map<std::string, std::vector<std::string>>;

class BootstrapperOptions final : public CommandLineParser {
public:
    BootstrapperOptions(const char* commandLine, const platform::TextRules& text);

    PassthruTable passthruTable;
    FixedText<260> extractSettingsPath;
    FixedText<260> replaceSettingsPath;
    FixedText<260> replaceLanguagePath;
    FixedText<100> typeValue;
    FixedText<260> logPath;
    std::uint32_t flags = 0;

    bool Has(std::uint32_t flag) const { return (flags & flag) != 0; }

protected:
    void OnOption(const char* name, const char* value) override;

private:
    void SetPath(FixedText<260>& field, const char* value);
    void AddPassthru(const char* value);

    const platform::TextRules& text_;
};

}  // namespace vl
