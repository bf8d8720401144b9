// The record images of the simulated recorder's state, in a fixed order.
#include "sim/RecorderState.h"

namespace sim {
namespace {

template <typename Record>
RecordSection Section(std::uint32_t id, const char* name, Record& record) {
    return {id, name, reinterpret_cast<std::uint8_t*>(&record), sizeof record};
}

}  // namespace

std::array<RecordSection, kRecordSectionCount> RecordSections(RecorderState& state) {
    return {
        Section(1, "Normal", state.normal),
        Section(2, "Code", state.code),
        Section(3, "RecTimer", state.recTimer),
        Section(4, "Serials", state.serials),
        Section(5, "Net", state.net),
        Section(6, "NTP", state.ntp),
        Section(7, "Dial", state.dial),
        Section(8, "DDNS", state.ddns),
        Section(9, "SMTP", state.smtp),
        Section(10, "AlarmIn", state.alarmIn),
        Section(11, "VideoLost", state.videoLost),
        Section(12, "VideoCover", state.videoCover),
        Section(13, "VideoMotion", state.videoMotion),
        Section(14, "PTZ", state.ptz),
        Section(15, "VideoOut", state.videoOut),
        Section(16, "ChanName", state.chanName),
        Section(17, "Version", state.version),
        Section(18, "HddInfo", state.hddInfo),
        Section(19, "Event", state.event),
        Section(20, "RecAdmin", state.recAdmin),
        Section(21, "AlarmOut", state.alarmOut),
        Section(22, "PTZPoint", state.ptzPoint),
        Section(23, "PTZCruise", state.ptzCruise),
    };
}

}  // namespace sim
