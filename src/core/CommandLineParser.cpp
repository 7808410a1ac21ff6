#include "core/CommandLineParser.h"

#include <cstring>
#include <string>
#include <vector>

#include "core/Tokenize.h"

namespace vl {

CommandLineParser::CommandLineParser(const char* commandLine) {
    if (commandLine == nullptr || *commandLine == '\0') return;
    std::size_t n = std::strlen(commandLine);
    commandLine_ = std::make_unique<char[]>(n + 1);
    std::memcpy(commandLine_.get(), commandLine, n + 1);
}

void CommandLineParser::ParseCommandLine() {
    if (!commandLine_) return;
    std::vector<std::string> tokens;
    Tokenize(commandLine_.get(), "/-", kNoTokenLimit, tokens);
    for (const std::string& token : tokens) {
        std::size_t space = token.find(' ');
        if (space == std::string::npos) {
            OnOption(token.c_str(), nullptr);
            continue;
        }
        std::string name = token.substr(0, space);
        std::string value = token.substr(space + 1);
        OnOption(name.c_str(), value.empty() ? nullptr : value.c_str());
    }
}

}  // namespace vl
