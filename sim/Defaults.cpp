// The settings of a freshly opened simulated recorder. Every per-channel structure is filled
// for all 16 slots, so a test that raises the channel count still sees believable values.
// Header and reserved bytes that the client must send back as fetched hold non-zero values,
// so that a client which clears them is caught.
#include "sim/Defaults.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "device/Ipv4.h"
#include "device/NetworkOrder.h"
#include "device/PackedDateTime.h"

namespace sim {
namespace {

using namespace device;

struct Protocol {
    std::string_view name;
    std::int16_t code;
};

// Codes need not follow the list order.
constexpr std::array<Protocol, 6> kProtocols = {{
    {"Generic-A", 1},
    {"Generic-B", 2},
    {"Generic-C", 3},
    {"Generic-D", 4},
    {"Generic-E", 6},
    {"Generic-F", 9},
}};

template <std::size_t N>
void SetText(char (&field)[N], std::string_view text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

void FillNormal(NormalRecord& r) {
    r.dateFormat = 0;     // year-month-day
    r.dateSeparator = 1;  // "-"
    r.timeFormat = 0;     // 24-hour
    r.language = 2;       // English
    r.hddFull = 0;        // overwrite
    r.videoStandard = 0;  // PAL
    r.packMinutes = 60;
    r.autoLogoutMinutes = 10;
    SetText(r.dvrNumber, "1");
}

StreamSettings Stream(std::uint8_t resolution, std::uint8_t control, std::int16_t fpsTimes10,
                      std::int16_t bitrate, std::uint8_t quality, std::uint8_t audio) {
    StreamSettings s{};
    s.resolution = resolution;
    s.bitrateControl = control;
    s.frameRateTimes10 = fpsTimes10;
    s.bitrate = bitrate;
    s.quality = quality;
    s.audio = audio;
    s.video = 1;
    return s;
}

void FillCode(CodeRecord& r) {
    r.channelCount = 8;
    for (int c = 0; c < kMaxChannels; ++c) {
        CodeChannel& ch = r.channels[c];
        ch.encoding = 0;  // H.264
        const bool d1 = c < 4;
        const std::uint8_t audio = c < 4 ? 1 : 0;  // four audio inputs
        ch.main = Stream(d1 ? 2 : 0, c == 2 ? 1 : 0, 250, d1 ? 1024 : 512, 2, audio);
        ch.extra = Stream(c % 2 == 0 ? 0 : 3, 1, 100, c % 2 == 0 ? 192 : 64, 3, 0);
    }
    // A customized main-stream bitrate.
    r.channels[7].main.bitrate = 0;
    r.channels[7].main.customBitrate = 700;
}

void AddPeriod(ChannelSchedule& schedule, int entry, int weekday, int startHour, int startMinute,
               int endHour, int endMinute) {
    ScheduleEntry& e = schedule.entries[entry];
    e.kind = kSchedulePeriodInUse;
    e.weekday = std::int8_t(weekday);
    e.startMinuteBE = HostToNetwork16(std::uint16_t(startMinute));
    e.startHour = std::int16_t(startHour);
    e.endMinuteBE = HostToNetwork16(std::uint16_t(endMinute));
    e.endHour = std::int16_t(endHour);
}

void FillRecTimer(RecTimerRecord& r) {
    r.preRecordSeconds = 5;
    auto& ch = r.channels;
    for (int day = 0; day < 5; ++day) {  // office hours, Monday to Friday
        AddPeriod(ch[0], 2 * day, day, 8, 0, 12, 0);
        AddPeriod(ch[0], 2 * day + 1, day, 13, 30, 18, 0);
        AddPeriod(ch[4], day, day, 7, 0, 19, 0);
    }
    for (int day = 0; day < 7; ++day) {
        AddPeriod(ch[1], day, day, 0, 0, 23, 59);
        AddPeriod(ch[3], 2 * day, day, 0, 0, 6, 30);
        AddPeriod(ch[3], 2 * day + 1, day, 20, 0, 23, 59);
        AddPeriod(ch[6], day, day, 0, 0, 23, 59);
        AddPeriod(ch[7], day, day, 0, 0, 23, 59);
    }
    // The pool is unordered and may have gaps; a freed entry keeps its old times.
    AddPeriod(ch[2], 10, 5, 9, 15, 17, 45);
    AddPeriod(ch[2], 20, 6, 9, 15, 17, 45);
    AddPeriod(ch[2], 5, 2, 1, 0, 2, 0);
    ch[2].entries[5].kind = 0;
}

void FillRecAdmin(RecAdminRecord& r) {
    r.unused = 16;
    std::fill(std::begin(r.mode), std::end(r.mode), std::uint8_t(2));  // Auto
    r.mode[4] = 1;                                                     // Manual
    r.mode[5] = 0;                                                     // Stop
}

SerialPort Port(std::int8_t function, std::int32_t baud) {
    return {function, 8, 1, 0, baud};
}

void FillSerials(SerialsRecord& r) {
    r.head[0] = 2;
    r.ports[0] = Port(1, 9600);  // RS485: PTZ matrix, its line set on the PTZ page
    r.ports[1] = Port(2, 4800);  // RS232: keyboard
    r.keyboardProtocol = 1;      // Pinerve
    r.adapterProtocol = 2;
}

void FillNet(NetRecord& r) {
    r.dhcp = 0;
    r.ip = Ipv4FromOctets(192, 168, 1, 88);
    r.subnetMask = Ipv4FromOctets(255, 255, 255, 0);
    r.gateway = Ipv4FromOctets(192, 168, 1, 1);
    r.preferredDns = Ipv4FromOctets(192, 168, 1, 1);
    r.alternateDns = Ipv4FromOctets(192, 168, 1, 254);
    r.cmdPort = 5050;
    r.dataPort = 5051;
    r.httpPort = 80;
    r.talkPort = 5052;
    r.reserved[0] = 1;
    r.alarmCenter1 = Ipv4FromOctets(192, 168, 1, 100);
    r.alarmCenter2 = 0;
}

void FillNtp(NtpRecord& r) {
    r.used = 1;
    SetText(r.server, "pool.ntp.org");
    r.timeZoneMinutes = 480;  // GMT+08:00
    r.periodMinutes = 60;
    r.startTime = 0x0300;  // 03:00
}

void FillDial(DialRecord& r) {
    r.dialMode = 0;     // never
    r.networkType = 0;  // PPPoE
    SetText(r.user, "dvr8108");
    SetText(r.password, "pppoe-8108");
}

void FillDdns(DdnsRecord& r) {
    r.used = 0;
    r.provider = 1;  // no-ip.com
    SetText(r.server, "dynupdate.no-ip.com");
    SetText(r.user, "dvr-owner");
    SetText(r.password, "ddns-secret");
    SetText(r.domain, "dvr8108.ddns.net");
}

void FillSmtp(SmtpRecord& r) {
    SetText(r.from, "dvr8108@example.com");
    SetText(r.to, "security@example.com");
    SetText(r.cc, "");
    SetText(r.server, "smtp.example.com");
    SetText(r.user, "dvr8108");
    SetText(r.password, "mail-secret");
}

// The reaction every alarm source starts with: the source's own channel would record for
// 10 s and outputs would hold 10 s, with every action switched off.
AlarmLinkage QuietLinkage(int channel) {
    AlarmLinkage l{};
    if (channel >= 0 && channel < kMaxChannels)
        l.recordChannels[channel] = 1;
    l.recordDelaySeconds = 10;
    l.latchSeconds = 10;
    return l;
}

void FillAlarmIn(AlarmInRecord& r) {
    r.head[0] = kMaxAlarmInputs;
    for (int i = 0; i < kMaxAlarmInputs; ++i) {
        r.inputs[i].contactType = 0;  // normal open
        r.inputs[i].linkage = QuietLinkage(i);
    }
    AlarmLinkage& door = r.inputs[0].linkage;
    door.recordEnable = 1;
    door.recordChannels[1] = 1;
    door.alarmOutEnable = 1;
    door.alarmOutMask = 0x1;
    door.recordDelaySeconds = 30;
    door.latchSeconds = 15;
    door.showMessageEnable = 1;
    door.buzzerEnable = 1;
    door.ptzEnable = 1;
    door.ptz[0] = {1, 0, 0};  // channel 1 goes to its first defined preset ("Gate")
    door.ptz[1] = {1, 0, 1};  // channel 2 to its second ("Stairs")

    r.inputs[1].contactType = 1;  // normal close
    AlarmLinkage& window = r.inputs[1].linkage;
    window.recordEnable = 1;
    window.tourEnable = 1;
    for (int c = 0; c < 4; ++c)
        window.tourChannels[c] = 1;
    window.uploadEnable = 1;
    window.emailEnable = 1;

    r.inputs[2].linkage.showMessageEnable = 1;
    r.inputs[3].linkage.showMessageEnable = 1;
}

void FillVideoLost(VideoLostRecord& r) {
    r.head[0] = kMaxChannels;
    for (int c = 0; c < kMaxChannels; ++c) {
        r.channels[c].enable = c < 8 ? 1 : 0;
        r.channels[c].linkage = QuietLinkage(c);
        r.channels[c].linkage.showMessageEnable = c < 8 ? 1 : 0;
    }
    r.channels[0].linkage.buzzerEnable = 1;
}

void FillVideoCover(VideoCoverRecord& r) {
    r.head[0] = kMaxChannels;
    for (int c = 0; c < kMaxChannels; ++c) {
        r.channels[c].sensitivity = 2;
        r.channels[c].linkage = QuietLinkage(c);
    }
    r.channels[2].enable = 1;
    r.channels[2].linkage.showMessageEnable = 1;
    r.channels[2].linkage.alarmOutEnable = 1;
    r.channels[2].linkage.alarmOutMask = 0x2;
}

void FillVideoMotion(VideoMotionRecord& r) {
    r.head[0] = kMaxChannels;
    for (int c = 0; c < kMaxChannels; ++c) {
        VideoMotionEntry& e = r.channels[c];
        e.sensitivity = 3;
        std::fill(std::begin(e.area), std::end(e.area), std::uint8_t(0xFF));  // whole picture
        e.linkage = QuietLinkage(c);
    }
    for (int c : {0, 1, 4}) {
        r.channels[c].enable = 1;
        r.channels[c].linkage.recordEnable = 1;
        r.channels[c].linkage.recordDelaySeconds = 20;
    }
}

void FillEvent(EventRecord& r) {
    r.head[0] = std::uint8_t(Abnormality::Count);
    for (int k = 0; k < int(Abnormality::Count); ++k)
        r.events[k].linkage = QuietLinkage(-1);
    auto event = [&r](Abnormality a) -> EventEntry& { return r.events[int(a)]; };
    event(Abnormality::HddFull).enable = 1;
    event(Abnormality::HddFull).linkage.buzzerEnable = 1;
    event(Abnormality::HddError).enable = 1;
    event(Abnormality::HddError).linkage.showMessageEnable = 1;
    event(Abnormality::HddError).linkage.emailEnable = 1;
    event(Abnormality::IpConflicted).enable = 1;
    event(Abnormality::IpConflicted).linkage.showMessageEnable = 1;
    event(Abnormality::Disconnection).enable = 1;
    event(Abnormality::Disconnection).linkage.alarmOutEnable = 1;
    event(Abnormality::Disconnection).linkage.alarmOutMask = 0x3;
    event(Abnormality::NoHdd).enable = 1;
    event(Abnormality::NoHdd).linkage.showMessageEnable = 1;
}

void FillPtz(PtzRecord& r) {
    r.head[0] = kMaxChannels;
    for (int c = 0; c < kMaxChannels; ++c) {
        PtzChannel& ch = r.channels[c];
        ch.dataBits = 8;
        ch.stopBits = 1;
        ch.parity = 0;
        ch.baudRate = 9600;
        ch.protocol = 0;
        ch.address = std::int16_t(c + 1);
        ch.speed = 5;
    }
    r.channels[0].protocol = kProtocols[0].code;
    r.channels[1].protocol = kProtocols[1].code;
    r.channels[1].baudRate = 2400;
    r.channels[1].speed = 20;
    r.channels[3].protocol = kProtocols[4].code;
}

void AddPreset(PtzPointRecord& r, int slot, std::string_view name) {
    r.slots[slot].used = 1;
    SetText(r.slots[slot].name, name);
}

void FillPtzPoints(PtzPointRecord (&points)[kMaxChannels]) {
    AddPreset(points[0], 1, "Gate");
    AddPreset(points[0], 2, "Parking lot");
    AddPreset(points[0], 3, "Loading dock");
    AddPreset(points[0], 10, "Café terrace");
    AddPreset(points[1], 1, "Lobby");
    AddPreset(points[1], 5, "Stairs");
    AddPreset(points[3], 1, "Home");
}

void SetPatrol(CruisePatrol& patrol, bool used, int interval, std::initializer_list<int> presets) {
    patrol.used = used ? 1 : 0;
    patrol.intervalSeconds = std::int16_t(interval);
    int j = 0;
    for (int preset : presets)
        patrol.slots[j++] = {1, std::uint8_t(preset)};
}

void FillPtzCruises(PtzCruiseRecord (&cruises)[kMaxChannels]) {
    for (PtzCruiseRecord& record : cruises) {
        for (CruisePatrol& patrol : record.patrols)
            patrol.intervalSeconds = 5;
    }
    SetPatrol(cruises[0].patrols[0], true, 10, {1, 2, 3, 10});
    SetPatrol(cruises[0].patrols[2], false, 20, {2, 1});
    SetPatrol(cruises[1].patrols[0], true, 15, {1, 5});
}

void FillVideoOut(VideoOutRecord& r) {
    r.vgaResolution = 0;  // 800*600
    r.transparency = 200;
    r.timeDisplay = 1;
    r.channelNameDisplay = 1;
    r.tourEnable = 0;
    r.tourInterval = 5;
    r.view16 = 1;
    std::fill(std::begin(r.view8), std::end(r.view8), std::uint8_t(1));
    std::fill(std::begin(r.view4), std::end(r.view4), std::uint8_t(1));
    std::fill(std::begin(r.view1), std::end(r.view1), std::uint8_t(1));
}

void FillChanName(ChanNameRecord& r) {
    r.head = kMaxChannels;
    for (int c = 0; c < kMaxChannels; ++c)
        SetText(r.names[c], "CAM " + std::to_string(c + 1));
    SetText(r.names[0], "Entrance");
    SetText(r.names[1], "Parking");
    SetText(r.names[2], "Lobby");
    SetText(r.names[5], "Café");
}

void FillVersion(VersionRecord& r) {
    SetText(r.model, "DVR-8108");
    SetText(r.mainBoard, "MB-R8-V2.1");
    r.systemVersion = 1005;  // shows 1.5
    r.buildDate = PackDateTime({2011, 3, 7});
    r.modelNumber = 8108;
    r.guiVersion = 0x00010002;  // shows 1.0002
    r.videoInputs = 8;
    r.audioInputs = 4;
    r.alarmInputs = 4;
    r.alarmOutputs = 2;
    r.ip = Ipv4FromOctets(192, 168, 1, 88);
    const std::uint8_t mac[6] = {0x00, 0x1A, 0x7D, 0x42, 0x10, 0x88};
    std::memcpy(r.mac, mac, sizeof mac);
    SetText(r.serialNumber, "ZD8108A110307000042");
    SetText(r.modelSuffix, "P");
}

void FillHddInfo(HddInfoRecord& r) {
    r.startTime = PackDateTime({2011, 5, 9, 7, 3, 0});
    r.endTime = PackDateTime({2011, 6, 20, 18, 42, 10});
    r.overwritten = 1;
    r.diskCount = 2;
    r.total[0] = 50000;  // 500.00 GB
    r.free[0] = 1234;
    r.bad[0] = 0;
    r.total[1] = 100000;  // 1000.00 GB
    r.free[1] = 98000;
    r.bad[1] = 3;
}

void FillAlarmOut(AlarmOutRecord& r) {
    r.bytes[0] = 2;                              // outputs present
    r.bytes[AlarmOutRecord::ModeOffset(0)] = 2;  // auto
    r.bytes[AlarmOutRecord::ModeOffset(1)] = 1;  // manual
}

}  // namespace

void Defaults::Fill(device::RecordSet& state) {
    std::memset(&state, 0, sizeof state);
    FillNormal(state.normal);
    FillCode(state.code);
    FillRecTimer(state.recTimer);
    FillSerials(state.serials);
    FillNet(state.net);
    FillNtp(state.ntp);
    FillDial(state.dial);
    FillDdns(state.ddns);
    FillSmtp(state.smtp);
    FillAlarmIn(state.alarmIn);
    FillVideoLost(state.videoLost);
    FillVideoCover(state.videoCover);
    FillVideoMotion(state.videoMotion);
    FillPtz(state.ptz);
    FillVideoOut(state.videoOut);
    FillChanName(state.chanName);
    FillVersion(state.version);
    FillHddInfo(state.hddInfo);
    FillEvent(state.event);
    FillRecAdmin(state.recAdmin);
    FillAlarmOut(state.alarmOut);
    FillPtzPoints(state.ptzPoint);
    FillPtzCruises(state.ptzCruise);
}

std::string Defaults::PtzProtocolList() {
    std::string text;
    for (const Protocol& p : kProtocols) {
        text.append(p.name);
        text += '=';
        text += std::to_string(p.code);
        text += '|';
    }
    return text;
}

}  // namespace sim
