// Session state and the configuration cache, zeroed when the library is loaded.
#include "records/SessionState.h"

#include <cstring>

namespace records {

std::uint32_t LanguageIndex;
ZelHandle DeviceHandle;
std::uint8_t UserRights[kUserRightCount];
std::int32_t ChannelCount;
std::int32_t AlarmInCount;
std::int32_t AlarmOutCount;
std::uint32_t RebootIssued;
ConfigCacheRecords ConfigCache;

void ResetSessionForTests() {
    LanguageIndex = 0;
    DeviceHandle = 0;
    std::memset(UserRights, 0, sizeof UserRights);
    ChannelCount = 0;
    AlarmInCount = 0;
    AlarmOutCount = 0;
    RebootIssued = 0;
    std::memset(&ConfigCache, 0, sizeof ConfigCache);
}

}  // namespace records
