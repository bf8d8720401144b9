// Reads the fields of a record back from a JSON object into the typed record.
#include "config/JsonReader.h"

#include <algorithm>
#include <cstring>

#include "config/FieldText.h"
#include "device/NetworkOrder.h"
#include "device/PackedDateTime.h"

namespace config {
namespace {

bool InRange(const std::vector<int>& values, std::initializer_list<std::pair<int, int>> ranges) {
    std::size_t i = 0;
    for (const auto& [low, high] : ranges) {
        if (values[i] < low || values[i] > high)
            return false;
        ++i;
    }
    return true;
}

}  // namespace

JsonReader::JsonReader(const Json& object, std::string path)
    : object_(object), path_(std::move(path)) {}

std::string JsonReader::Where(const std::string& name) const {
    return path_.empty() ? name : path_ + "." + name;
}

void JsonReader::Fail(ConfigFault fault, const std::string& name, const std::string& what) const {
    throw ConfigError(fault, name.empty() ? path_ : Where(name), what);
}

const Json* JsonReader::Take(const std::string& name) {
    taken_.insert(name);
    const auto found = object_.find(name);
    return found == object_.end() ? nullptr : &*found;
}

void JsonReader::Finish() const {
    for (const auto& item : object_.items()) {
        if (!taken_.contains(item.key()))
            Fail(ConfigFault::UnknownField, item.key(), "no such field");
    }
}

std::int64_t JsonReader::Integer(const std::string& name, const Json& value, std::int64_t low,
                                 std::int64_t high) const {
    const std::string range = "outside " + std::to_string(low) + " to " + std::to_string(high);
    if (value.is_number_float()) {
        // A number beyond what a whole number holds is still a number, and out of range.
        const double number = value.get<double>();
        if (number < double(low) || number > double(high))
            Fail(ConfigFault::OutOfRange, name, range);
        Fail(ConfigFault::WrongType, name, "a whole number was expected");
    }
    if (!value.is_number_integer())
        Fail(ConfigFault::WrongType, name, "a whole number was expected");
    const bool tooLarge =
        value.is_number_unsigned() && value.get<std::uint64_t>() > std::uint64_t(INT64_MAX);
    const std::int64_t number = tooLarge ? INT64_MAX : value.get<std::int64_t>();
    if (tooLarge || number < low || number > high)
        Fail(ConfigFault::OutOfRange, name, range);
    return number;
}

std::string JsonReader::String(const std::string& name, const Json& value) const {
    if (!value.is_string())
        Fail(ConfigFault::WrongType, name, "a text was expected");
    return value.get<std::string>();
}

void JsonReader::Int(const char* name, IntField field, IntStyle style, ChoiceNames) {
    if (style == IntStyle::Choice) {
        // The meaning beside a choice is for the reader of the file; the number decides.
        const std::string means = std::string(name) + "Means";
        if (const Json* text = Take(means))
            String(means, *text);
    }
    const Json* value = Take(name);
    if (!value)
        return;
    switch (style) {
        case IntStyle::Number:
        case IntStyle::Choice:
            field.Set(Integer(name, *value, field.Min(), field.Max()));
            return;
        case IntStyle::Flag:
            if (value->is_boolean())
                field.Set(value->get<bool>() ? 1 : 0);
            else
                field.Set(Integer(name, *value, field.Min(), field.Max()));
            return;
        case IntStyle::Address: {
            const auto octets = ParseNumbers(String(name, *value), "...");
            if (!octets)
                Fail(ConfigFault::WrongType, name, "an address a.b.c.d was expected");
            if (!InRange(*octets, {{0, 255}, {0, 255}, {0, 255}, {0, 255}}))
                Fail(ConfigFault::OutOfRange, name, "each part of an address is 0 to 255");
            const auto& o = *octets;
            field.Set((std::int64_t(o[0]) << 24) | (o[1] << 16) | (o[2] << 8) | o[3]);
            return;
        }
        case IntStyle::HourMinute: {
            if (value->is_number_integer()) {
                field.Set(Integer(name, *value, field.Min(), field.Max()));
                return;
            }
            const auto parts = ParseNumbers(String(name, *value), ":");
            if (!parts)
                Fail(ConfigFault::WrongType, name, "a time hh:mm or a number was expected");
            if (!InRange(*parts, {{0, 255}, {0, 255}}))
                Fail(ConfigFault::OutOfRange, name, "hour and minute are 0 to 255 each");
            field.Set((*parts)[0] * 256 + (*parts)[1]);
            return;
        }
        case IntStyle::MinuteBE:
            field.Set(device::HostToNetwork16(
                static_cast<std::uint16_t>(Integer(name, *value, 0, 0xFFFF))));
            return;
        case IntStyle::DateTime: {
            const auto parts = ParseNumbers(String(name, *value), "-- ::");
            if (!parts)
                Fail(ConfigFault::WrongType, name, "a date yyyy-mm-dd hh:mm:ss was expected");
            if (!InRange(*parts, {{1984, 2047}, {0, 15}, {0, 31}, {0, 31}, {0, 63}, {0, 63}}))
                Fail(ConfigFault::OutOfRange, name, "the date or time does not fit its field");
            const auto& p = *parts;
            field.Set(device::PackDateTime({p[0], p[1], p[2], p[3], p[4], p[5]}));
            return;
        }
    }
}

void JsonReader::Text(const char* name, std::span<char> field, bool) {
    const std::string bytesName = std::string(name) + "Bytes";
    const Json* text = Take(name);
    const Json* bytes = Take(bytesName);
    std::optional<std::string> wanted;
    if (text)
        wanted = String(name, *text);
    if (bytes) {
        const auto raw = ParseHex(String(bytesName, *bytes));
        if (!raw)
            Fail(ConfigFault::WrongType, bytesName, "hex digits were expected");
        if (raw->size() != field.size())
            Fail(ConfigFault::OutOfRange, bytesName,
                 "the field holds exactly " + std::to_string(field.size()) + " bytes");
        // The bytes stand unless the text beside them was changed since.
        const std::span<const char> exact(reinterpret_cast<const char*>(raw->data()), raw->size());
        if (!wanted || *wanted == FieldText(exact)) {
            std::memcpy(field.data(), raw->data(), field.size());
            return;
        }
    }
    if (!wanted)
        return;
    if (wanted->size() >= field.size())
        Fail(ConfigFault::OutOfRange, name,
             "longer than the field's " + std::to_string(field.size() - 1) + " bytes");
    if (wanted->find('\0') != std::string::npos)
        Fail(ConfigFault::OutOfRange, name, "a text field cannot hold a zero character");
    std::fill(field.begin(), field.end(), '\0');
    std::copy(wanted->begin(), wanted->end(), field.begin());
}

void JsonReader::Bytes(const char* name, std::span<std::uint8_t> bytes, BytesStyle style) {
    const Json* value = Take(name);
    if (!value)
        return;
    const std::string size = std::to_string(bytes.size());
    if (style == BytesStyle::Flags) {
        if (!value->is_array())
            Fail(ConfigFault::WrongType, name, "a list was expected");
        // A shorter list leaves the entries after it as they are.
        if (value->size() > bytes.size())
            Fail(ConfigFault::Counts, name,
                 std::to_string(value->size()) + " entries; there are at most " + size);
        for (std::size_t i = 0; i < value->size(); ++i) {
            const Json& entry = (*value)[i];
            const std::string where = std::string(name) + "[" + std::to_string(i) + "]";
            bytes[i] = entry.is_boolean() ? std::uint8_t(entry.get<bool>())
                                          : std::uint8_t(Integer(where, entry, 0, 255));
        }
        return;
    }
    const auto raw = ParseHex(String(name, *value), style == BytesStyle::Mac ? ':' : 0);
    if (!raw)
        Fail(ConfigFault::WrongType, name,
             style == BytesStyle::Mac ? "an address aa:bb:cc:dd:ee:ff was expected"
                                      : "hex digits were expected");
    if (raw->size() != bytes.size())
        Fail(ConfigFault::OutOfRange, name, "the field holds exactly " + size + " bytes");
    std::copy(raw->begin(), raw->end(), bytes.begin());
}

void JsonReader::Object(const char* name, const std::function<void(FieldVisitor&)>& body) {
    const Json* value = Take(name);
    if (!value)
        return;
    if (!value->is_object())
        Fail(ConfigFault::WrongType, name, "an object was expected");
    JsonReader reader(*value, Where(name));
    body(reader);
    reader.Finish();
}

void JsonReader::List(const char* name, std::size_t count,
                      const std::function<void(FieldVisitor&, std::size_t)>& entry) {
    const Json* value = Take(name);
    if (!value)
        return;
    if (!value->is_array())
        Fail(ConfigFault::WrongType, name, "a list was expected");
    if (value->size() > count)
        Fail(
            ConfigFault::Counts, name,
            std::to_string(value->size()) + " entries; there are at most " + std::to_string(count));
    for (std::size_t i = 0; i < value->size(); ++i) {
        const std::string where = Where(name) + "[" + std::to_string(i) + "]";
        if (!(*value)[i].is_object())
            throw ConfigError(ConfigFault::WrongType, where, "an object was expected");
        JsonReader reader((*value)[i], where);
        entry(reader, i);
        reader.Finish();
    }
}

}  // namespace config
