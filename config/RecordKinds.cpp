// The names of the records in a configuration file.
#include "config/RecordKinds.h"

namespace config {

const char* RecordName(RecordId id) {
    static constexpr const char* kNames[kRecordCount] = {
        "Normal",      "Code",     "RecTimer", "Serials",  "Net",       "NTP",
        "Dial",        "DDNS",     "SMTP",     "AlarmIn",  "VideoLost", "VideoCover",
        "VideoMotion", "PTZ",      "VideoOut", "ChanName", "Version",   "HddInfo",
        "Event",       "RecAdmin", "AlarmOut", "PTZPoint", "PTZCruise",
    };
    const int index = static_cast<int>(id);
    return index >= 0 && index < kRecordCount ? kNames[index] : "";
}

}  // namespace config
