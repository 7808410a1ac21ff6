// bench_settings: how long the bootstrapper takes to read a large settings
// file, measured natively on the portable code with the in-memory file
// system (no disk, so the figures are the reader's own cost).
//
//   bench_settings [megabytes] [runs]      defaults: 50 and 5
//
// The file holds filler sections of about 1 KB, each with the keys of a
// setup type, and the [default] section last. Each step runs `runs` times;
// one line per step gives the fastest and the median run in milliseconds:
//   load            LoadIniFile: the bytes read through the file system
//   parse           IniDocument: the bytes parsed into sections
//   SetListSection  the whole setup-type read of a bootstrapper run (it
//                   loads and parses the file itself)
// followed by the values read (to show the end of the file was reached) and
// the process's peak resident memory.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "core/InstallationBootstrapper.h"
#include "core/ProcessState.h"
#include "settings/IniReader.h"

namespace {

std::string LargeSettings(std::size_t bytes) {
    std::string text;
    text.reserve(bytes + 2048);
    const std::string pad(1000, 'x');
    for (int i = 0; text.size() < bytes; ++i)
        text += "[Filler" + std::to_string(i) + "]\r\nPreInstall=Wrong\r\nName=Wrong\r\nReqOS=0\r\nPad=" + pad + "\r\n";
    text += "[default]\r\nName=Last\r\nPreInstall=End1|End2\r\nReqOS=6.1\r\n";
    return text;
}

void Measure(const char* step, int runs, const std::function<void()>& body) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        body();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-15s fastest %8.1f ms   median %8.1f ms\n", step, ms.front(), ms[ms.size() / 2]);
}

}  // namespace

int main(int argc, char** argv) {
    const long megabytes = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 50;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const std::string path = "C:\\pkg\\large.ini";

    vl::fake::FakePlatform fake;
    fake.files.AddFile(path, LargeSettings(static_cast<std::size_t>(megabytes) * 1024 * 1024));
    std::printf("settings file: %zu bytes, %d runs per step\n", fake.files.Bytes(path).size(), runs);

    std::string bytes;
    Measure("load", runs, [&] {
        if (!vl::LoadIniFile(fake.files, path.c_str(), bytes)) std::exit(1);
    });
    Measure("parse", runs, [&] { vl::IniDocument parsed(bytes, fake.text); });

    // The executable's own resources are not needed: the file is named by
    // /ReplaceSettings and read in place.
    const std::string commandLine = "/ReplaceSettings " + path;
    std::string preInstall, name, reqOS;
    Measure("SetListSection", runs, [&] {
        vl::Process().Reset();
        vl::InstallationBootstrapper b(fake.platform, commandLine.c_str());
        b.settingsFilePath.Assign(path.c_str());
        if (b.SetListSection() != 0) std::exit(1);
        preInstall = b.listSection.preInstall.c_str();
        name = b.listSection.listName.c_str();
        reqOS = b.listSection.reqOS.c_str();
    });
    std::printf("read: PreInstall=%s Name=%s ReqOS=%s\n", preInstall.c_str(), name.c_str(), reqOS.c_str());

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %ld MB\n", usage.ru_maxrss / 1024);
    return preInstall == "End1|End2" ? 0 : 1;
}
