// Reading the demo host's command line.
#include "host/HostOptions.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace host {
namespace {

enum class Kind { Value, Help, Switch };

struct OptionInfo {
    const char* name;
    Kind kind;
};

constexpr OptionInfo kOptions[] = {
    {"--lang", Kind::Value},
    {"--user", Kind::Value},
    {"--channels", Kind::Value},
    {"--state", Kind::Value},
    {"--latency", Kind::Value},
    {"--page", Kind::Value},
    {"--press", Kind::Value},
    {"--drop-down", Kind::Value},
    {"--screenshot", Kind::Value},
    {"--progress-screenshot", Kind::Value},
    {"--close-after-ms", Kind::Value},
    {"--window-import", Kind::Value},
    {"--export", Kind::Value},
    {"--import", Kind::Value},
    {"--clone", Kind::Switch},
    {"--dry-run", Kind::Switch},
    {"--fail", Kind::Value},
    {"--import-picture", Kind::Value},
    {"--secrets", Kind::Switch},
    {"--system-menu", Kind::Switch},
    {"--closing-screenshot", Kind::Value},
    {"--help", Kind::Help},
};

// What only the window does.
constexpr const char* kWindowOptions[] = {"--page",
                                          "--press",
                                          "--drop-down",
                                          "--screenshot",
                                          "--progress-screenshot",
                                          "--close-after-ms",
                                          "--closing-screenshot",
                                          "--window-import",
                                          "--system-menu",
                                          "--import-picture"};

const OptionInfo* FindOption(const std::string& name) {
    for (const OptionInfo& option : kOptions) {
        if (name == option.name)
            return &option;
    }
    return nullptr;
}

// A whole decimal number within [low, high]; an explaining message otherwise.
std::optional<int> ParseNumber(const std::string& name, const std::string& value, int low, int high,
                               std::string& message) {
    long long number = 0;
    const char* end = value.data() + value.size();
    const auto [stop, failure] = std::from_chars(value.data(), end, number);
    const std::string range = std::to_string(low) + " to " + std::to_string(high);
    if (failure == std::errc::result_out_of_range) {
        message = name + " " + value + " is outside " + range;
        return std::nullopt;
    }
    if (failure != std::errc() || stop != end) {
        message = name + " wants a whole number from " + range + ", not \"" + value + "\"";
        return std::nullopt;
    }
    if (number < low || number > high) {
        message = name + " " + value + " is outside " + range;
        return std::nullopt;
    }
    return static_cast<int>(number);
}

}  // namespace

const char* const HostOptions::kUserNames = "admin, no-network, no-info, guest";

HostOptions HostOptions::Parse(const std::vector<std::string>& args, const UserCheck& knownUser) {
    HostOptions options;
    std::set<std::string> seen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (name == "-h")
            name = "--help";
        // --name=value is the same as --name value.
        const std::size_t equals = name.find('=');
        if (name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        const OptionInfo* option = FindOption(name);
        if (!option) {
            const bool looksLikeOption = !name.empty() && name[0] == '-';
            options.Refuse(looksLikeOption ? "unknown option " + name
                                           : "unexpected argument \"" + name + "\"");
            return options;
        }
        if (option->kind != Kind::Value) {
            if (value) {
                options.Refuse(name + " takes no value");
                return options;
            }
            if (option->kind == Kind::Help) {
                options.action_ = Action::ShowHelp;
                return options;
            }
            if (!seen.insert(name).second) {
                options.Refuse(name + " is given twice");
                return options;
            }
            if (name == "--clone")
                options.clone_ = true;
            else if (name == "--dry-run")
                options.dryRun_ = true;
            else if (name == "--secrets")
                options.secrets_ = true;
            else
                options.systemMenu_ = true;
            continue;
        }
        if (!value) {
            // A following option is not taken for a value: "--page --lang en" lacks the caption.
            if (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0)
                value = args[++i];
        }
        if (!value || value->empty()) {
            options.Refuse(name + " needs a value");
            return options;
        }
        if (!seen.insert(name).second) {
            options.Refuse(name + " is given twice");
            return options;
        }
        if (!options.Apply(name, *value, knownUser))
            return options;
    }
    options.CheckCombination({seen.begin(), seen.end()});
    return options;
}

bool HostOptions::CheckCombination(const std::vector<std::string>& given) {
    if (exportPath_ && importPath_)
        return Refuse("--export and --import are two runs; give one of them");
    if (clone_ && !importPath_)
        return Refuse("--clone goes with --import");
    if (dryRun_ && !importPath_)
        return Refuse("--dry-run goes with --import");
    if (std::find(given.begin(), given.end(), "--import-picture") != given.end() &&
        !windowImportPath_)
        return Refuse("--import-picture goes with --window-import");
    if (secrets_ && !exportPath_)
        return Refuse("--secrets goes with --export (an import restores what the file holds)");
    if (exportPath_ || importPath_) {
        for (const char* window : kWindowOptions) {
            if (std::find(given.begin(), given.end(), window) != given.end())
                return Refuse(std::string(window) + " needs the window, which " +
                              (exportPath_ ? "--export" : "--import") + " does not open");
        }
    }
    return true;
}

bool HostOptions::Apply(const std::string& name, const std::string& value,
                        const UserCheck& knownUser) {
    std::string message;
    if (name == "--lang") {
        if (value == "zh")
            language_ = 0;
        else if (value == "en")
            language_ = 2;
        else if (value == "pt")
            language_ = 3;
        else
            return Refuse("--lang wants zh, en or pt, not \"" + value + "\"");
    } else if (name == "--user") {
        if (!knownUser || !knownUser(value))
            return Refuse("--user: no rights profile \"" + value + "\"; the profiles are " +
                          kUserNames);
        user_ = value;
    } else if (name == "--channels") {
        channels_ = ParseNumber(name, value, 0, 16, message);
        if (!channels_)
            return Refuse(message);
    } else if (name == "--state") {
        statePath_ = value;
    } else if (name == "--latency") {
        latencyMs_ = ParseNumber(name, value, 0, 10000, message);
        if (!latencyMs_)
            return Refuse(message);
    } else if (name == "--page") {
        page_ = value;
    } else if (name == "--drop-down") {
        const std::size_t comma = value.find(',');
        dropDown_ = ParseNumber(name, value.substr(0, comma), 1, 65535, message);
        if (!dropDown_)
            return Refuse(message);
        if (comma != std::string::npos) {
            dropDownTop_ = ParseNumber(name, value.substr(comma + 1), 0, 65535, message);
            if (!dropDownTop_)
                return Refuse(message);
        }
    } else if (name == "--press") {
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = value.find(',', start);
            const std::string id = value.substr(start, comma - start);
            const std::optional<int> number = ParseNumber(name, id, 1, 65535, message);
            if (!number)
                return Refuse(
                    "--press wants control ids from 1 to 65535 separated by commas, "
                    "not \"" +
                    value + "\"");
            press_.push_back(*number);
            if (comma == std::string::npos)
                break;
            start = comma + 1;
        }
    } else if (name == "--screenshot") {
        screenshot_ = value;
    } else if (name == "--progress-screenshot") {
        progressScreenshot_ = value;
    } else if (name == "--window-import") {
        windowImportPath_ = value;
    } else if (name == "--export") {
        exportPath_ = value;
    } else if (name == "--import") {
        importPath_ = value;
    } else if (name == "--fail") {
        failFunction_ = value;
    } else if (name == "--import-picture") {
        if (value == "question")
            importPicture_ = ImportPicture::Question;
        else if (value == "preview")
            importPicture_ = ImportPicture::Preview;
        else if (value == "message")
            importPicture_ = ImportPicture::Message;
        else
            return Refuse("--import-picture wants question, preview or message, not \"" + value +
                          "\"");
    } else if (name == "--closing-screenshot") {
        closingScreenshot_ = value;
    } else if (name == "--close-after-ms") {
        closeAfterMs_ = ParseNumber(name, value, 0, 3600000, message);
        if (!closeAfterMs_)
            return Refuse(message);
    }
    return true;
}

bool HostOptions::Refuse(std::string message) {
    action_ = Action::Refuse;
    error_ = std::move(message);
    return false;
}

std::optional<int> HostOptions::closeAfterMs() const {
    if (closeAfterMs_)
        return closeAfterMs_;
    if (screenshot_ || closingScreenshot_)
        return kDefaultScreenshotDelayMs;
    return std::nullopt;
}

std::string HostOptions::HelpText() {
    return std::string(
               "Usage: RavelinHost [options]\n"
               "\n"
               "Plays the monitoring client: loads Ravelin.dll from this program's folder,\n"
               "opens a simulated recorder and shows its configuration window.\n"
               "\n"
               "Options:\n"
               "  --lang zh|en|pt        language of the window and the messages (default en)\n"
               "  --user NAME            log in with a rights profile: ") +
           kUserNames +
           ";\n"
           "                         without it the window grants every right\n"
           "  --channels N           give the recorder N video channels (0 to 16)\n"
           "  --state FILE           start the recorder from the configuration file FILE (an\n"
           "                         export, say; created with the defaults when missing)\n"
           "                         and keep its changes there; without it the recorder\n"
           "                         lives in memory\n"
           "  --latency MS           every device call takes MS milliseconds (0 to 10000)\n"
           "  --page CAPTION         select the navigation node with this caption\n"
           "  --press ID[,ID...]     then click the shown page's button with this control\n"
           "                         id (1168 opens a page's dialog), and each next one on\n"
           "                         the dialog the click before opened; a screenshot then\n"
           "                         shows the last dialog opened\n"
           "  --drop-down ID[,TOP]   then open the shown page's drop-down list with this\n"
           "                         control id (1008: General's languages), scrolled to\n"
           "                         show entry TOP (from 0) first; the screenshot shows\n"
           "                         the list too\n"
           "  --window-import FILE   then import FILE through the system menu's command,\n"
           "                         answering Yes to its questions and No to a restart\n"
           "  --import-picture STEP  which box of --window-import the screenshot shows:\n"
           "                         question (about unsaved changes), preview (what the\n"
           "                         file would change) or message (the end; the default)\n"
           "  --screenshot PNG       save a picture of the window in PNG, then close it\n"
           "                         (after 1500 ms unless --close-after-ms says otherwise)\n"
           "  --progress-screenshot PNG\n"
           "                         save a picture of the progress window that a slow\n"
           "                         recorder shows while it is read (with --latency)\n"
           "  --system-menu          open the window's system menu before the screenshot\n"
           "  --closing-screenshot PNG\n"
           "                         close the window as --screenshot does, save a picture\n"
           "                         of the question about unsaved changes that closing\n"
           "                         raises, then answer it Yes\n"
           "  --close-after-ms N     close the window N ms after it is up (0 to 3600000)\n"
           "  --export FILE          write the recorder's configuration into FILE instead\n"
           "                         of opening the window (--secrets: with the passwords)\n"
           "  --import FILE          restore the configuration of FILE onto the recorder\n"
           "                         instead of opening the window; onto another recorder\n"
           "                         its network identity, DVR number and channel names\n"
           "                         stay unless --clone is given; --dry-run: only print\n"
           "                         what would change, one line per field\n"
           "  --fail FUNCTION        the recorder's device function FUNCTION fails on\n"
           "                         every call (zelDispHisiNewMenuNTPSet, ...)\n"
           "  --help                 show this text\n"
           "\n"
           "Example:\n"
           "  RavelinHost --lang pt --page \"Discos rígidos\" --screenshot hdd.png "
           "--close-after-ms 800\n"
           "\n"
           "  RavelinHost --state recorder.json --export backup.json\n"
           "\n"
           "Exit status: 0 done, 1 the library, the recorder, the page, the screenshot or\n"
           "the configuration file failed, 2 bad options.\n";
}

}  // namespace host
