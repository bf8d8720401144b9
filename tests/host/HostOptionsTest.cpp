// The demo host's command line: accepted values, the refusals and their messages, help.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "host/HostOptions.h"

namespace {

using host::HostOptions;
using Args = std::vector<std::string>;

HostOptions Parse(const Args& args) {
    return HostOptions::Parse(args, [](const std::string& name) {
        return name == "admin" || name == "no-network" || name == "no-info" || name == "guest";
    });
}

// The language of the entry, English by default; the window closes on its own only when asked
// to or after a screenshot.
TEST(HostOptions, test_options_accepted_give_the_entry_language_and_the_close_time) {
    const struct {
        Args args;
        std::uint32_t language;
        std::optional<int> closeAfterMs;
    } rows[] = {
        {{}, 2, std::nullopt},
        {{"--lang", "zh"}, 0, std::nullopt},
        {{"--lang", "en", "--page", "Hdd Info"}, 2, std::nullopt},
        {{"--lang", "pt"}, 3, std::nullopt},
        {{"--lang=pt", "--screenshot", "a.png"}, 3, HostOptions::kDefaultScreenshotDelayMs},
        {{"--screenshot", "a.png", "--close-after-ms", "800"}, 2, 800},
        {{"--closing-screenshot", "q.png"}, 2, HostOptions::kDefaultScreenshotDelayMs},
        // The ends of the ranges are accepted.
        {{"--channels", "0", "--latency", "10000", "--close-after-ms", "3600000"}, 2, 3600000},
        {{"--channels", "16", "--latency", "0", "--close-after-ms", "0"}, 2, 0},
        {{"--channels", "007"}, 2, std::nullopt}};
    for (const auto& row : rows) {
        const HostOptions options = Parse(row.args);
        EXPECT_EQ(options.action(), HostOptions::Action::Run) << options.error();
        EXPECT_EQ(options.language(), row.language) << testing::PrintToString(row.args);
        EXPECT_EQ(options.closeAfterMs(), row.closeAfterMs) << testing::PrintToString(row.args);
    }
}

TEST(HostOptions, test_options_values_are_kept_as_given) {
    const HostOptions options = Parse({"--user",
                                       "guest",
                                       "--channels",
                                       "16",
                                       "--state",
                                       "/tmp/rec ö.bin",
                                       "--latency",
                                       "10000",
                                       "--page",
                                       "Discos rígidos",
                                       "--press",
                                       "1176,1184",
                                       "--screenshot",
                                       "shot.png",
                                       "--progress-screenshot",
                                       "wait.png",
                                       "--close-after-ms=0",
                                       "--closing-screenshot",
                                       "ask.png",
                                       "--system-menu"});
    ASSERT_EQ(options.action(), HostOptions::Action::Run) << options.error();
    EXPECT_TRUE(options.systemMenu());
    EXPECT_EQ(options.user().value_or(""), "guest");
    EXPECT_EQ(options.channels().value_or(-1), 16);
    EXPECT_EQ(options.statePath(), "/tmp/rec ö.bin");
    EXPECT_EQ(options.latencyMs().value_or(-1), 10000);
    EXPECT_EQ(options.page().value_or(""), "Discos rígidos");
    EXPECT_EQ(options.press(), (std::vector<int>{1176, 1184}));
    EXPECT_EQ(options.screenshot().value_or(""), "shot.png");
    EXPECT_EQ(options.progressScreenshot().value_or(""), "wait.png");
    EXPECT_EQ(options.closingScreenshot().value_or(""), "ask.png");
    EXPECT_EQ(options.closeAfterMs().value_or(-1), 0);
}

TEST(HostOptions, test_options_bad_arguments_are_refused_with_one_line) {
    const struct {
        Args args;
        std::string message;
    } rows[] = {
        {{"--bogus"}, "unknown option --bogus"},
        {{"stray"}, "unexpected argument \"stray\""},
        {{"--lang"}, "--lang needs a value"},
        {{"--lang", "fr"}, "--lang wants zh, en or pt, not \"fr\""},
        {{"--lang", "EN"}, "--lang wants zh, en or pt, not \"EN\""},
        {{"--page", "--lang", "en"}, "--page needs a value"},
        {{"--state="}, "--state needs a value"},
        {{"--screenshot", ""}, "--screenshot needs a value"},
        {{"--channels", "17"}, "--channels 17 is outside 0 to 16"},
        {{"--channels", "3x"}, "--channels wants a whole number from 0 to 16, not \"3x\""},
        {{"--channels", "+3"}, "--channels wants a whole number from 0 to 16, not \"+3\""},
        {{"--channels", " 3"}, "--channels wants a whole number from 0 to 16, not \" 3\""},
        {{"--latency", "10001"}, "--latency 10001 is outside 0 to 10000"},
        {{"--press", "1168,"},
         "--press wants control ids from 1 to 65535 separated by commas, not \"1168,\""},
        {{"--press", "0"},
         "--press wants control ids from 1 to 65535 separated by commas, not \"0\""},
        {{"--close-after-ms", "99999999999999999999"},
         "--close-after-ms 99999999999999999999 is outside 0 to 3600000"},
        {{"--screenshot", "a.png", "--screenshot=b.png"}, "--screenshot is given twice"},
        {{"--user", "root"},
         "--user: no rights profile \"root\"; the profiles are admin, no-network, no-info, "
         "guest"},
        {{"--help=yes"}, "--help takes no value"},
        {{"--channels", "4", "--bogus", "--help"}, "unknown option --bogus"},
        {{"--export", "a.json", "--import", "b.json"},
         "--export and --import are two runs; give one of them"},
        {{"--export", "a.json", "--clone"}, "--clone goes with --import"},
        {{"--import", "a.json", "--secrets"},
         "--secrets goes with --export (an import restores what the file holds)"},
        {{"--clone=yes", "--import", "a.json"}, "--clone takes no value"},
        {{"--import", "a.json", "--clone", "--clone"}, "--clone is given twice"},
        {{"--export", "a.json", "--page", "Network"},
         "--page needs the window, which --export does not open"},
        {{"--screenshot", "a.png", "--import", "a.json"},
         "--screenshot needs the window, which --import does not open"},
        {{"--system-menu", "--export", "a.json"},
         "--system-menu needs the window, which --export does not open"},
        {{"--dry-run"}, "--dry-run goes with --import"},
        {{"--export", "a.json", "--dry-run"}, "--dry-run goes with --import"},
        {{"--import-picture", "preview"}, "--import-picture goes with --window-import"},
        {{"--window-import", "a.json", "--import-picture", "all"},
         "--import-picture wants question, preview or message, not \"all\""},
        {{"--fail"}, "--fail needs a value"},
    };
    for (const auto& row : rows) {
        const HostOptions options = Parse(row.args);
        EXPECT_EQ(options.action(), HostOptions::Action::Refuse)
            << testing::PrintToString(row.args);
        EXPECT_EQ(options.error(), row.message) << testing::PrintToString(row.args);
        EXPECT_EQ(options.error().find('\n'), std::string::npos);
    }
}

TEST(HostOptions, test_options_help_is_shown_wherever_it_comes_before_an_error) {
    const Args rows[] = {{"--help"}, {"-h"}, {"--lang", "pt", "--help"}, {"--help", "--bogus"}};
    for (const Args& row : rows)
        EXPECT_EQ(Parse(row).action(), HostOptions::Action::ShowHelp)
            << testing::PrintToString(row);
}

}  // namespace

TEST(HostOptions, test_options_configuration_files_without_a_window) {
    const HostOptions exporting =
        Parse({"--export", "backup.json", "--secrets", "--user", "guest"});
    ASSERT_EQ(exporting.action(), HostOptions::Action::Run) << exporting.error();
    EXPECT_EQ(exporting.exportPath().value_or(""), "backup.json");
    EXPECT_FALSE(exporting.importPath());
    EXPECT_TRUE(exporting.secrets());
    EXPECT_FALSE(exporting.clone());

    const HostOptions importing = Parse({"--clone", "--import=other.json", "--state", "r.state"});
    ASSERT_EQ(importing.action(), HostOptions::Action::Run) << importing.error();
    EXPECT_EQ(importing.importPath().value_or(""), "other.json");
    EXPECT_TRUE(importing.clone());
    EXPECT_FALSE(importing.secrets());
    EXPECT_FALSE(importing.dryRun());

    const HostOptions checking =
        Parse({"--import", "other.json", "--dry-run", "--fail", "zelDispSaveMenu"});
    ASSERT_EQ(checking.action(), HostOptions::Action::Run) << checking.error();
    EXPECT_TRUE(checking.dryRun());
    EXPECT_EQ(checking.failFunction().value_or(""), "zelDispSaveMenu");
}

TEST(HostOptions, test_options_window_import_pictures_each_of_its_boxes) {
    using Picture = HostOptions::ImportPicture;
    const struct {
        Args args;
        Picture picture;
    } rows[] = {
        {{"--window-import", "a.json"}, Picture::Message},
        {{"--window-import", "a.json", "--import-picture", "question"}, Picture::Question},
        {{"--window-import", "a.json", "--import-picture=preview"}, Picture::Preview},
        {{"--import-picture", "message", "--window-import", "a.json"}, Picture::Message},
    };
    for (const auto& row : rows) {
        const HostOptions options = Parse(row.args);
        ASSERT_EQ(options.action(), HostOptions::Action::Run) << options.error();
        EXPECT_EQ(options.importPicture(), row.picture) << testing::PrintToString(row.args);
    }
}
