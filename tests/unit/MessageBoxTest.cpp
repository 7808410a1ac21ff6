#include <gtest/gtest.h>

#include "TestSupport.h"

namespace vl::test {
namespace {

using ErrorBox = BootstrapperTest;

TEST_F(ErrorBox, NumberedTextFromTheModule) {
    InstallationBootstrapper b(fake.platform, nullptr);
    ASSERT_EQ(b.LoadResources(), 0u);
    b.ShowErrorMessage(7, "C:\\x\\s.ini");
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].caption, "Veltrane Installation Error");
    EXPECT_EQ(fake.ui.boxes[0].text, "The file \"C:\\x\\s.ini\" could not be found.");
    EXPECT_EQ(fake.ui.boxes[0].type, 0x30u | 0x10000u);
}

TEST_F(ErrorBox, FallbacksForAMissingStringAndProductName) {
    InstallationBootstrapper b(fake.platform, nullptr);
    ASSERT_EQ(b.LoadResources(), 0u);
    fake.modules.loaded.begin()->second.strings.erase(1);
    b.productName.Assign("Lectra");
    b.ShowErrorMessage(42);
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].caption, "Lectra Setup Package Error");
    EXPECT_EQ(fake.ui.boxes[0].text, "There was an error during the installation process.");
}

TEST_F(ErrorBox, HostileModuleStrings) {
    InstallationBootstrapper b(fake.platform, nullptr);
    ASSERT_EQ(b.LoadResources(), 0u);
    auto& strings = fake.modules.loaded.begin()->second.strings;
    strings[1] = std::string(4000, 'c');
    strings[7] = "%s %s %d %I64d %n %x " + std::string(4000, 't');
    b.ShowErrorMessage(7, "p");
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].caption, std::string(98, 'c'));
    EXPECT_LE(fake.ui.boxes[0].text.size(), 998u) << "format read with 999 at most";
    EXPECT_EQ(fake.ui.boxes[0].text.substr(0, 10), "p    n  tt");
}

TEST_F(ErrorBox, SilentModeShowsNothing) {
    InstallationBootstrapper b(fake.platform, "/Type silent");
    ASSERT_EQ(b.LoadResources(), 0u);
    b.ShowErrorMessage(7, "x");
    EXPECT_TRUE(fake.ui.boxes.empty());
    for (const auto& call : fake.ui.calls) EXPECT_NE(call, "MessageBox");
}

TEST_F(ErrorBox, EachBoxHasItsOwnHiddenOwner) {
    InstallationBootstrapper b(fake.platform, nullptr);
    b.ShowErrorMessage(3);
    b.ShowErrorMessage(3);
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_NE(fake.ui.boxes[0].owner, 0u);
    EXPECT_NE(fake.ui.boxes[0].owner, fake.ui.boxes[1].owner);
    EXPECT_TRUE(fake.ui.windows.empty());
    EXPECT_TRUE(fake.ui.classes.empty());
    const std::vector<std::string> oneBox = {
        "RegisterClass VLInstallationUtility_HiddenWnd",
        "CreateWindow VLInstallationUtility_HiddenWnd style=134217728",
        "AttachThreadInput 77 11",
        "SetForegroundWindow " + std::to_string(fake.ui.boxes[0].owner),
        "DetachThreadInput 77 11",
        "MessageBox",
        "DestroyWindow",
        "UnregisterClass VLInstallationUtility_HiddenWnd"};
    EXPECT_EQ(std::vector<std::string>(fake.ui.calls.begin() + 1, fake.ui.calls.begin() + 9), oneBox);
}

TEST(MessageBox, WithoutAHiddenOwnerTheBoxStillShows) {
    fake::FakePlatform fake;
    fake.ui.createFails = true;
    InstallationUtility utility(fake.platform);
    fake.ui.answers = {2};
    EXPECT_EQ(utility.ShowMessageBox({}, "t", "c", 1), 2);
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].owner, 0u);
    EXPECT_EQ(fake.ui.boxes[0].type, 0x10001u);
}

TEST(MessageBox, GivenOwnerIsUsedAsItIs) {
    fake::FakePlatform fake;
    InstallationUtility utility(fake.platform);
    EXPECT_EQ(utility.ShowMessageBox(platform::WindowHandle{0x42}, "t", "c", 0), 1);
    EXPECT_EQ(fake.ui.calls, (std::vector<std::string>{"MessageBox"}));
}

struct ForegroundCase {
    const char* name;
    std::uint32_t platformId, major, minor;
    std::vector<std::string> calls;
};
inline void PrintTo(const ForegroundCase& c, std::ostream* os) { *os << c.name; }

class Foreground : public ::testing::TestWithParam<ForegroundCase> {};

TEST_P(Foreground, StrategyByVersion) {
    fake::FakePlatform fake;
    fake.system.version.platformId = GetParam().platformId;
    fake.system.version.majorVersion = GetParam().major;
    fake.system.version.minorVersion = GetParam().minor;
    fake.ui.windows.insert(0x42);
    InstallationUtility utility(fake.platform);
    EXPECT_TRUE(utility.ForceForegroundWindow(platform::WindowHandle{0x42}));
    EXPECT_EQ(fake.ui.calls, GetParam().calls);
    EXPECT_EQ(fake.ui.foregroundLockTimeout, 200000u) << "time-out restored";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Foreground,
    ::testing::Values(
        ForegroundCase{"Windows95", 1, 4, 0, {"SetForegroundWindow 66"}},
        ForegroundCase{"Windows98", 1, 4, 10,
                       {"GetForegroundLockTimeout", "SetForegroundLockTimeout 0", "SetForegroundWindow 66",
                        "SetForegroundLockTimeout 200000"}},
        ForegroundCase{"WindowsXP", 2, 5, 1,
                       {"AttachThreadInput 77 11", "SetForegroundWindow 66", "DetachThreadInput 77 11"}},
        ForegroundCase{"Windows10", 2, 10, 0,
                       {"AttachThreadInput 77 11", "SetForegroundWindow 66", "DetachThreadInput 77 11"}},
        ForegroundCase{"WindowsNT4", 2, 4, 0, {"SetForegroundWindow 66"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vl::test
