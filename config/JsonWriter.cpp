// Writes the fields of a record into a JSON object, in units a person reads.
#include "config/JsonWriter.h"

#include <stdexcept>

#include "config/FieldText.h"
#include "device/NetworkOrder.h"

namespace config {
namespace {

Json FlagValue(std::int64_t value) {
    if (value == 0 || value == 1)
        return Json(value == 1);
    return Json(value);
}

}  // namespace

Json& JsonWriter::Slot(const std::string& name) {
    // Two fields of one name would read back as one.
    if (object_.contains(name))
        throw std::logic_error("field named twice: " + name);
    return object_[name];
}

void JsonWriter::Int(const char* name, IntField field, IntStyle style, ChoiceNames names) {
    const std::int64_t value = field.Get();
    const auto word = static_cast<std::uint32_t>(value);
    switch (style) {
        case IntStyle::Number:
            Slot(name) = value;
            break;
        case IntStyle::Flag:
            Slot(name) = FlagValue(value);
            break;
        case IntStyle::Choice:
            Slot(name) = value;
            if (value >= 0 && std::size_t(value) < names.size() && names[std::size_t(value)])
                Slot(std::string(name) + "Means") = names[std::size_t(value)];
            break;
        case IntStyle::Address:
            Slot(name) = FormatAddress(word);
            break;
        case IntStyle::HourMinute:
            if (word < 0x10000 && (word >> 8) < 24 && (word & 255) < 60)
                Slot(name) = FormatHourMinute(int(word >> 8), int(word & 255));
            else
                Slot(name) = value;
            break;
        case IntStyle::MinuteBE:
            Slot(name) = device::NetworkToHost16(static_cast<std::uint16_t>(word));
            break;
        case IntStyle::DateTime:
            Slot(name) = FormatPackedDateTime(word);
            break;
    }
}

void JsonWriter::Text(const char* name, std::span<char> field, bool secret) {
    if (secret && !secrets_)
        return;
    Slot(name) = FieldText(field);
    // Bytes that are not plain text go beside it, so that the field restores as it was.
    if (!IsCleanText(field)) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(field.data());
        Slot(std::string(name) + "Bytes") = FormatHex({bytes, field.size()});
    }
}

void JsonWriter::Bytes(const char* name, std::span<std::uint8_t> bytes, BytesStyle style) {
    switch (style) {
        case BytesStyle::Hex:
            Slot(name) = FormatHex(bytes);
            break;
        case BytesStyle::Mac:
            Slot(name) = FormatMac(bytes);
            break;
        case BytesStyle::Flags: {
            Json list = Json::array();
            for (std::uint8_t b : bytes)
                list.push_back(FlagValue(b));
            Slot(name) = std::move(list);
            break;
        }
    }
}

void JsonWriter::Object(const char* name, const std::function<void(FieldVisitor&)>& body) {
    Json inner = Json::object();
    JsonWriter writer(inner, secrets_);
    body(writer);
    Slot(name) = std::move(inner);
}

void JsonWriter::List(const char* name, std::size_t count,
                      const std::function<void(FieldVisitor&, std::size_t)>& entry) {
    Json list = Json::array();
    for (std::size_t i = 0; i < count; ++i) {
        Json inner = Json::object();
        JsonWriter writer(inner, secrets_);
        entry(writer, i);
        list.push_back(std::move(inner));
    }
    Slot(name) = std::move(list);
}

}  // namespace config
