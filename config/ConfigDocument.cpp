// A configuration file, written from records and read back onto them.
#include "config/ConfigDocument.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "config/ConfigError.h"
#include "config/JsonReader.h"
#include "config/RecordFields.h"
#include "device/Limits.h"

namespace config {
namespace {

std::string FirmwareText(std::int32_t version) {
    return std::to_string(version / 1000) + "." + std::to_string(version % 1000);
}

bool IsScalar(const Json& value) {
    return !value.is_object() && !value.is_array();
}

// Indented like any JSON, except that an object or list of plain values stands on one line:
// one schedule period, one preset, one list of flags per line.
void Pretty(const Json& value, int depth, std::string& out) {
    const bool flat = std::all_of(value.begin(), value.end(), IsScalar);
    if (IsScalar(value) || value.empty() || flat) {
        out += value.dump(-1, ' ', false);
        return;
    }
    const std::string indent(std::size_t(depth + 1) * 2, ' ');
    const bool object = value.is_object();
    out += object ? "{\n" : "[\n";
    bool first = true;
    for (auto it = value.begin(); it != value.end(); ++it) {
        if (!first)
            out += ",\n";
        first = false;
        out += indent;
        if (object)
            out += Json(it.key()).dump() + ": ";
        Pretty(*it, depth + 1, out);
    }
    out += '\n';
    out.append(std::size_t(depth) * 2, ' ');
    out += object ? '}' : ']';
}

// Walks the record's fields: an object, or a list with an object per channel.
void VisitRecord(FieldVisitor& v, const RecordFormat& record, device::RecordSet& records,
                 std::size_t channels) {
    if (record.perChannel) {
        v.List(record.name, channels,
               [&](FieldVisitor& e, std::size_t c) { record.visit(e, records, c); });
    } else {
        v.Object(record.name, [&](FieldVisitor& e) { record.visit(e, records, 0); });
    }
}

// Follows the parser through the document: refuses a name given twice in one object, and
// notes where the parser stands and whether the document has ended, so that bytes after a
// whole document are told from a document cut short.
class ParseWatch {
  public:
    bool Take(Json::parse_event_t event, const Json& parsed) {
        using Event = Json::parse_event_t;
        switch (event) {
            case Event::object_start:
            case Event::array_start:
                Enter();
                levels_.push_back({event == Event::array_start, Here(), 0, {}, {}});
                break;
            case Event::key:
                Name(parsed.get<std::string>());
                break;
            case Event::value:
                Enter();
                ended_ = levels_.empty();
                break;
            case Event::object_end:
            case Event::array_end:
                levels_.pop_back();
                ended_ = levels_.empty();
                break;
        }
        return true;
    }

    bool Ended() const { return ended_; }

    // The place of the value the parser reads now ("records.Net.httpPort", "…presets[7]").
    std::string Here() const {
        if (levels_.empty())
            return {};
        const Level& level = levels_.back();
        if (level.list)
            return std::string(level.path)
                .append("[")
                .append(std::to_string(level.entries - 1))
                .append("]");
        return level.path.empty() ? level.key : level.path + "." + level.key;
    }

  private:
    struct Level {
        bool list;
        std::string path;
        std::size_t entries = 0;         // of a list: the entries begun
        std::string key;                 // of an object: the name read last
        std::vector<std::string> names;  // of an object: every name read
    };

    // A value begins: in a list, its next entry.
    void Enter() {
        if (!levels_.empty() && levels_.back().list)
            ++levels_.back().entries;
    }

    void Name(std::string name) {
        Level& level = levels_.back();
        level.key = std::move(name);
        if (std::find(level.names.begin(), level.names.end(), level.key) != level.names.end())
            throw ConfigError(ConfigFault::DuplicateName, Here(), "named twice in one object");
        level.names.push_back(level.key);
    }

    std::vector<Level> levels_;
    bool ended_ = false;
};

// The file as JSON; refuses text that is not one whole JSON document, naming where it fails.
Json ParseJson(std::string_view text) {
    ParseWatch watch;
    try {
        return Json::parse(text, [&watch](int, Json::parse_event_t event, Json& parsed) {
            return watch.Take(event, parsed);
        });
    } catch (const Json::parse_error& e) {
        if (watch.Ended())
            throw ConfigError(
                ConfigFault::TrailingBytes, {},
                "bytes follow the end of the document (byte " + std::to_string(e.byte) + ")");
        if (e.byte >= text.size())
            throw ConfigError(ConfigFault::Truncated, {}, "the file ends too early");
        throw ConfigError(
            ConfigFault::NotJson, {},
            "not a configuration file (not JSON at byte " + std::to_string(e.byte) + ")");
    } catch (const Json::out_of_range&) {
        throw ConfigError(ConfigFault::OutOfRange, watch.Here(),
                          "a number beyond any field's range");
    }
}

}  // namespace

std::string WriteConfigDocument(const device::RecordSet& records,
                                std::span<const RecordFormat> which, int channels,
                                const ExportInfo& info) {
    // The writer walks the same field lists as the reader, which take records to fill.
    auto copy = std::make_unique<device::RecordSet>(records);
    Json doc = Json::object();
    doc["format"] = kFormatName;
    doc["formatVersion"] = kFormatVersion;
    doc["library"] = info.library;
    doc["exported"] = info.time;
    doc["secrets"] = info.secrets;
    JsonWriter top(doc, info.secrets);
    top.Object("recorder", [&](FieldVisitor& v) { VisitIdentity(v, copy->version); });
    doc["recorder"]["firmware"] = FirmwareText(copy->version.systemVersion);
    top.Object("records", [&](FieldVisitor& v) {
        for (const RecordFormat& record : which)
            VisitRecord(v, record, *copy, std::size_t(channels));
    });
    std::string text;
    Pretty(doc, 0, text);
    return text + "\n";
}

ConfigDocument ConfigDocument::Parse(std::string_view text, std::span<const RecordFormat> known) {
    Json json = ParseJson(text);
    const auto format = json.is_object() ? json.find("format") : json.end();
    if (!json.is_object() || format == json.end() || *format != kFormatName)
        throw ConfigError(ConfigFault::NotOurs, {}, "not a recorder configuration file");
    const auto version = json.find("formatVersion");
    if (version == json.end() || !version->is_number_integer())
        throw ConfigError(ConfigFault::NotOurs, "formatVersion", "the format version is missing");
    if (version->is_number_unsigned() ? version->get<std::uint64_t>() > kFormatVersion
                                      : version->get<std::int64_t>() > kFormatVersion)
        throw ConfigError(
            ConfigFault::NewerFormat, "formatVersion",
            "written by a newer version of the format than " + std::to_string(kFormatVersion));
    if (version->get<std::int64_t>() < 1)
        throw ConfigError(ConfigFault::NotOurs, "formatVersion", "no such format version");

    ConfigDocument document(std::move(json), known);
    auto scratch = std::make_unique<device::RecordSet>();
    device::VersionRecord identity{};
    document.Read(*scratch, identity);
    const Json& recorder = document.json_["recorder"];
    if (recorder.contains("serialNumber") || recorder.contains("serialNumberBytes")) {
        SerialNumber serial{};
        std::memcpy(serial.data(), identity.serialNumber, serial.size());
        document.serialNumber_ = serial;
    }
    return document;
}

void ConfigDocument::Read(device::RecordSet& records, device::VersionRecord& version) const {
    JsonReader top(json_, {});
    top.Take("format");
    top.Take("formatVersion");
    for (const char* name : {"library", "exported"}) {
        if (const Json* value = top.Take(name); value && !value->is_string())
            top.Fail(ConfigFault::WrongType, name, "a text was expected");
    }
    if (const Json* secrets = top.Take("secrets"); secrets && !secrets->is_boolean())
        top.Fail(ConfigFault::WrongType, "secrets", "true or false was expected");
    const Json* recorder = top.Take("recorder");
    if (!recorder)
        top.Fail(ConfigFault::NotOurs, "recorder", "the file does not name its recorder");
    top.Object("recorder", [&](FieldVisitor& v) {
        VisitIdentity(v, version);
        auto& reader = static_cast<JsonReader&>(v);
        if (const Json* firmware = reader.Take("firmware"); firmware && !firmware->is_string())
            reader.Fail(ConfigFault::WrongType, "firmware", "a text was expected");
    });
    top.Object("records", [&](FieldVisitor& v) {
        for (const RecordFormat& record : known_)
            VisitRecord(v, record, records, device::kMaxChannels);
    });
    top.Finish();
}

bool ConfigDocument::Holds(const RecordFormat& record) const {
    const auto records = json_.find("records");
    return records != json_.end() && records->contains(record.name);
}

std::size_t ConfigDocument::ChannelEntries(const RecordFormat& record) const {
    return Holds(record) ? json_["records"][record.name].size() : 0;
}

void ConfigDocument::ApplyTo(device::RecordSet& records) const {
    device::VersionRecord identity{};
    Read(records, identity);
}

}  // namespace config
