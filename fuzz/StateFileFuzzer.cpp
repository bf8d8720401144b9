// libFuzzer target for the state-file parser. Each input is parsed as it is and once more
// with its last four bytes replaced by the right checksum, so that mutations reach the code
// behind the checksum test. An accepted image must encode back to the same bytes; a refused
// one must come with a reason.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "sim/Crc32.h"
#include "sim/StateCodec.h"

namespace {

void Check(const std::uint8_t* data, std::size_t size) {
    static const auto state = std::make_unique<sim::RecorderState>();
    std::string error;
    if (sim::StateCodec::Decode(data, size, *state, error)) {
        const std::vector<std::uint8_t> again = sim::StateCodec::Encode(*state);
        if (again != std::vector<std::uint8_t>(data, data + size))
            std::abort();
    } else if (error.empty()) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Check(data, size);
    if (size >= 4) {
        std::vector<std::uint8_t> sealed(data, data + size);
        const std::uint32_t crc = sim::Crc32::Of(sealed.data(), size - 4);
        for (int k = 0; k < 4; ++k)
            sealed[size - 4 + k] = std::uint8_t(crc >> (8 * k));
        Check(sealed.data(), sealed.size());
    }
    return 0;
}
