// Reading, creating and replacing the simulated recorder's state file.
#include "sim/StateFile.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "config/ConfigError.h"
#include "config/DurableFile.h"
#include "sim/StateText.h"

namespace sim {
namespace {

// Far beyond a recorder's configuration file: refused before it is read into memory.
constexpr std::uintmax_t kLargestFile = 64u << 20;

std::string Describe(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A file the simulator cannot start from: what is wrong, then the two ways on.
std::string Refusal(const std::filesystem::path& path, const std::string& reason) {
    return Describe(path) + ": " + reason +
           "; delete it to start from the defaults, or give a configuration file exported from "
           "a recorder";
}

}  // namespace

std::filesystem::path StateFile::PathFromUtf8(const char* text) {
    return std::filesystem::path(reinterpret_cast<const char8_t*>(text));
}

bool StateFile::LoadOrCreate(const std::filesystem::path& path, device::RecordSet& state,
                             std::string& error) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return Save(path, state, error);
    if (ec) {
        error = Describe(path) + ": " + ec.message();
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        error = Describe(path) + ": not a regular file";
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > kLargestFile) {
        error = Refusal(path, "not a recorder configuration file (far too large)");
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (ec || !in) {
        error = Describe(path) + ": cannot be read";
        return false;
    }
    try {
        StateText::Read(text.view(), state);
    } catch (const config::ConfigError& e) {
        error = Refusal(path, e.what());
        return false;
    }
    return true;
}

bool StateFile::Save(const std::filesystem::path& path, const device::RecordSet& state,
                     std::string& error) {
    std::string reason;
    if (!config::DurableFile::Replace(path, StateText::Write(state), reason)) {
        error = Describe(path) + ": " + reason;
        return false;
    }
    return true;
}

}  // namespace sim
