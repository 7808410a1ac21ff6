#pragma once
// A test with a fresh folder of its own holding a copy of a package as
// setup.exe; the folder is removed afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "Wine.h"

namespace vl::e2e {

class PackageTest : public ::testing::Test {
protected:
    void SetUp() override { UsePackage("package/InstallationBootstrapper.exe"); }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Puts the package built at `relative` (in the Windows build folder) in place.
    void UsePackage(const std::string& relative) {
        folder = MakeTestFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        exe = folder + "/setup.exe";
        std::filesystem::copy_file(Win32File(relative), exe,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    std::string Log() const { return ReadFile(folder + "/VL_Setup_Package.log"); }

    std::string folder;
    std::string exe;
};

}  // namespace vl::e2e
