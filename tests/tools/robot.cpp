// robot: starts a program, reports every top-level window of its process
// until it ends, answers each window as told, and prints the program's full
// 32-bit exit code (a Linux exit status keeps only its low 8 bits).
//
// Usage:
//   robot.exe [options] -- <program> [its arguments...]
//
// Everything after the "--" token is the program's command line, exactly as
// the robot received it (under Wine, the quoting Wine applied to the Unix
// arguments is kept). Only the program token is rewritten when it is a Unix
// path ("/x/y.exe" becomes "Z:\x\y.exe", quoted when it holds a blank),
// because CreateProcessA wants a Windows path.
//
// Options (each may repeat; "--opt=value" works as well as "--opt value"):
//   --answer <spec>        the answer for the next visible window, in order of
//                          appearance; once they run out, --default applies
//   --default <spec>       the answer for the other windows (default: enter)
//   --timeout <ms>         end the program (and every process it started)
//                          after this long; default 60000
//   --cwd <dir>            working directory of the program (a Unix path is
//                          turned into Z:\...)
//   --report-class <name>  at the end, report whether a top-level window of
//                          this class (of any process) still exists
//   --ignore-class <name>  neither report nor answer the program's windows of
//                          this class (for example "IME": Wine, like Windows,
//                          gives each thread with windows a hidden
//                          "Default IME" window)
//
// An answer spec is "[wait:<ms>,][until:<file>,]<action>": wait:<ms> waits
// that long before acting, until:<file> waits until the file exists (a
// Windows path without commas; a test creates the file when the window has
// stayed open long enough), each bounded by --timeout. The actions:
//   button:<id>   post WM_COMMAND (id, BN_CLICKED, the button's handle) to the
//                 window; id in decimal or 0x hex (1 = OK, 2 = Cancel, ...)
//   enter         press and release Return (SendInput)
//   escape        press and release Escape (SendInput)
//   keys:<text>   type the text with SendInput as virtual keys: a character
//                 is typed with the key VkKeyScanA gives it (Shift added
//                 when needed); "{NAME}" presses and releases a named key,
//                 "{NAME down}" and "{NAME up}" hold and release it,
//                 "{WAIT ms}" pauses, "{{" and "}}" type a brace. Names:
//                 ENTER ESC TAB SPACE BS DEL INSERT HOME END PGUP PGDN UP
//                 DOWN LEFT RIGHT CTRL SHIFT ALT F1..F12 NUMPAD0..NUMPAD9,
//                 or a code such as 0x42. Example: keys:{INSERT down}b{INSERT up}
//   none          leave the window alone
// Keys go to whichever window has the keyboard focus; the robot does not
// bring the window to the foreground itself.
//
// Output (stdout, one line per event, "\n" line ends, written unbuffered):
//   window class="<class>" caption="<caption>" visible=<0|1> foreground=<0|1> owner="<owner's class>"
//   "  control id=<id> class="<class>" text="<text>" visible=<0|1> focus=<0|1>"
//       (two leading blanks) one line per child window of the window above,
//       all descendants, in the order EnumChildWindows gives
//   answer <spec>              the answer exactly as given, printed as it acts
//   gone                       the window vanished before it could be read;
//                              the window line before it then holds only the
//                              class and caption seen when it appeared
//   robot: timeout             the program was ended, with exit code 1460
//   class <name> exists=<0|1>  one line per --report-class, in order
//   exit code=<unsigned decimal>
// Texts are escaped as in C string literals: \\ \" \r \n \t, other control
// characters as \xHH. Control ids are unsigned decimal (a message box's text
// is id=65535). owner is "" for a window without owner.
//
// When a window is seen, the robot waits 300 ms for it to settle, then
// reports it. A window still hidden then is reported with visible=0 and gets
// no answer (it does not use up an --answer); should it become visible later,
// it is reported once more with visible=1 and answered. No window is
// otherwise reported twice. Lines beginning with "robot:" are the robot's own
// remarks. The robot polls every 50 ms and exits with 0 once it has printed
// the exit code; it exits with 2 (and no "exit code=" line) when its own
// command line is wrong or the program cannot be started.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kPollMs = 50;
constexpr DWORD kSettleMs = 300;
constexpr UINT kTimeoutExitCode = 1460;  // ERROR_TIMEOUT, given to a program the robot ends

void Print(const std::string& line) {
    std::string text = line + "\n";
    DWORD written = 0;
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    FlushFileBuffers(out);
}

std::string Escape(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", c);
                out += hex;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out;
}

// ---------------------------------------------------------------------------
// The robot's own command line.

struct Token {
    std::string text;   // with quotes and escapes resolved
    size_t end = 0;     // offset just past the token in the raw command line
};

// Splits a command line the way the C runtime splits argv: blanks separate,
// quotes group, 2n backslashes before a quote give n and the quote counts,
// 2n+1 give n and a literal quote. The first token (the program) ends at the
// first blank outside quotes and takes backslashes literally.
std::vector<Token> SplitCommandLine(const char* line) {
    std::vector<Token> tokens;
    size_t i = 0;
    const size_t n = std::strlen(line);
    bool first = true;
    while (true) {
        while (i < n && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= n) break;
        Token token;
        bool quoted = false;
        while (i < n && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
            if (first) {
                if (line[i] == '"') quoted = !quoted;
                else token.text += line[i];
                ++i;
                continue;
            }
            if (line[i] == '\\') {
                size_t slashes = 0;
                while (i < n && line[i] == '\\') { ++slashes; ++i; }
                if (i < n && line[i] == '"') {
                    token.text.append(slashes / 2, '\\');
                    if (slashes % 2 == 1) { token.text += '"'; ++i; }
                } else {
                    token.text.append(slashes, '\\');
                }
                continue;
            }
            if (line[i] == '"') {
                if (quoted && i + 1 < n && line[i + 1] == '"') { token.text += '"'; i += 2; continue; }
                quoted = !quoted;
                ++i;
                continue;
            }
            token.text += line[i++];
        }
        token.end = i;
        tokens.push_back(token);
        first = false;
    }
    return tokens;
}

// "/x/y" -> "Z:\x\y"; a Windows path is returned unchanged.
std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string out = "Z:";
    for (char c : path) out += (c == '/') ? '\\' : c;
    return out;
}

bool ParseUnsigned(const std::string& text, unsigned long& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtoul(text.c_str(), &end, 0);
    return end && *end == '\0';
}

// ---------------------------------------------------------------------------
// Answers.

enum class ActionKind { Button, Enter, Escape, Keys, None };

struct Answer {
    std::string spec;          // as given, for the "answer" line
    DWORD waitMs = 0;
    std::string untilFile;
    ActionKind kind = ActionKind::Enter;
    unsigned long buttonId = 0;
    std::string keys;
};

bool ParseAnswer(const std::string& spec, Answer& answer) {
    answer = Answer{};
    answer.spec = spec;
    std::string rest = spec;
    if (rest.rfind("wait:", 0) == 0) {
        size_t comma = rest.find(',');
        unsigned long ms = 0;
        if (comma == std::string::npos || !ParseUnsigned(rest.substr(5, comma - 5), ms)) return false;
        answer.waitMs = static_cast<DWORD>(ms);
        rest = rest.substr(comma + 1);
    }
    if (rest.rfind("until:", 0) == 0) {
        size_t comma = rest.find(',');
        if (comma == std::string::npos || comma == 6) return false;
        answer.untilFile = rest.substr(6, comma - 6);
        rest = rest.substr(comma + 1);
    }
    if (rest.rfind("button:", 0) == 0) {
        answer.kind = ActionKind::Button;
        return ParseUnsigned(rest.substr(7), answer.buttonId) && answer.buttonId <= 0xFFFF;
    }
    if (rest.rfind("keys:", 0) == 0) {
        answer.kind = ActionKind::Keys;
        answer.keys = rest.substr(5);
        return true;
    }
    if (rest == "enter") { answer.kind = ActionKind::Enter; return true; }
    if (rest == "escape") { answer.kind = ActionKind::Escape; return true; }
    if (rest == "none") { answer.kind = ActionKind::None; return true; }
    return false;
}

struct NamedKey {
    const char* name;
    WORD vk;
};

constexpr NamedKey kNamedKeys[] = {
    {"ENTER", VK_RETURN}, {"ESC", VK_ESCAPE}, {"TAB", VK_TAB}, {"SPACE", VK_SPACE},
    {"BS", VK_BACK}, {"DEL", VK_DELETE}, {"INSERT", VK_INSERT}, {"HOME", VK_HOME},
    {"END", VK_END}, {"PGUP", VK_PRIOR}, {"PGDN", VK_NEXT}, {"UP", VK_UP},
    {"DOWN", VK_DOWN}, {"LEFT", VK_LEFT}, {"RIGHT", VK_RIGHT}, {"CTRL", VK_CONTROL},
    {"SHIFT", VK_SHIFT}, {"ALT", VK_MENU},
};

bool LookUpKey(const std::string& name, WORD& vk) {
    for (const NamedKey& key : kNamedKeys) {
        if (lstrcmpiA(key.name, name.c_str()) == 0) { vk = key.vk; return true; }
    }
    unsigned long number = 0;
    if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f') && ParseUnsigned(name.substr(1), number) &&
        number >= 1 && number <= 12 && name[1] != '0') {
        vk = static_cast<WORD>(VK_F1 + number - 1);
        return true;
    }
    if (name.size() == 7 && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, name.c_str(), 6, "NUMPAD", 6) == CSTR_EQUAL &&
        name[6] >= '0' && name[6] <= '9') {
        vk = static_cast<WORD>(VK_NUMPAD0 + (name[6] - '0'));
        return true;
    }
    if (name.rfind("0x", 0) == 0 && ParseUnsigned(name, number) && number > 0 && number < 0x100) {
        vk = static_cast<WORD>(number);
        return true;
    }
    return false;
}

void SendKey(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, 0));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
    Sleep(20);  // lets the target's thread retrieve each event in turn
}

void TapKey(WORD vk) {
    SendKey(vk, false);
    SendKey(vk, true);
}

// Types a keys: text (syntax in the header comment). Returns false on a
// malformed text, having typed what came before the fault.
bool TypeKeys(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if ((c == '{' || c == '}') && i + 1 < text.size() && text[i + 1] == c) {
            ++i;
        } else if (c == '{') {
            size_t close = text.find('}', i);
            if (close == std::string::npos) return false;
            std::string item = text.substr(i + 1, close - i - 1);
            i = close;
            std::string name = item, mode;
            size_t blank = item.find(' ');
            if (blank != std::string::npos) { name = item.substr(0, blank); mode = item.substr(blank + 1); }
            if (lstrcmpiA(name.c_str(), "WAIT") == 0) {
                unsigned long ms = 0;
                if (!ParseUnsigned(mode, ms)) return false;
                Sleep(static_cast<DWORD>(ms));
                continue;
            }
            WORD vk = 0;
            if (!LookUpKey(name, vk)) return false;
            if (mode.empty()) TapKey(vk);
            else if (lstrcmpiA(mode.c_str(), "down") == 0) SendKey(vk, false);
            else if (lstrcmpiA(mode.c_str(), "up") == 0) SendKey(vk, true);
            else return false;
            continue;
        } else if (c == '}') {
            return false;
        }
        SHORT scan = VkKeyScanA(c);
        if (scan == -1) return false;
        WORD vk = LOBYTE(scan);
        bool shift = (HIBYTE(scan) & 1) != 0;
        if (shift) SendKey(VK_SHIFT, false);
        TapKey(vk);
        if (shift) SendKey(VK_SHIFT, true);
    }
    return true;
}

void Act(HWND window, const Answer& answer) {
    switch (answer.kind) {
    case ActionKind::Button: {
        HWND button = GetDlgItem(window, static_cast<int>(answer.buttonId));
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(answer.buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        break;
    }
    case ActionKind::Enter: TapKey(VK_RETURN); break;
    case ActionKind::Escape: TapKey(VK_ESCAPE); break;
    case ActionKind::Keys:
        if (!TypeKeys(answer.keys)) Print("robot: bad keys text: " + answer.keys);
        break;
    case ActionKind::None: break;
    }
}

// ---------------------------------------------------------------------------
// Reading windows.

std::string ClassOf(HWND window) {
    char name[256] = {};
    if (window) GetClassNameA(window, name, sizeof name);
    return name;
}

std::string CaptionOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The text of a window of another process. WM_GETTEXT reaches the window's
// own procedure (an edit control keeps its text there); a window whose
// thread does not answer in time falls back to the text the system keeps.
std::string TextOf(HWND window) {
    char text[4096] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG | SMTO_BLOCK, 500, &copied)) {
        text[0] = '\0';
        GetWindowTextA(window, text, sizeof text);
    }
    text[sizeof text - 1] = '\0';
    return text;
}

struct ChildList {
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<ChildList*>(param)->windows.push_back(window);
    return TRUE;
}

// Returns false when the window vanished while being read.
bool ReportWindow(HWND window) {
    if (!IsWindow(window)) return false;
    DWORD threadId = GetWindowThreadProcessId(window, nullptr);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND focus = GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;

    std::string line = "window class=\"" + Escape(ClassOf(window)) + "\" caption=\"" + Escape(TextOf(window)) +
                       "\" visible=" + (IsWindowVisible(window) ? "1" : "0") +
                       " foreground=" + (GetForegroundWindow() == window ? "1" : "0") +
                       " owner=\"" + Escape(ClassOf(GetWindow(window, GW_OWNER))) + "\"";
    ChildList children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::vector<std::string> lines{line};
    for (HWND child : children.windows) {
        char id[16];
        std::snprintf(id, sizeof id, "%lu", static_cast<unsigned long>(GetWindowLongPtrA(child, GWLP_ID) & 0xFFFFFFFFu));
        lines.push_back(std::string("  control id=") + id + " class=\"" + Escape(ClassOf(child)) + "\" text=\"" +
                        Escape(TextOf(child)) + "\" visible=" + (IsWindowVisible(child) ? "1" : "0") +
                        " focus=" + (child == focus ? "1" : "0"));
    }
    for (const std::string& text : lines) Print(text);
    return true;
}

struct Tracked {
    HWND window;
    DWORD firstSeen;
    std::string firstClass;
    std::string firstCaption;  // read without sending a message
    bool reportedHidden = false;
    bool reportedVisible = false;
    bool alive = true;
};

struct Scan {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    Scan* scan = reinterpret_cast<Scan*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == scan->processId) scan->found.push_back(window);
    return TRUE;
}

struct ClassSearch {
    const char* name;
    bool found = false;
};

BOOL CALLBACK FindClass(HWND window, LPARAM param) {
    ClassSearch* search = reinterpret_cast<ClassSearch*>(param);
    if (lstrcmpiA(ClassOf(window).c_str(), search->name) == 0) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

struct Options {
    std::vector<Answer> answers;
    Answer fallback;
    DWORD timeoutMs = 60000;
    std::string cwd;
    std::vector<std::string> reportClasses;
    std::vector<std::string> ignoreClasses;
    std::string childCommandLine;
};

// Follows the top-level windows of one process: reports each once it has
// settled and answers the visible ones in order.
class Watcher {
public:
    Watcher(const Options& options, DWORD processId)
        : options_(options), processId_(processId), started_(GetTickCount()) {}

    bool TimeIsUp() const { return GetTickCount() - started_ >= options_.timeoutMs; }

    void Poll() {
        Scan scan{processId_, {}};
        EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&scan));
        for (Tracked& entry : tracked_) entry.alive = false;
        for (HWND window : scan.found) {
            bool known = false;
            for (Tracked& entry : tracked_) {
                if (entry.window == window) entry.alive = known = true;
            }
            if (!known && !Ignored(window)) {
                tracked_.push_back(Tracked{window, GetTickCount(), ClassOf(window), CaptionOf(window)});
            }
        }
        ForgetVanished();
        // Hidden windows first: a hidden owner and the box it owns, first
        // seen in the same scan, are then reported owner first, before the
        // answer closes both.
        ServeDue(false);
        ServeDue(true);
    }

private:
    bool Ignored(HWND window) const {
        std::string name = ClassOf(window);
        for (const std::string& ignored : options_.ignoreClasses) {
            if (lstrcmpiA(ignored.c_str(), name.c_str()) == 0) return true;
        }
        return false;
    }

    // A handle may be reused by a later window, so a vanished one is dropped.
    void ForgetVanished() {
        for (size_t k = tracked_.size(); k-- > 0;) {
            const Tracked& entry = tracked_[k];
            if (entry.alive) continue;
            if (!entry.reportedHidden && !entry.reportedVisible) ReportGone(entry);
            tracked_.erase(tracked_.begin() + static_cast<std::ptrdiff_t>(k));
        }
    }

    static void ReportGone(const Tracked& entry) {
        Print("window class=\"" + Escape(entry.firstClass) + "\" caption=\"" + Escape(entry.firstCaption) +
              "\" visible=0 foreground=0 owner=\"\"");
        Print("gone");
    }

    void ServeDue(bool visiblePass) {
        for (Tracked& entry : tracked_) {
            if (entry.reportedVisible || GetTickCount() - entry.firstSeen < kSettleMs) continue;
            bool visible = IsWindowVisible(entry.window) != FALSE;
            if (visible != visiblePass || (!visible && entry.reportedHidden)) continue;
            (visible ? entry.reportedVisible : entry.reportedHidden) = true;
            if (!ReportWindow(entry.window)) {
                ReportGone(entry);
                continue;
            }
            if (visible) Respond(entry.window);
        }
    }

    void Respond(HWND window) {
        const Answer& answer =
            nextAnswer_ < options_.answers.size() ? options_.answers[nextAnswer_++] : options_.fallback;
        for (DWORD waited = 0; waited < answer.waitMs && !TimeIsUp(); waited += kPollMs) Sleep(kPollMs);
        while (!answer.untilFile.empty() && !TimeIsUp() &&
               GetFileAttributesA(answer.untilFile.c_str()) == INVALID_FILE_ATTRIBUTES)
            Sleep(kPollMs);
        Print("answer " + answer.spec);
        Act(window, answer);
    }

    const Options& options_;
    DWORD processId_;
    DWORD started_;
    size_t nextAnswer_ = 0;
    std::vector<Tracked> tracked_;
};

int Usage(const std::string& problem) {
    Print("robot: " + problem);
    Print("robot: usage: robot.exe [--answer SPEC] [--default SPEC] [--timeout MS] [--cwd DIR] "
          "[--report-class NAME] [--ignore-class NAME] -- PROGRAM [ARGUMENTS...]");
    return 2;
}

// Fills options from the raw command line; returns an empty text or the fault.
std::string ParseOptions(const char* raw, Options& options) {
    ParseAnswer("enter", options.fallback);
    std::vector<Token> tokens = SplitCommandLine(raw);
    size_t i = 1;
    for (; i < tokens.size(); ++i) {
        std::string name = tokens[i].text;
        if (name == "--") break;
        std::string value;
        size_t equals = name.find('=');
        if (name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        } else if (i + 1 < tokens.size()) {
            value = tokens[++i].text;
        } else {
            return "option " + name + " needs a value";
        }
        unsigned long number = 0;
        if (name == "--answer" || name == "--default") {
            Answer answer;
            if (!ParseAnswer(value, answer)) return "bad answer: " + value;
            if (name == "--answer") options.answers.push_back(answer);
            else options.fallback = answer;
        } else if (name == "--timeout") {
            if (!ParseUnsigned(value, number)) return "bad timeout: " + value;
            options.timeoutMs = static_cast<DWORD>(number);
        } else if (name == "--cwd") {
            options.cwd = WindowsPath(value);
        } else if (name == "--report-class") {
            options.reportClasses.push_back(value);
        } else if (name == "--ignore-class") {
            options.ignoreClasses.push_back(value);
        } else {
            return "unknown option: " + name;
        }
    }
    if (i + 1 >= tokens.size()) return "no program after --";

    // The tail of the raw line, from the program token on.
    size_t start = tokens[i].end;
    while (raw[start] == ' ' || raw[start] == '\t') ++start;
    const Token& program = tokens[i + 1];
    std::string rest = raw + program.end;
    if (!program.text.empty() && program.text[0] == '/') {
        std::string path = WindowsPath(program.text);
        if (path.find(' ') != std::string::npos) path = "\"" + path + "\"";
        options.childCommandLine = path + rest;
    } else {
        options.childCommandLine = std::string(raw + start);
    }
    return "";
}

}  // namespace

int main() {
    Options options;
    std::string problem = ParseOptions(GetCommandLineA(), options);
    if (!problem.empty()) return Usage(problem);

    // A job holds the program and whatever it starts, so that a timeout ends
    // the whole tree (a hung installer too). Without a job only the program
    // itself is ended.
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::vector<char> commandLine(options.childCommandLine.begin(), options.childCommandLine.end());
    commandLine.push_back('\0');
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        options.cwd.empty() ? nullptr : options.cwd.c_str(), &startup, &process)) {
        char code[16];
        std::snprintf(code, sizeof code, "%lu", GetLastError());
        Print("robot: cannot start: " + options.childCommandLine + " (error " + code + ")");
        return 2;
    }
    if (job && !AssignProcessToJobObject(job, process.hProcess)) {
        CloseHandle(job);
        job = nullptr;
    }
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);

    Watcher watcher(options, process.dwProcessId);
    bool timedOut = false;
    while (WaitForSingleObject(process.hProcess, kPollMs) != WAIT_OBJECT_0) {
        if (watcher.TimeIsUp()) {
            timedOut = true;
            break;
        }
        watcher.Poll();
    }

    if (timedOut) {
        Print("robot: timeout");
        if (job) TerminateJobObject(job, kTimeoutExitCode);
        else TerminateProcess(process.hProcess, kTimeoutExitCode);
        WaitForSingleObject(process.hProcess, 5000);
    }

    for (const std::string& name : options.reportClasses) {
        ClassSearch search{name.c_str()};
        EnumWindows(FindClass, reinterpret_cast<LPARAM>(&search));
        Print("class " + name + " exists=" + (search.found ? "1" : "0"));
    }

    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    char code[16];
    std::snprintf(code, sizeof code, "%lu", static_cast<unsigned long>(exitCode));
    Print(std::string("exit code=") + code);
    CloseHandle(process.hProcess);
    if (job) CloseHandle(job);
    return 0;
}
