#include "settings/IniReader.h"

#include <algorithm>
#include <cstring>

#include "platform/Holders.h"

namespace vl {
namespace {

bool IsBlank(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x1A;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && IsBlank(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

// Names and values are C strings once read: a NUL ends them.
std::string UpToNul(std::string_view s) {
    return std::string(s.substr(0, std::min(s.find('\0'), s.size())));
}

// Code page 1252 for U+0080..U+009F; identical bytes for the five code
// points 1252 leaves undefined, as Windows maps them both ways.
constexpr char16_t kHigh1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Best-fit letters for U+0100..U+017F (the letter without its accent).
constexpr char kLatinExtendedA[] =
    "AaAaAaCcCcCcCcDd??EeEeEeEeEeGgGgGgGgHh??IiIiIiIiI???JjKk?LlLlLl????"
    "NnNnNn???OoOoOo??RrRrRrSsSsSsSsTtTt??UuUuUuUuUuUuWwYyYZzZzZz?";

char To1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (unsigned i = 0; i < 32; ++i)
        if (kHigh1252[i] == c) return static_cast<char>(0x80 + i);
    if (c < 0xA0) return static_cast<char>(c);  // C1 controls keep their byte
    if (c >= 0x100 && c < 0x180) return kLatinExtendedA[c - 0x100];
    return '?';
}

std::string Utf16To1252(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        unsigned char a = static_cast<unsigned char>(bytes[i]);
        unsigned char b = static_cast<unsigned char>(bytes[i + 1]);
        char16_t unit = bigEndian ? static_cast<char16_t>(a << 8 | b)
                                  : static_cast<char16_t>(b << 8 | a);
        out += To1252(unit);  // a surrogate is not in the code page: '?'
    }
    return out;
}

std::string Utf8To1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        int follow = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2
                                   : (c & 0xF8) == 0xF0 ? 3 : -1;
        char32_t cp = follow == 0 ? c : follow == 1 ? (c & 0x1F) : follow == 2 ? (c & 0x0F) : (c & 0x07);
        std::size_t n = 1;
        bool valid = follow >= 0 && i + follow < bytes.size();
        for (int k = 1; valid && k <= follow; ++k) {
            unsigned char t = static_cast<unsigned char>(bytes[i + k]);
            if ((t & 0xC0) != 0x80) valid = false;
            else cp = cp << 6 | (t & 0x3F), ++n;
        }
        if (!valid) {
            out += '?';  // an invalid sequence reads as U+FFFD
            i += n;
            continue;
        }
        out += To1252(cp);
        i += n;
    }
    return out;
}

// The text the profile functions see: byte-order marks select a conversion.
std::string DecodeFile(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return Utf8To1252(bytes.substr(3));
    if (bytes.substr(0, 2) == "\xFF\xFE") return Utf16To1252(bytes.substr(2), false);
    if (bytes.substr(0, 2) == "\xFE\xFF") return Utf16To1252(bytes.substr(2), true);
    return std::string(bytes);
}

// The default a caller passes, as Windows uses it: trailing spaces go.
std::string_view DefaultText(const char* defaultValue) {
    std::string_view d = defaultValue == nullptr ? "" : defaultValue;
    while (!d.empty() && d.back() == ' ') d.remove_suffix(1);
    return d;
}

// Copies a value or a default: one pair of matching quotes is removed, the
// rest cut to size-1 characters. Returns the characters copied.
std::uint32_t CopyValue(std::string_view value, char* buffer, std::uint32_t size) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    std::size_t n = std::min<std::size_t>(value.size(), size - 1);
    if (n > 0) std::memcpy(buffer, value.data(), n);
    buffer[n] = '\0';
    return static_cast<std::uint32_t>(n);
}

// Copies a NUL-separated list that ends in a second NUL; when it does not
// fit, it is cut to size-2 bytes and two NULs.
std::uint32_t CopyCutList(const std::string& list, char* buffer, std::uint32_t size) {
    if (size == 1) {
        buffer[0] = '\0';
        return 0;
    }
    if (list.size() <= size) {
        std::memcpy(buffer, list.data(), list.size());
        return static_cast<std::uint32_t>(list.size() - 1);
    }
    std::memcpy(buffer, list.data(), size - 2);
    buffer[size - 2] = '\0';
    buffer[size - 1] = '\0';
    return size - 2;
}

std::uint32_t ParseInteger(const char* text) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p != 0 && *p <= ' ') ++p;
    bool minus = false;
    if (*p == '+' || *p == '-') minus = *p++ == '-';
    std::uint32_t base = 10;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'o' || p[1] == 'b')) {
        base = p[1] == 'x' ? 16 : p[1] == 'o' ? 8 : 2;
        p += 2;
    }
    std::uint32_t total = 0;
    for (;; ++p) {
        std::uint32_t digit = 99;
        if (*p >= '0' && *p <= '9') digit = *p - '0';
        else if (*p >= 'a' && *p <= 'z') digit = *p - 'a' + 10;
        else if (*p >= 'A' && *p <= 'Z') digit = *p - 'A' + 10;
        if (digit >= base) break;
        total = total * base + digit;
    }
    return minus ? 0u - total : total;
}

}  // namespace

IniDocument::IniDocument(std::string_view bytes, const platform::TextRules& rules)
    : rules_(&rules) {
    Parse(DecodeFile(bytes));
}

void IniDocument::Parse(std::string_view text) {
    sections_.push_back(Section{});  // the lines before the first header
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = Trim(text.substr(pos, end - pos));
        pos = text.find_first_not_of("\r\n", end);
        if (pos == std::string_view::npos) pos = text.size();
        if (line.empty()) continue;

        std::size_t close = line.rfind(']');
        if (line.front() == '[' && close != std::string_view::npos && close > 0) {
            sections_.push_back(Section{UpToNul(Trim(line.substr(1, close - 1))), {}});
            continue;
        }
        if (line.front() == ';') continue;
        Entry entry;
        std::size_t equals = line.find('=');
        entry.name = UpToNul(Trim(line.substr(0, equals)));
        if (equals != std::string_view::npos) {
            entry.hasValue = true;
            entry.value = UpToNul(Trim(line.substr(equals + 1)));
        }
        // A line that starts with NUL holds nothing anyone can read.
        if (entry.name.empty() && !entry.hasValue) continue;
        sections_.back().entries.push_back(std::move(entry));
    }
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    const std::string wanted(name);
    for (const Section& s : sections_)
        if (rules_->EqualNoCase(s.name.c_str(), wanted.c_str())) return &s;
    return nullptr;
}

const IniDocument::Entry* IniDocument::FindEntry(const Section& section,
                                                 std::string_view name) const {
    const std::string wanted(name);
    for (const Entry& e : section.entries)
        if (rules_->EqualNoCase(e.name.c_str(), wanted.c_str())) return &e;
    return nullptr;
}

std::uint32_t IniDocument::CopyList(const std::string& list, const char* defaultValue,
                                    char* buffer, std::uint32_t size) const {
    if (list.size() <= 1) return CopyValue(DefaultText(defaultValue), buffer, size);
    return CopyCutList(list, buffer, size);
}

std::uint32_t IniDocument::GetString(const char* section, const char* key,
                                     const char* defaultValue, char* buffer,
                                     std::uint32_t size) const {
    if (buffer == nullptr || size == 0) return 0;
    if (section == nullptr) {
        std::string list;
        for (const Section& s : sections_)
            if (!s.name.empty()) list.append(s.name).push_back('\0');
        list.push_back('\0');
        return CopyCutList(list, buffer, size);  // no sections: an empty list, no default
    }
    const Section* found = FindSection(Trim(section));
    if (key == nullptr) {
        std::string list;
        if (found != nullptr)
            for (const Entry& e : found->entries)
                if (e.hasValue) list.append(e.name).push_back('\0');
        list.push_back('\0');
        return CopyList(list, defaultValue, buffer, size);
    }
    const Entry* entry = found == nullptr ? nullptr : FindEntry(*found, Trim(key));
    if (entry != nullptr && entry->hasValue) return CopyValue(entry->value, buffer, size);
    return CopyValue(DefaultText(defaultValue), buffer, size);
}

std::uint32_t IniDocument::GetInt(const char* section, const char* key,
                                  std::int32_t defaultValue) const {
    // Windows reads the value into a buffer of 30 characters first.
    char text[30];
    if (section == nullptr || GetString(section, key, "", text, sizeof(text)) == 0)
        return static_cast<std::uint32_t>(defaultValue);
    return ParseInteger(text);
}

std::uint32_t IniDocument::GetSection(const char* section, char* buffer,
                                      std::uint32_t size) const {
    if (buffer == nullptr || size == 0 || section == nullptr) return 0;
    const Section* found = FindSection(section);
    std::string list;
    if (found != nullptr) {
        for (const Entry& e : found->entries) {
            list += e.name;
            if (e.hasValue) list.append("=").append(e.value);
            list.push_back('\0');
        }
    }
    list.push_back('\0');
    if (list.size() == 1) {
        buffer[0] = '\0';
        if (size >= 2) buffer[1] = '\0';
        return 0;
    }
    return CopyCutList(list, buffer, size);
}

bool LoadIniFile(platform::FileSystem& files, const char* path, std::string& bytes) {
    bytes.clear();
    platform::Result<platform::FileHandle> opened = files.CreateFile(
        path, platform::file::kGenericRead, platform::file::kShareRead | platform::file::kShareWrite,
        platform::file::kOpenExisting, platform::file::kAttributeNormal);
    if (!opened.ok) return false;
    platform::UniqueFile file(files, opened.value);
    if (!file.IsValid()) return false;
    constexpr std::uint32_t kChunk = 64 * 1024;
    for (;;) {
        const std::uint32_t room = kMaxIniFileBytes - static_cast<std::uint32_t>(bytes.size());
        if (room == 0) break;
        const std::size_t used = bytes.size();
        const std::uint32_t want = std::min(kChunk, room);
        bytes.resize(used + want);
        platform::Result<std::uint32_t> read = files.ReadFile(file.Get(), bytes.data() + used, want);
        if (!read.ok) {
            bytes.clear();
            return false;
        }
        bytes.resize(used + std::min(read.value, want));
        if (read.value == 0) break;
    }
    return true;
}

}  // namespace vl
