// The bitrates that suit a stream.
#include "pages/recording/BitrateRange.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace {

constexpr int kStandardBitrates[] = {
    32,  48,  64,  80,  96,   128,  160,  192,  224,  320, 384, 448,
    512, 640, 768, 896, 1024, 1280, 1536, 1792, 2048, 4096};  // the last one only closes the walk
constexpr int kOfferable = int(std::size(kStandardBitrates)) - 1;

// ((x * scale / fullRate) + 512) / 1024, down to a multiple of 4, at least 1. Worked out in 64
// bits, so that frame rates far outside any list cannot overflow.
int Reference(std::int64_t load, std::int64_t scale, int fullRate) {
    const std::int64_t kbps = ((load * scale / fullRate) + 512) >> 10;
    return int(std::clamp<std::int64_t>(kbps & ~std::int64_t{3}, 1, INT32_MAX));
}

}  // namespace

int BitrateRange::Factor(int resolution) {
    switch (resolution) {
        case 1:  // HD1
            return 8;
        case 2:  // D1
            return 16;
        case 3:  // QCIF
            return 1;
        default:  // CIF; a code no list knows (left unselected and kept) is rated as CIF too
            return 4;
    }
}

std::span<const int> BitrateRange::StandardBitrates() {
    return kStandardBitrates;
}

BitrateRange::BitrateRange(int resolution, int framesPerSecond, int fullRate) {
    const std::int64_t load = std::int64_t{Factor(resolution)} * framesPerSecond;
    const int rate = fullRate > 0 ? fullRate : 25;
    lower_ = Reference(load, 49152, rate);
    upper_ = Reference(load, 262144, rate);

    const int* table = kStandardBitrates;
    for (int i = 0; i < kOfferable; ++i) {
        if (table[i == 0 ? 0 : i - 1] >= upper_)
            break;
        // The first entry offered is the largest one below the lower reference.
        const int reaches = offered_.empty() ? table[i + 1] : table[i];
        if (reaches >= lower_)
            offered_.push_back(table[i]);
    }
}
