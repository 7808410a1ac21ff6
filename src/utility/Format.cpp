#include "utility/Format.h"

#include <cstring>

namespace vl {
namespace {

class Sink {
public:
    Sink(char* dest, std::size_t limit) : dest_(dest), room_(limit == 0 ? 0 : limit - 1) {}

    void Put(char c) {
        if (dest_ != nullptr && used_ < room_) dest_[used_++] = c;
    }
    void Put(const char* s, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) Put(s[i]);
    }
    void Pad(char c, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) Put(c);
    }
    std::size_t Finish(std::size_t limit) {
        if (dest_ != nullptr && limit > 0) dest_[used_] = '\0';
        return used_;
    }

private:
    char* dest_;
    std::size_t room_;
    std::size_t used_ = 0;
};

struct Spec {
    bool left = false;
    bool zero = false;
    bool alternate = false;
    std::size_t width = 0;
    bool hasPrecision = false;
    std::size_t precision = 0;
    bool wide64 = false;
};

// Writes body (with an optional prefix such as "-" or "0x") padded to the width.
void Emit(Sink& out, const Spec& spec, const char* prefix, const char* body, std::size_t bodyLen,
          bool numeric) {
    std::size_t prefixLen = std::strlen(prefix);
    std::size_t total = prefixLen + bodyLen;
    std::size_t pad = spec.width > total ? spec.width - total : 0;
    if (spec.left) {
        out.Put(prefix, prefixLen);
        out.Put(body, bodyLen);
        out.Pad(' ', pad);
    } else if (spec.zero && numeric) {
        out.Put(prefix, prefixLen);
        out.Pad('0', pad);
        out.Put(body, bodyLen);
    } else {
        out.Pad(' ', pad);
        out.Put(prefix, prefixLen);
        out.Put(body, bodyLen);
    }
}

void EmitNumber(Sink& out, Spec spec, char type, std::uint64_t value, bool negative) {
    char digits[32];
    std::size_t n = 0;
    const unsigned base = (type == 'x' || type == 'X') ? 16 : 10;
    const char* alphabet = type == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
    do {
        digits[n++] = alphabet[value % base];
        value /= base;
    } while (value != 0 && n < sizeof(digits));
    char body[64];
    std::size_t len = 0;
    std::size_t minDigits = spec.hasPrecision ? spec.precision : 1;
    if (minDigits > 40) minDigits = 40;
    for (std::size_t i = n; i < minDigits; ++i) body[len++] = '0';
    while (n > 0) body[len++] = digits[--n];
    if (spec.hasPrecision) spec.zero = false;
    const char* prefix = "";
    if (negative) prefix = "-";
    else if (spec.alternate && base == 16) prefix = type == 'X' ? "0X" : "0x";
    Emit(out, spec, prefix, body, len, true);
}

}  // namespace

std::size_t FormatTextArgs(char* dest, std::size_t limit, const char* format,
                           const FormatArg* args, std::size_t argCount) {
    Sink out(dest, limit);
    if (format == nullptr) return out.Finish(limit);
    std::size_t next = 0;
    const char* p = format;
    while (*p != '\0') {
        if (*p != '%') {
            out.Put(*p++);
            continue;
        }
        ++p;  // past '%'
        if (*p == '\0') break;
        if (*p == '%') {
            out.Put('%');
            ++p;
            continue;
        }
        Spec spec;
        for (;; ++p) {
            if (*p == '-') spec.left = true;
            else if (*p == '0') spec.zero = true;
            else if (*p == '#') spec.alternate = true;
            else break;
        }
        while (*p >= '0' && *p <= '9') {
            if (spec.width < 100000) spec.width = spec.width * 10 + static_cast<std::size_t>(*p - '0');
            ++p;
        }
        if (*p == '.') {
            ++p;
            spec.hasPrecision = true;
            while (*p >= '0' && *p <= '9') {
                if (spec.precision < 100000)
                    spec.precision = spec.precision * 10 + static_cast<std::size_t>(*p - '0');
                ++p;
            }
        }
        if (p[0] == 'I' && p[1] == '6' && p[2] == '4') {
            spec.wide64 = true;
            p += 3;
        } else if (*p == 'l' || *p == 'h') {
            ++p;
        }
        const char type = *p;
        if (type == '\0') break;
        ++p;

        const bool known = type == 'd' || type == 'i' || type == 'u' || type == 'x' ||
                           type == 'X' || type == 'c' || type == 's';
        if (!known) {
            out.Put(type);
            continue;
        }
        if (next >= argCount) continue;  // no argument: nothing printed
        const FormatArg& arg = args[next++];
        const bool is64 = arg.kind == FormatArg::Kind::Int64 || arg.kind == FormatArg::Kind::UInt64;
        const bool is32 = arg.kind == FormatArg::Kind::Int32 || arg.kind == FormatArg::Kind::UInt32;

        if (type == 's') {
            if (arg.kind != FormatArg::Kind::Text) continue;
            const char* s = arg.text != nullptr ? arg.text : "(null)";
            std::size_t len = std::strlen(s);
            if (spec.hasPrecision && spec.precision < len) len = spec.precision;
            Emit(out, spec, "", s, len, false);
            continue;
        }
        if (type == 'c') {
            if (!is32 || spec.wide64) continue;
            char c = static_cast<char>(arg.number & 0xFF);
            Emit(out, spec, "", &c, 1, false);
            continue;
        }
        if (spec.wide64 ? !is64 : !is32) continue;
        if (type == 'd' || type == 'i') {
            if (spec.wide64) {
                auto v = static_cast<std::int64_t>(arg.number);
                bool neg = v < 0;
                std::uint64_t mag = neg ? (~arg.number + 1) : arg.number;
                EmitNumber(out, spec, type, mag, neg);
            } else {
                auto v = static_cast<std::int32_t>(static_cast<std::uint32_t>(arg.number));
                bool neg = v < 0;
                std::uint64_t mag = neg ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(v))
                                        : static_cast<std::uint64_t>(v);
                EmitNumber(out, spec, type, mag, neg);
            }
        } else {
            std::uint64_t v = spec.wide64 ? arg.number : (arg.number & 0xFFFFFFFFu);
            EmitNumber(out, spec, type, v, false);
        }
    }
    return out.Finish(limit);
}

}  // namespace vl
