// Session state and the configuration cache, zeroed when the library is loaded.
#include "records/SessionState.h"

#include <cstring>

#include "records/DeviceHandle.h"

namespace records {

std::uint32_t LanguageIndex;
ZelHandle DeviceHandle;
UserRightFlags UserRights;
std::int32_t ChannelCount;
std::int32_t AlarmInCount;
std::int32_t AlarmOutCount;
std::uint32_t RebootIssued;
bool ImportNotPutBack;
ConfigCacheRecords ConfigCache;

bool Granted(int right) {
    return right == kNoRight || (right >= 0 && right < kUserRightCount && UserRights[right] != 0);
}

void ResetSessionForTests() {
    LanguageIndex = 0;
    DeviceHandle = 0;
    std::memset(UserRights, 0, sizeof UserRights);
    ChannelCount = 0;
    AlarmInCount = 0;
    AlarmOutCount = 0;
    RebootIssued = 0;
    ImportNotPutBack = false;
    std::memset(&ConfigCache, 0, sizeof ConfigCache);
}

}  // namespace records
