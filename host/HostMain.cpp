// RavelinHost.exe: plays the monitoring client. Loads Ravelin.dll, opens a simulated recorder
// and calls an entry on the main thread, while a driver thread does what the options ask of
// the window; or writes or restores a configuration file without a window.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "host/HostOptions.h"
#include "host/RavelinLibrary.h"
#include "host/SimulatedRecorder.h"
#include "host/WideText.h"
#include "host/WindowDriver.h"
#include "sim/SimApi.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int Fail(const std::string& message) {
    std::fprintf(stderr, "RavelinHost: %s\n", message.c_str());
    return kExitFailure;
}

std::filesystem::path PathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// What the library says of the last export or import, in the options' language.
std::string ConfigMessage(const host::HostOptions& options, host::RavelinLibrary& library) {
    const std::uint32_t window = options.language();  // as the window entries take it
    const std::int32_t language = window == RAVELIN_LANGUAGE_CHINESE ? RAVELIN_MESSAGE_CHINESE
                                  : window == RAVELIN_LANGUAGE_PORTUGUESE
                                      ? RAVELIN_MESSAGE_PORTUGUESE
                                      : RAVELIN_MESSAGE_ENGLISH;
    const std::int32_t length = library.configMessage()(language, nullptr, 0);
    std::wstring text(std::size_t(length) + 1, L'\0');
    library.configMessage()(language, text.data(), length + 1);
    text.resize(std::size_t(length));
    return host::Utf8FromWide(text);
}

// A back-up, a restore or a check of one without a window: the library's message is printed,
// which names the record and field of a refused file, and after a check each field that would
// change.
int TransferFile(const host::HostOptions& options, host::RavelinLibrary& library,
                 const host::SimulatedRecorder& recorder) {
    const bool import = options.importPath().has_value();
    const std::wstring path =
        host::WideFromUtf8(import ? *options.importPath() : *options.exportPath());
    const std::int32_t user =
        options.user() ? zsimUserId(options.user()->c_str()) : RAVELIN_ALL_RIGHTS;
    const std::uint32_t importFlags = (options.clone() ? RAVELIN_IMPORT_CLONE : 0u) |
                                      (options.dryRun() ? RAVELIN_IMPORT_CHECK_ONLY : 0u);
    const std::int32_t result =
        import ? library.importConfig()(recorder.handle(), path.c_str(), user, importFlags)
               : library.exportConfig()(recorder.handle(), path.c_str(), user,
                                        options.secrets() ? RAVELIN_EXPORT_SECRETS : 0u);
    const std::string text = ConfigMessage(options, library);
    if (result < 0)
        return Fail(text);
    std::printf("%s\n", text.c_str());
    return kExitOk;
}

// What the driver thread does with the window, from the options.
host::WindowDriver::Plan PlanOf(const host::HostOptions& options) {
    host::WindowDriver::Plan plan;
    if (options.page())
        plan.page = host::WideFromUtf8(*options.page());
    plan.press = options.press();
    plan.dropDown = options.dropDown();
    plan.dropDownTop = options.dropDownTop();
    if (options.windowImportPath())
        plan.windowImport = PathFromUtf8(*options.windowImportPath());
    plan.closeAfterMs = options.closeAfterMs();
    if (options.screenshot())
        plan.screenshot = PathFromUtf8(*options.screenshot());
    if (options.progressScreenshot())
        plan.progressScreenshot = PathFromUtf8(*options.progressScreenshot());
    plan.systemMenu = options.systemMenu();
    plan.importPicture = options.importPicture();
    if (options.closingScreenshot())
        plan.closingScreenshot = PathFromUtf8(*options.closingScreenshot());
    return plan;
}

// A configuration session on the main thread, as a client runs it, while the driver thread
// does what the options ask of the window; the pictures taken are printed.
int RunWindow(const host::HostOptions& options, host::RavelinLibrary& library,
              const host::SimulatedRecorder& recorder) {
    const host::WindowDriver::Plan plan = PlanOf(options);
    host::WindowDriver driver(plan);
    if (options.user()) {
        library.initConfigEx()(recorder.handle(), options.language(), 0,
                               zsimUserId(options.user()->c_str()));
    } else {
        library.initConfig()(recorder.handle(), options.language());
    }
    driver.Stop();

    if (options.progressScreenshot() && driver.progressScreenshotSaved())
        std::printf("%s\n", options.progressScreenshot()->c_str());
    if (options.screenshot() && driver.screenshotSaved())
        std::printf("%s\n", options.screenshot()->c_str());
    if (options.closingScreenshot() && driver.closingScreenshotSaved())
        std::printf("%s\n", options.closingScreenshot()->c_str());
    if (driver.failed())
        return kExitFailure;
    // A window that never came up left the page, the screenshot or the close undone.
    if (!driver.windowSeen() && (plan.page || plan.closeAfterMs))
        return Fail("the configuration window did not come up");
    if (options.screenshot() && !driver.screenshotSaved())
        return Fail("the window closed before the screenshot");
    if (options.closingScreenshot() && !driver.closingScreenshotSaved())
        return Fail("closing asked nothing to take a picture of");
    if (options.progressScreenshot() && !driver.progressScreenshotSaved())
        return Fail("no picture of the progress window");
    return kExitOk;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(host::Utf8FromWide(argv[i]));
    const auto knownUser = [](const std::string& name) { return zsimUserId(name.c_str()) >= 0; };
    const host::HostOptions options = host::HostOptions::Parse(args, knownUser);
    if (options.action() == host::HostOptions::Action::ShowHelp) {
        std::fputs(host::HostOptions::HelpText().c_str(), stdout);
        return kExitOk;
    }
    if (options.action() == host::HostOptions::Action::Refuse) {
        std::fprintf(stderr, "RavelinHost: %s (try --help)\n", options.error().c_str());
        return kExitUsage;
    }

    host::RavelinLibrary library;
    host::SimulatedRecorder recorder;
    std::string error;
    if (!library.Load(error) || !recorder.Open(options.statePath(), error))
        return Fail(error);
    if (options.channels() && !recorder.SetChannels(*options.channels(), error))
        return Fail(error);
    if (options.latencyMs() && !recorder.SetLatency(*options.latencyMs(), error))
        return Fail(error);
    if (options.failFunction() && !recorder.FailAlways(*options.failFunction(), error))
        return Fail(error);

    if (options.exportPath() || options.importPath())
        return TransferFile(options, library, recorder);
    return RunWindow(options, library, recorder);
}
