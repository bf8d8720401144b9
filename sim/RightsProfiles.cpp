// The users of the simulated recorder and their right flags.
#include "sim/RightsProfiles.h"

#include <array>
#include <cstring>

namespace sim {
namespace {

struct Profile {
    std::string_view name;
    std::uint8_t flag;  // value of every right but the denied one
    int denied;         // index of the one right that is 0, or -1
};

constexpr std::array<Profile, 4> kProfiles = {{
    {"admin", 1, -1},
    {"no-network", 1, 19},
    {"no-info", 1, 7},
    {"guest", 0, -1},
}};

}  // namespace

std::int32_t RightsProfiles::UserId(std::string_view name) {
    for (std::size_t i = 0; i < kProfiles.size(); ++i) {
        if (kProfiles[i].name == name)
            return std::int32_t(i);
    }
    return -1;
}

bool RightsProfiles::Fill(std::int32_t user, std::uint8_t* rights) {
    if (user < 0 || std::size_t(user) >= kProfiles.size())
        return false;
    const Profile& profile = kProfiles[std::size_t(user)];
    std::memset(rights, profile.flag, kRightCount);
    if (profile.denied >= 0)
        rights[profile.denied] = 0;
    return true;
}

}  // namespace sim
