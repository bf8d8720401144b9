// Writes the fields of a record into a JSON object, in units a person reads.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

#include "config/FieldVisitor.h"

namespace config {

using Json = nlohmann::ordered_json;

class JsonWriter : public FieldVisitor {
  public:
    // secrets: whether passwords are written.
    JsonWriter(Json& object, bool secrets) : object_(object), secrets_(secrets) {}

    using FieldVisitor::Int;
    using FieldVisitor::Text;
    void Int(const char* name, IntField field, IntStyle style, ChoiceNames names) override;
    void Text(const char* name, std::span<char> field, bool secret) override;
    void Bytes(const char* name, std::span<std::uint8_t> bytes, BytesStyle style) override;
    void Object(const char* name, const std::function<void(FieldVisitor&)>& body) override;
    void List(const char* name, std::size_t count,
              const std::function<void(FieldVisitor&, std::size_t)>& entry) override;

  private:
    Json& Slot(const std::string& name);

    Json& object_;
    bool secrets_;
};

}  // namespace config
