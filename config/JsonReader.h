// Reads the fields of a record back from a JSON object into the typed record. Every value is
// checked against what its field can hold; a field the object does not hold keeps the record's
// value; a name the object holds but no field has is refused (Finish).
#pragma once

#include <set>
#include <string>

#include "config/ConfigError.h"
#include "config/FieldVisitor.h"
#include "config/JsonWriter.h"

namespace config {

class JsonReader : public FieldVisitor {
  public:
    // path: where the object stands in the file, for messages ("Net", "Code.channels[2]").
    JsonReader(const Json& object, std::string path);

    using FieldVisitor::Int;
    using FieldVisitor::Text;
    void Int(const char* name, IntField field, IntStyle style, ChoiceNames names) override;
    void Text(const char* name, std::span<char> field, bool secret) override;
    void Bytes(const char* name, std::span<std::uint8_t> bytes, BytesStyle style) override;
    void Object(const char* name, const std::function<void(FieldVisitor&)>& body) override;
    void List(const char* name, std::size_t count,
              const std::function<void(FieldVisitor&, std::size_t)>& entry) override;

    // A name the caller reads itself; null when the object lacks it.
    const Json* Take(const std::string& name);
    // Refuses any name no field took.
    void Finish() const;

    [[noreturn]] void Fail(ConfigFault fault, const std::string& name,
                           const std::string& what) const;

  private:
    std::string Where(const std::string& name) const;
    std::int64_t Integer(const std::string& name, const Json& value, std::int64_t low,
                         std::int64_t high) const;
    std::string String(const std::string& name, const Json& value) const;

    const Json& object_;
    std::string path_;
    std::set<std::string> taken_;
};

}  // namespace config
