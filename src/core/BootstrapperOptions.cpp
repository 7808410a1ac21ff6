#include "core/BootstrapperOptions.h"

#include <cstring>

#include "core/Tokenize.h"

namespace vl {
namespace {

// Removes leading and trailing blanks in place.
void TrimSpaces(char* text) {
    std::size_t start = 0;
    while (text[start] == ' ') ++start;
    std::size_t end = std::strlen(text);
    while (end > start && text[end - 1] == ' ') --end;
    std::memmove(text, text + start, end - start);
    text[end - start] = '\0';
}

// Removes one pair of enclosing double quotes in place.
void UnquoteOnce(char* text) {
    std::size_t n = std::strlen(text);
    if (n >= 2 && text[0] == '"' && text[n - 1] == '"') {
        std::memmove(text, text + 1, n - 2);
        text[n - 2] = '\0';
    }
}

}  // namespace

BootstrapperOptions::BootstrapperOptions(const char* commandLine, const platform::TextRules& text)
    : CommandLineParser(commandLine), text_(text) {}

void BootstrapperOptions::SetPath(FixedText<260>& field, const char* value) {
    if (value == nullptr) return;
    field.Assign(value, 260);
    TrimSpaces(field.data());
    UnquoteOnce(field.data());
}

void BootstrapperOptions::OnOption(const char* name, const char* value) {
    if (name == nullptr || *name == '\0') return;
    auto is = [&](const char* option) { return text_.EqualNoCase(name, option); };

    if (name[0] == '?' || is("help")) {
        flags |= OptionHelp;
    } else if (is("ExtractSettings")) {
        flags |= OptionExtractSettings;
        SetPath(extractSettingsPath, value);
    } else if (is("log")) {
        flags |= OptionLog;
        SetPath(logPath, value);
    } else if (is("morehelp")) {
        flags |= OptionMoreHelp;
    } else if (is("NoWelcomeDlg")) {
        flags |= OptionNoWelcomeDlg;
    } else if (is("NoWelcomeWave")) {
        flags |= OptionNoWelcomeWave;
    } else if (is("passthru")) {
        AddPassthru(value);
    } else if (is("ReplaceSettings")) {
        flags |= OptionReplaceSettings;
        SetPath(replaceSettingsPath, value);
    } else if (is("ReplaceLanguage")) {
        flags |= OptionReplaceLanguage;
        SetPath(replaceLanguagePath, value);
    } else if (is("Type")) {
        flags |= OptionType;
        if (value != nullptr) {
            typeValue.Assign(value, 100);
            TrimSpaces(typeValue.data());
        }
    } else if (is("allowxddm")) {
        flags |= OptionAllowXddm;
    } else if (is("q")) {
        flags |= OptionIgnoreError;
    }
}

void BootstrapperOptions::AddPassthru(const char* value) {
    if (value == nullptr) return;
    std::vector<std::string> parts;
    if (Tokenize(value, "@", kNoTokenLimit, parts) != 2) return;

    std::vector<std::string> names;
    if (Tokenize(parts[0].c_str(), ",", kNoTokenLimit, names) == 0) names.push_back(parts[0]);
    for (const std::string& installer : names) passthruTable[installer].push_back(parts[1]);
    flags |= OptionPassthru;
}

}  // namespace vl
