// The users the simulated recorder knows, each with a fixed profile of 64 right flags:
//   0 "admin"       every right
//   1 "no-network"  all but right 19 (network pages)
//   2 "no-info"     all but right 7 (system information)
//   3 "guest"       no right
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sim {

class RightsProfiles {
  public:
    static constexpr std::size_t kRightCount = 64;

    // The user number of a profile name, or -1.
    static std::int32_t UserId(std::string_view name);

    // Fills the 64 flags of a user; false for an unknown user number.
    static bool Fill(std::int32_t user, std::uint8_t* rights);
};

}  // namespace sim
