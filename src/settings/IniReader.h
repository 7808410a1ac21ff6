#pragma once
// The settings reader: an INI file read the way GetPrivateProfileStringA,
// GetPrivateProfileIntA and GetPrivateProfileSectionA read it, on the file's
// bytes, without Windows.
//
// The format as read here:
// - The file is text in the ANSI code page (1252). A file that starts with a
//   UTF-16 byte-order mark (FF FE, as Notepad's "Unicode" saves, or FE FF) or
//   with the UTF-8 one (EF BB BF) is converted to code page 1252 first;
//   characters the code page lacks become a similar letter where one exists
//   (U+0100 'A' with macron reads as 'A') and '?' otherwise. Without a mark
//   the bytes are used as they are (UTF-8 without a mark reads as its bytes).
// - Lines end at any run of CR and LF characters, so CRLF, LF and CR files
//   read alike, and the last line needs no line end.
// - Blanks are space, TAB, VT, FF, CR, LF and 0x1A (the old end-of-file
//   character). They are removed from both ends of every line, around the
//   "=" and around the names a caller passes. A NUL byte ends a name or a
//   value (the rest of that line is lost), as it ends a C string.
// - A line whose first character is "[" and that holds a "]" later on is a
//   section header; the name lies between the "[" and the last "]" on the
//   line, blanks removed ("[a]b] x" names "a]b"). A "[" line without "]" is
//   an ordinary line of the section before it.
// - Any other line is a key line: the key is the text before the first "="
//   and the value the text after it. A line without "=" is a key without a
//   value: GetString gives the default for it, GetSection lists it as it
//   stands. Lines whose first character is ";" are comments and are skipped
//   by every call. Key lines before the first header belong to a section
//   whose name is empty.
// - Section and key names are compared without regard to case, by the code
//   page's rules (the TextRules passed in). When a section name occurs twice
//   only its first occurrence is read; when a key occurs twice in a section
//   the first one wins.
//
// Worked example. The file (CRLF line ends)
//
//     ; shipped settings
//     [Default]
//       PreInstall = Lectra|Lectra64
//     Name="My product "
//     [Lectra]
//     PlayTone=0x1E
//
// reads as:
//   GetString("default", "preinstall", "", buf, 100)  -> 15, "Lectra|Lectra64"
//   GetString("Default", "Name", "", buf, 100)        -> 11, "My product " (the
//                                                        quotes go, the blank in them stays)
//   GetString("Default", "Name", "", buf, 5)          -> 4, "My p"
//   GetString("Default", "Missing", "no  ", buf, 4)   -> 2, "no" (trailing blanks
//                                                        of a default are dropped)
//   GetInt("Lectra", "PlayTone", 0)                   -> 30
//   GetSection("Default", buf, 100)                   -> 46, "PreInstall=Lectra|Lectra64\0
//                                                        Name=\"My product \"\0\0"
//   GetSection("Default", buf, 4)                     -> 2, "Pr\0\0" (cut: size minus 2)

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/TextRules.h"

namespace vl {

class IniDocument {
public:
    // Parses `bytes` (the whole file). The rules must outlive the document.
    IniDocument(std::string_view bytes, const platform::TextRules& rules);

    // GetPrivateProfileStringA. Copies the value of `key` in `section` into
    // `buffer` (`size` bytes, the nSize of Windows): at most size-1
    // characters, always followed by a NUL when size > 0. One pair of
    // matching quotes (' or ") around the value is removed. A missing
    // section or key, or a key line without "=", gives `defaultValue` with
    // its trailing spaces removed (null reads as empty); a default in
    // matching quotes loses them too.
    // A null `section` lists the section names (an empty list, not the
    // default, when there is none), a null `key` the key names of the
    // section (or gives the default when it has none): each name
    // followed by a NUL, the list by a second NUL; when the list does not
    // fit, it is cut so that it ends in two NULs and size-2 is returned.
    // Returns the number of characters copied, without the terminating NUL;
    // 0 when `buffer` is null or `size` is 0 (then nothing is written).
    [[nodiscard]] std::uint32_t GetString(const char* section, const char* key,
                                          const char* defaultValue, char* buffer,
                                          std::uint32_t size) const;

    // GetPrivateProfileIntA. The value (read as GetString reads it, with at
    // most 29 characters) converted like RtlCharToInteger with base 0:
    // leading characters up to the blank skipped, an optional "+" or "-",
    // then "0x" for hexadecimal, "0o" for octal, "0b" for binary, else
    // decimal digits, up to the first other character; modulo 2^32 (so "-1"
    // gives 4294967295). A value without digits gives 0; a missing or empty
    // value, a null section or a missing section gives `defaultValue`
    // converted to unsigned.
    [[nodiscard]] std::uint32_t GetInt(const char* section, const char* key,
                                       std::int32_t defaultValue) const;

    // GetPrivateProfileSectionA. Copies the lines of `section` (its first
    // occurrence; the name compared as given, blanks included) into
    // `buffer`: each as key=value with the blanks around the "=" removed and
    // quotes kept, or as the key alone for a line without "=", each followed
    // by a NUL, the whole by a second NUL. Comments are left out, so a
    // section of comment lines reads as empty. Returns the number of
    // characters copied without the final NUL; 0 for a missing or empty
    // section (then the buffer starts with two NULs when size >= 2).
    // When the lines do not fit, the first size-2 bytes are copied, two
    // NULs end the buffer and size-2 is returned; so a 4-byte buffer tells
    // whether the section has a line. Nothing is written when `section` or
    // `buffer` is null or `size` is 0; size 1 receives one NUL.
    [[nodiscard]] std::uint32_t GetSection(const char* section, char* buffer,
                                           std::uint32_t size) const;

private:
    struct Entry {
        std::string name;
        std::string value;
        bool hasValue = false;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;  // comment lines are not kept
    };

    void Parse(std::string_view text);
    const Section* FindSection(std::string_view name) const;
    const Entry* FindEntry(const Section& section, std::string_view name) const;
    std::uint32_t CopyList(const std::string& list, const char* defaultValue, char* buffer,
                           std::uint32_t size) const;

    const platform::TextRules* rules_;
    std::vector<Section> sections_;
};

// The most a settings file may hold: a larger file is read up to this size.
inline constexpr std::uint32_t kMaxIniFileBytes = 64u * 1024u * 1024u;

// Reads the whole file at `path` into `bytes` (at most kMaxIniFileBytes)
// through CreateFile (read access, others may read and write), ReadFile and
// CloseFile. Returns false, with `bytes` empty, when the file cannot be
// opened or a read fails.
[[nodiscard]] bool LoadIniFile(platform::FileSystem& files, const char* path, std::string& bytes);

}  // namespace vl
