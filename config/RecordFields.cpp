// Every field of every record, named once, in the recorder's own terms and in the order of
// the record's bytes. Bytes no page shows are listed as hex, so that every byte is named.
#include "config/RecordFields.h"

namespace config {
namespace {

using namespace device;

constexpr const char* kDateFormats[] = {"Y-M-D", "M-D-Y", "D-M-Y"};
constexpr const char* kDateSeparators[] = {".", "-", "/"};
constexpr const char* kTimeFormats[] = {"24-hour", "12-hour"};
// By code: the page's list shows them in another order.
constexpr const char* kMenuLanguages[] = {
    "简体中文", "繁體中文",         "English",    "Nederlands",   "Magyar",
    "Français", "danske",           "Türk",       "italiano",     "español",
    "Česky",    "Русский",          "Português",  "Język polski", "Korean",
    "Ελληνικά", "Kata-kata Indon.", "Tiếng Việt", "ภาษาไทย",      "Deutsch",
    "日本語",   "Slovensko",        "Persian",    "Србија",
};
constexpr const char* kHddFull[] = {"overwrite", "stop recording"};
constexpr const char* kVideoStandards[] = {"PAL", "NTSC"};
constexpr const char* kEncodings[] = {"H.264"};
constexpr const char* kResolutions[] = {"CIF", "HD1", "D1", "QCIF"};
constexpr const char* kBitrateControls[] = {"CBR", "VBR"};
constexpr const char* kWeekdays[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                     "Friday", "Saturday", "Sunday"};
constexpr const char* kSerialFunctions[] = {"none",    "PTZ matrix", "keyboard",
                                            "adapter", nullptr,      "transparent"};
constexpr const char* kParities[] = {"none", "odd", "even", "mark", "space"};
constexpr const char* kDialModes[] = {"never", "on trigger", "always"};
constexpr const char* kNetworkTypes[] = {"PPPoE", "TD-CDMA", "WCDMA", "CDMA2000"};
constexpr const char* kDdnsProviders[] = {"dyndns.org", "no-ip.com", "changeip.com", "dynu.com",
                                          "freedns.afraid.org"};
constexpr const char* kContactTypes[] = {"normally open", "normally closed"};
constexpr const char* kPtzActions[] = {"none", "go to preset"};
constexpr const char* kVgaResolutions[] = {"800*600", "1024*768", "1280*1024"};
constexpr const char* kRecordModes[] = {"stop", "manual", "auto"};

// One byte of a record that is not a field of its own.
std::span<std::uint8_t> Byte(std::uint8_t& byte) {
    return {&byte, 1};
}

IntField ByteAt(std::uint8_t& byte) {
    return IntField::Of<std::uint8_t>(&byte);
}

// The i-th element of an array of 32-bit fields in a packed record.
IntField Int32At(std::int32_t* array, std::size_t i) {
    return IntField::Of<std::int32_t>(reinterpret_cast<unsigned char*>(array) + 4 * i);
}

void VisitLinkage(FieldVisitor& v, AlarmLinkage& r) {
    v.Object("linkage", [&r](FieldVisitor& l) {
        l.Int("record", CONFIG_INT(r, recordEnable), IntStyle::Flag);
        l.Int("alarmOut", CONFIG_INT(r, alarmOutEnable), IntStyle::Flag);
        l.Int("tour", CONFIG_INT(r, tourEnable), IntStyle::Flag);
        l.Int("ptz", CONFIG_INT(r, ptzEnable), IntStyle::Flag);
        l.Int("showMessage", CONFIG_INT(r, showMessageEnable), IntStyle::Flag);
        l.Int("buzzer", CONFIG_INT(r, buzzerEnable), IntStyle::Flag);
        l.Int("upload", CONFIG_INT(r, uploadEnable), IntStyle::Flag);
        l.Int("email", CONFIG_INT(r, emailEnable), IntStyle::Flag);
        l.Bytes("recordChannels", r.recordChannels, BytesStyle::Flags);
        l.Int("alarmOutMask", CONFIG_INT(r, alarmOutMask));
        l.Int("recordDelaySeconds", CONFIG_INT(r, recordDelaySeconds));
        l.Int("latchSeconds", CONFIG_INT(r, latchSeconds));
        l.Bytes("tourChannels", r.tourChannels, BytesStyle::Flags);
        l.List("ptzActions", kMaxChannels, [&r](FieldVisitor& e, std::size_t i) {
            PtzLinkEntry& p = r.ptz[i];
            e.Choice("action", CONFIG_INT(p, action), kPtzActions);
            e.Hex("reserved", Byte(p.reserved));
            e.Int("preset", CONFIG_INT(p, number));
        });
    });
}

void VisitStream(FieldVisitor& v, const char* name, StreamSettings& s) {
    v.Object(name, [&s](FieldVisitor& f) {
        f.Choice("resolution", CONFIG_INT(s, resolution), kResolutions);
        f.Choice("bitrateControl", CONFIG_INT(s, bitrateControl), kBitrateControls);
        f.Hex("unused", Byte(s.unused));
        f.Int("frameRateTenths", CONFIG_INT(s, frameRateTimes10));
        f.Int("bitrateKbps", CONFIG_INT(s, bitrate));
        f.Int("customBitrateKbps", CONFIG_INT(s, customBitrate));
        f.Int("quality", CONFIG_INT(s, quality));
        f.Int("audio", CONFIG_INT(s, audio), IntStyle::Flag);
        f.Int("video", CONFIG_INT(s, video), IntStyle::Flag);
    });
}

// The entries of the detection and abnormality records: a switch, bytes and the linkage.
template <typename Entry>
void VisitEnabledEntry(FieldVisitor& v, Entry& e) {
    v.Int("enable", CONFIG_INT(e, enable), IntStyle::Flag);
    v.Hex("reserved", e.reserved);
    VisitLinkage(v, e.linkage);
}

}  // namespace

void VisitFields(FieldVisitor& v, NormalRecord& r) {
    v.Choice("dateFormat", CONFIG_INT(r, dateFormat), kDateFormats);
    v.Choice("dateSeparator", CONFIG_INT(r, dateSeparator), kDateSeparators);
    v.Choice("timeFormat", CONFIG_INT(r, timeFormat), kTimeFormats);
    v.Choice("menuLanguage", CONFIG_INT(r, language), kMenuLanguages);
    v.Choice("hddFull", CONFIG_INT(r, hddFull), kHddFull);
    v.Choice("videoStandard", CONFIG_INT(r, videoStandard), kVideoStandards);
    v.Int("packMinutes", CONFIG_INT(r, packMinutes));
    v.Int("autoLogoutMinutes", CONFIG_INT(r, autoLogoutMinutes));
    v.Text("dvrNumber", r.dvrNumber);
    v.Hex("terminator", Byte(r.terminator));
}

void VisitFields(FieldVisitor& v, CodeRecord& r) {
    v.Int("channelCount", CONFIG_INT(r, channelCount));
    v.List("channels", kMaxChannels, [&r](FieldVisitor& e, std::size_t i) {
        CodeChannel& c = r.channels[i];
        e.Choice("encoding", CONFIG_INT(c, encoding), kEncodings);
        VisitStream(e, "main", c.main);
        VisitStream(e, "extra", c.extra);
        e.Hex("unused", c.unused);
    });
}

void VisitFields(FieldVisitor& v, RecTimerRecord& r) {
    v.Hex("unused1", r.unused1);
    v.Int("preRecordSeconds", CONFIG_INT(r, preRecordSeconds));
    v.Hex("unused2", r.unused2);
    v.List("channels", kMaxChannels, [&r](FieldVisitor& c, std::size_t i) {
        ChannelSchedule& schedule = r.channels[i];
        c.List("periods", kScheduleEntriesPerChannel, [&schedule](FieldVisitor& e, std::size_t k) {
            ScheduleEntry& p = schedule.entries[k];
            e.Int("kind", CONFIG_INT(p, kind));
            e.Choice("weekday", CONFIG_INT(p, weekday), kWeekdays);
            e.Hex("unused", p.unused);
            e.Int("startHour", CONFIG_INT(p, startHour));
            e.Int("startMinute", CONFIG_INT(p, startMinuteBE), IntStyle::MinuteBE);
            e.Int("endHour", CONFIG_INT(p, endHour));
            e.Int("endMinute", CONFIG_INT(p, endMinuteBE), IntStyle::MinuteBE);
        });
    });
}

void VisitFields(FieldVisitor& v, SerialsRecord& r) {
    v.Hex("head", r.head);
    v.List("ports", 2, [&r](FieldVisitor& e, std::size_t i) {
        SerialPort& p = r.ports[i];
        e.Choice("function", CONFIG_INT(p, function), kSerialFunctions);
        e.Int("dataBits", CONFIG_INT(p, dataBits));
        e.Int("stopBits", CONFIG_INT(p, stopBits));
        e.Choice("parity", CONFIG_INT(p, parity), kParities);
        e.Int("baudRate", CONFIG_INT(p, baudRate));
    });
    v.Int("keyboardProtocol", CONFIG_INT(r, keyboardProtocol));
    v.Int("adapterProtocol", CONFIG_INT(r, adapterProtocol));
    v.Hex("reserved", r.reserved);
}

void VisitFields(FieldVisitor& v, NetRecord& r) {
    v.Int("dhcp", CONFIG_INT(r, dhcp), IntStyle::Flag);
    v.Int("ip", CONFIG_INT(r, ip), IntStyle::Address);
    v.Int("subnetMask", CONFIG_INT(r, subnetMask), IntStyle::Address);
    v.Int("gateway", CONFIG_INT(r, gateway), IntStyle::Address);
    v.Int("preferredDns", CONFIG_INT(r, preferredDns), IntStyle::Address);
    v.Int("alternateDns", CONFIG_INT(r, alternateDns), IntStyle::Address);
    v.Int("cmdPort", CONFIG_INT(r, cmdPort));
    v.Int("dataPort", CONFIG_INT(r, dataPort));
    v.Int("httpPort", CONFIG_INT(r, httpPort));
    v.Int("talkPort", CONFIG_INT(r, talkPort));
    v.Hex("reserved", r.reserved);
    v.Int("alarmCenter1", CONFIG_INT(r, alarmCenter1), IntStyle::Address);
    v.Int("alarmCenter2", CONFIG_INT(r, alarmCenter2), IntStyle::Address);
}

void VisitFields(FieldVisitor& v, NtpRecord& r) {
    v.Int("used", CONFIG_INT(r, used), IntStyle::Flag);
    v.Text("server", r.server);
    v.Hex("zero", r.zero);
    v.Int("timeZoneMinutes", CONFIG_INT(r, timeZoneMinutes));
    v.Int("periodMinutes", CONFIG_INT(r, periodMinutes));
    v.Int("startTime", CONFIG_INT(r, startTime), IntStyle::HourMinute);
}

void VisitFields(FieldVisitor& v, DialRecord& r) {
    v.Choice("dialMode", CONFIG_INT(r, dialMode), kDialModes);
    v.Choice("networkType", CONFIG_INT(r, networkType), kNetworkTypes);
    v.Text("user", r.user);
    v.Secret("password", r.password);
}

void VisitFields(FieldVisitor& v, DdnsRecord& r) {
    v.Int("used", CONFIG_INT(r, used), IntStyle::Flag);
    v.Choice("provider", CONFIG_INT(r, provider), kDdnsProviders);
    v.Text("server", r.server);
    v.Text("user", r.user);
    v.Secret("password", r.password);
    v.Text("domain", r.domain);
}

void VisitFields(FieldVisitor& v, SmtpRecord& r) {
    v.Text("from", r.from);
    v.Text("to", r.to);
    v.Text("cc", r.cc);
    v.Text("server", r.server);
    v.Text("user", r.user);
    v.Secret("password", r.password);
    v.Hex("unused", r.unused);
}

void VisitFields(FieldVisitor& v, AlarmInRecord& r) {
    v.Hex("head", r.head);
    v.List("inputs", kMaxAlarmInputs, [&r](FieldVisitor& e, std::size_t i) {
        AlarmInEntry& input = r.inputs[i];
        e.Choice("contactType", CONFIG_INT(input, contactType), kContactTypes);
        e.Hex("reserved", input.reserved);
        VisitLinkage(e, input.linkage);
    });
}

void VisitFields(FieldVisitor& v, VideoLostRecord& r) {
    v.Hex("head", r.head);
    v.List("channels", kMaxChannels,
           [&r](FieldVisitor& e, std::size_t i) { VisitEnabledEntry(e, r.channels[i]); });
}

void VisitFields(FieldVisitor& v, VideoCoverRecord& r) {
    v.Hex("head", r.head);
    v.List("channels", kMaxChannels, [&r](FieldVisitor& e, std::size_t i) {
        VideoCoverEntry& c = r.channels[i];
        e.Int("enable", CONFIG_INT(c, enable), IntStyle::Flag);
        e.Int("sensitivity", CONFIG_INT(c, sensitivity));
        e.Hex("reserved", c.reserved);
        VisitLinkage(e, c.linkage);
    });
}

void VisitFields(FieldVisitor& v, VideoMotionRecord& r) {
    v.Hex("head", r.head);
    v.List("channels", kMaxChannels, [&r](FieldVisitor& e, std::size_t i) {
        VideoMotionEntry& c = r.channels[i];
        e.Int("enable", CONFIG_INT(c, enable), IntStyle::Flag);
        e.Int("sensitivity", CONFIG_INT(c, sensitivity));
        e.Hex("area", c.area);
        VisitLinkage(e, c.linkage);
    });
}

void VisitFields(FieldVisitor& v, PtzRecord& r) {
    v.Hex("head", r.head);
    v.List("channels", kMaxChannels, [&r](FieldVisitor& e, std::size_t i) {
        PtzChannel& c = r.channels[i];
        e.Int("dataBits", CONFIG_INT(c, dataBits));
        e.Int("stopBits", CONFIG_INT(c, stopBits));
        e.Choice("parity", CONFIG_INT(c, parity), kParities);
        e.Hex("reserved1", Byte(c.reserved1));
        e.Int("baudRate", CONFIG_INT(c, baudRate));
        e.Int("protocol", CONFIG_INT(c, protocol));
        e.Int("address", CONFIG_INT(c, address));
        e.Int("speed", CONFIG_INT(c, speed));
        e.Hex("reserved2", c.reserved2);
    });
}

void VisitFields(FieldVisitor& v, VideoOutRecord& r) {
    v.Choice("vgaResolution", CONFIG_INT(r, vgaResolution), kVgaResolutions);
    v.Int("transparency", CONFIG_INT(r, transparency));
    v.Int("timeDisplay", CONFIG_INT(r, timeDisplay), IntStyle::Flag);
    v.Int("channelNameDisplay", CONFIG_INT(r, channelNameDisplay), IntStyle::Flag);
    v.Int("tour", CONFIG_INT(r, tourEnable), IntStyle::Flag);
    v.Int("tourIntervalSeconds", CONFIG_INT(r, tourInterval));
    v.Bytes("view16", Byte(r.view16), BytesStyle::Flags);
    v.Bytes("view8", r.view8, BytesStyle::Flags);
    v.Bytes("view4", r.view4, BytesStyle::Flags);
    v.Bytes("view1", r.view1, BytesStyle::Flags);
}

void VisitFields(FieldVisitor& v, ChanNameRecord& r) {
    v.Hex("head", Byte(r.head));
    v.List("channels", kMaxChannels,
           [&r](FieldVisitor& e, std::size_t i) { e.Text("name", r.names[i]); });
}

void VisitFields(FieldVisitor& v, VersionRecord& r) {
    v.Text("model", r.model);
    v.Text("mainBoard", r.mainBoard);
    v.Int("systemVersion", CONFIG_INT(r, systemVersion));
    v.Int("buildDate", CONFIG_INT(r, buildDate), IntStyle::DateTime);
    v.Int("modelNumber", CONFIG_INT(r, modelNumber));
    v.Int("guiVersion", CONFIG_INT(r, guiVersion));
    v.Int("videoInputs", CONFIG_INT(r, videoInputs));
    v.Int("audioInputs", CONFIG_INT(r, audioInputs));
    v.Int("alarmInputs", CONFIG_INT(r, alarmInputs));
    v.Int("alarmOutputs", CONFIG_INT(r, alarmOutputs));
    v.Int("ip", CONFIG_INT(r, ip), IntStyle::Address);
    v.Bytes("mac", r.mac, BytesStyle::Mac);
    v.Text("serialNumber", r.serialNumber);
    v.Text("modelSuffix", r.modelSuffix);
    v.Hex("reserved", r.reserved);
}

void VisitFields(FieldVisitor& v, HddInfoRecord& r) {
    v.Int("startTime", CONFIG_INT(r, startTime), IntStyle::DateTime);
    v.Int("endTime", CONFIG_INT(r, endTime), IntStyle::DateTime);
    v.Int("overwritten", CONFIG_INT(r, overwritten));
    v.Int("diskCount", CONFIG_INT(r, diskCount));
    v.List("disks", kMaxDisks, [&r](FieldVisitor& e, std::size_t i) {
        e.Int("totalHundredthsGB", Int32At(r.total, i));
        e.Int("freeHundredthsGB", Int32At(r.free, i));
        e.Int("bad8MiB", Int32At(r.bad, i));
    });
}

void VisitFields(FieldVisitor& v, EventRecord& r) {
    v.Hex("head", r.head);
    v.List("events", static_cast<std::size_t>(Abnormality::Count),
           [&r](FieldVisitor& e, std::size_t i) { VisitEnabledEntry(e, r.events[i]); });
}

void VisitFields(FieldVisitor& v, RecAdminRecord& r) {
    v.Hex("unused", Byte(r.unused));
    v.List("channels", kMaxChannels, [&r](FieldVisitor& e, std::size_t i) {
        e.Choice("mode", ByteAt(r.mode[i]), kRecordModes);
    });
}

void VisitFields(FieldVisitor& v, AlarmOutRecord& r) {
    constexpr std::size_t kFirst = AlarmOutRecord::ModeOffset(0);
    constexpr std::size_t kEnd = AlarmOutRecord::ModeOffset(kMaxAlarmOutputs);
    v.Hex("head", std::span<std::uint8_t>(r.bytes, kFirst));
    v.List("outputs", kMaxAlarmOutputs, [&r](FieldVisitor& e, std::size_t i) {
        const std::size_t at = AlarmOutRecord::ModeOffset(int(i));
        e.Choice("mode", ByteAt(r.bytes[at]), kRecordModes);
        e.Hex("reserved", Byte(r.bytes[at + 1]));
    });
    v.Hex("tail", std::span<std::uint8_t>(r.bytes + kEnd, sizeof r.bytes - kEnd));
}

void VisitFields(FieldVisitor& v, PtzPointRecord& r) {
    v.List("presets", kPresetSlots, [&r](FieldVisitor& e, std::size_t i) {
        PresetSlot& slot = r.slots[i];
        e.Int("used", CONFIG_INT(slot, used), IntStyle::Flag);
        e.Text("name", slot.name);
    });
}

void VisitFields(FieldVisitor& v, PtzCruiseRecord& r) {
    v.List("patrols", kCruisePatrols, [&r](FieldVisitor& e, std::size_t i) {
        CruisePatrol& patrol = r.patrols[i];
        e.Int("used", CONFIG_INT(patrol, used), IntStyle::Flag);
        e.Hex("reserved", Byte(patrol.reserved));
        e.Int("intervalSeconds", CONFIG_INT(patrol, intervalSeconds));
        e.List("slots", kCruiseSlots, [&patrol](FieldVisitor& s, std::size_t k) {
            CruiseSlot& slot = patrol.slots[k];
            s.Int("set", CONFIG_INT(slot, set), IntStyle::Flag);
            s.Int("preset", CONFIG_INT(slot, preset));
        });
    });
}

void VisitIdentity(FieldVisitor& v, VersionRecord& r) {
    v.Text("model", r.model);
    v.Text("serialNumber", r.serialNumber);
    v.Int("systemVersion", CONFIG_INT(r, systemVersion));
    v.Int("videoInputs", CONFIG_INT(r, videoInputs));
    v.Int("alarmInputs", CONFIG_INT(r, alarmInputs));
    v.Int("alarmOutputs", CONFIG_INT(r, alarmOutputs));
}

}  // namespace config
