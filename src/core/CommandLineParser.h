#pragma once
// The command line: a copy of the raw text, split into options at "/" and
// "-", each handed to OnOption as a name and a value.
//
// Example: "/Type Server With Speech/Log" gives OnOption("Type",
// "Server With Speech") then OnOption("Log", null).

#include <memory>

namespace vl {

class CommandLineParser {
public:
    // Keeps its own copy; a null or empty command line is kept as null.
    explicit CommandLineParser(const char* commandLine);
    CommandLineParser(const CommandLineParser&) = delete;
    CommandLineParser& operator=(const CommandLineParser&) = delete;
    virtual ~CommandLineParser() = default;

    // Tokenizes the copy and calls OnOption once per token, in order.
    void ParseCommandLine();

    // The copy of the raw command line, or null.
    const char* CommandLine() const { return commandLine_.get(); }

protected:
    // name is never null; value is null when the option has none.
    virtual void OnOption(const char* name, const char* value) = 0;

private:
    std::unique_ptr<char[]> commandLine_;
};

}  // namespace vl
