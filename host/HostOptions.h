// The demo host's command line: what to open, how to shape the recorder and what to do with
// the configuration window once it is up, or which configuration file to write or restore
// without a window. Portable, so that it is tested natively.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace host {

class HostOptions {
  public:
    enum class Action { Run, ShowHelp, Refuse };

    // Tells whether the simulator knows a rights profile by this name.
    using UserCheck = std::function<bool(const std::string& name)>;

    // The names the simulator's rights profiles go by, as the help and the messages list them.
    static const char* const kUserNames;
    // What the window waits before the screenshot when only --screenshot is given.
    static constexpr int kDefaultScreenshotDelayMs = 1500;

    // Reads the arguments after the program name (UTF-8). The first bad one stops the reading:
    // action() is then Refuse and error() says why in one line.
    static HostOptions Parse(const std::vector<std::string>& args, const UserCheck& knownUser);
    static std::string HelpText();

    Action action() const { return action_; }
    const std::string& error() const { return error_; }

    // The entries' language number: 0 Simplified Chinese, 2 English, 3 Portuguese.
    std::uint32_t language() const { return language_; }
    const std::optional<std::string>& user() const { return user_; }
    const std::optional<int>& channels() const { return channels_; }
    // The configuration file the recorder starts from and keeps its changes in; empty: the
    // default recorder, kept in memory only.
    const std::string& statePath() const { return statePath_; }
    const std::optional<int>& latencyMs() const { return latencyMs_; }
    const std::optional<std::string>& page() const { return page_; }
    // Buttons to click in turn once the page is shown: the first on the page, each next one
    // on the dialog the click before opened.
    const std::vector<int>& press() const { return press_; }
    const std::optional<int>& dropDown() const { return dropDown_; }
    // The entry the open list shows at its top, when given.
    const std::optional<int>& dropDownTop() const { return dropDownTop_; }
    const std::optional<std::string>& screenshot() const { return screenshot_; }
    // A picture of the progress window shown while a slow recorder is read.
    const std::optional<std::string>& progressScreenshot() const { return progressScreenshot_; }
    // A picture of the question closing raises when pages hold edits not sent.
    const std::optional<std::string>& closingScreenshot() const { return closingScreenshot_; }
    // Import a file through the window's system menu before the screenshot.
    const std::optional<std::string>& windowImportPath() const { return windowImportPath_; }
    // When the host closes the window after it is up; empty: the operator closes it.
    std::optional<int> closeAfterMs() const;

    // Without a window: write the recorder's configuration into a file, or restore it.
    const std::optional<std::string>& exportPath() const { return exportPath_; }
    const std::optional<std::string>& importPath() const { return importPath_; }
    // Import: take the file's network identity, DVR number and channel names too.
    bool clone() const { return clone_; }
    // Import: only check, printing what would change, field by field.
    bool dryRun() const { return dryRun_; }
    // A device function of the recorder that fails on every call.
    const std::optional<std::string>& failFunction() const { return failFunction_; }
    // Which box of --window-import the screenshot shows: the question about unsaved changes,
    // the preview of what the file changes, or the message at the end.
    enum class ImportPicture { Question, Preview, Message };
    ImportPicture importPicture() const { return importPicture_; }
    // The window's system menu is open in the screenshot.
    bool systemMenu() const { return systemMenu_; }
    // Export: write the passwords too.
    bool secrets() const { return secrets_; }

  private:
    bool Apply(const std::string& name, const std::string& value, const UserCheck& knownUser);
    bool Refuse(std::string message);
    // The combinations the options cannot take, once all are read.
    bool CheckCombination(const std::vector<std::string>& given);

    Action action_ = Action::Run;
    std::string error_;
    std::uint32_t language_ = 2;
    std::optional<std::string> user_;
    std::optional<int> channels_;
    std::string statePath_;
    std::optional<int> latencyMs_;
    std::optional<std::string> page_;
    std::vector<int> press_;
    std::optional<int> dropDown_;
    std::optional<int> dropDownTop_;
    std::optional<std::string> screenshot_;
    std::optional<std::string> progressScreenshot_;
    std::optional<std::string> closingScreenshot_;
    std::optional<std::string> windowImportPath_;
    std::optional<int> closeAfterMs_;
    std::optional<std::string> exportPath_;
    std::optional<std::string> importPath_;
    bool clone_ = false;
    bool dryRun_ = false;
    std::optional<std::string> failFunction_;
    ImportPicture importPicture_ = ImportPicture::Message;
    bool systemMenu_ = false;
    bool secrets_ = false;
};

}  // namespace host
