// Reading, creating and replacing the simulated recorder's state file.
#include "sim/StateFile.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "sim/AtomicFile.h"
#include "sim/StateCodec.h"

namespace sim {
namespace {

std::string Describe(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

std::filesystem::path StateFile::PathFromUtf8(const char* text) {
    return std::filesystem::path(reinterpret_cast<const char8_t*>(text));
}

bool StateFile::LoadOrCreate(const std::filesystem::path& path, RecorderState& state,
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
    // Far larger than any state file: refuse before reading it into memory.
    if (!ec && size > 4 * StateCodec::EncodedSize()) {
        error =
            Describe(path) + ": too large for a state file (" + std::to_string(size) + " bytes)";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (ec || !in) {
        error = Describe(path) + ": cannot be read";
        return false;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    if (in.bad()) {
        error = Describe(path) + ": read error";
        return false;
    }
    std::string reason;
    if (!StateCodec::Decode(bytes.data(), bytes.size(), state, reason)) {
        error = Describe(path) + ": " + reason;
        return false;
    }
    return true;
}

bool StateFile::Save(const std::filesystem::path& path, const RecorderState& state,
                     std::string& error) {
    std::string reason;
    if (!AtomicFile::Write(path, StateCodec::Encode(state), reason)) {
        error = Describe(path) + ": " + reason;
        return false;
    }
    return true;
}

}  // namespace sim
