#include <gtest/gtest.h>

#include "TestSupport.h"

namespace vl::test {

std::vector<std::string> LogMessages(const std::string& bytes) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        // "y/m/d - h:m:s:ms - message "
        std::size_t first = line.find(" - ");
        std::size_t second = first == std::string::npos ? first : line.find(" - ", first + 3);
        if (second != std::string::npos) {
            std::string message = line.substr(second + 3);
            if (!message.empty() && message.back() == ' ') message.pop_back();
            out.push_back(message);
        }
        start = end + 2;
    }
    return out;
}

std::string CodeName(std::uint32_t code) {
    switch (code) {
        case 0: return "0 (success)";
        case 2: return "2 (file not found)";
        case 5: return "5 (access denied)";
        case 6: return "6 (invalid handle)";
        case 13: return "13 (invalid data)";
        case 161: return "161 (bad path name)";
        case 183: return "183 (already exists)";
        case 1641: return "1641 (restart started)";
        case 1813: return "1813 (resource type not found)";
        default: return std::to_string(code);
    }
}

}  // namespace vl::test
