// Writes the seed corpus of the state-file fuzzer into the given directory: the default
// state, the same cut short, and bytes that are no state file at all.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "sim/Defaults.h"
#include "sim/StateCodec.h"

namespace {

bool Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    auto state = std::make_unique<sim::RecorderState>();
    sim::Defaults::Fill(*state);
    const std::vector<std::uint8_t> image = sim::StateCodec::Encode(*state);

    std::vector<std::uint8_t> garbage(512);
    std::uint32_t x = 0x2545F491u;  // xorshift: the same bytes on every run
    for (std::uint8_t& b : garbage) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = std::uint8_t(x);
    }
    const bool ok =
        Write(dir / "default.state", image) &&
        Write(dir / "truncated.state", {image.begin(), image.begin() + image.size() / 8}) &&
        Write(dir / "garbage.state", garbage);
    if (!ok) {
        std::fprintf(stderr, "cannot write the seeds into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
