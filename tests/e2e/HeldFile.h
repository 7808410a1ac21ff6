#pragma once
// Another Windows process that holds a file open with no sharing while a
// test runs (tests/tools/hold_file.exe, started in the background under the
// same prefix, so the wineserver applies the sharing rules between them).
// The destructor ends the process and waits until it is gone, so the file
// is free again when the test goes on.

#include <string>

namespace vl::e2e {

class HeldFile {
public:
    // Starts the holder on unixPath (an existing file) and waits, at most
    // ten seconds, until it reports that it holds the file. The holder ends
    // by itself after `milliseconds` at the latest.
    explicit HeldFile(const std::string& unixPath, unsigned milliseconds = 30000);
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    ~HeldFile();

    // True once the holder has printed that it holds the file.
    bool Holding() const { return holding_; }
    // What the holder printed so far (for assertion messages).
    const std::string& Output() const { return output_; }

private:
    long pid_ = 0;
    bool holding_ = false;
    std::string output_;
    std::string outputFile_;
};

}  // namespace vl::e2e
