// The bitrates that suit a stream: a reference range worked out from its resolution and frame
// rate, and the standard bitrates offered around that range.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

class BitrateRange {
  public:
    // Frames per second of a full-rate stream: 30 for NTSC (any nonzero video standard), 25
    // for PAL.
    static int FullRate(std::uint8_t videoStandard) { return videoStandard != 0 ? 30 : 25; }
    // Pixel load of a resolution code relative to QCIF.
    static int Factor(int resolution);
    // The standard bitrates in Kb/s, ascending; the last one is never offered.
    static std::span<const int> StandardBitrates();

    BitrateRange(int resolution, int framesPerSecond, int fullRate);

    // Reference range in Kb/s, each at least 1.
    int Lower() const { return lower_; }
    int Upper() const { return upper_; }
    // From the largest standard bitrate below Lower to the first at or above Upper.
    const std::vector<int>& Offered() const { return offered_; }

  private:
    int lower_;
    int upper_;
    std::vector<int> offered_;
};
