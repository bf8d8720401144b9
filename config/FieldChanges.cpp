// What an import would change, field by field.
#include "config/FieldChanges.h"

#include <string_view>

#include "config/JsonWriter.h"

namespace config {
namespace {

constexpr std::string_view kMeans = "Means";

// The record's fields as a file writes them, passwords included.
Json Written(const RecordFormat& record, std::size_t channel, const device::RecordSet& records) {
    Json object = Json::object();
    JsonWriter writer(object, true);
    // The writer only reads the fields; the visit functions take records that readers fill.
    record.visit(writer, const_cast<device::RecordSet&>(records), channel);
    return object;
}

// A password, or the exact bytes written beside one.
bool IsSecret(std::string_view name) {
    return name == "password" || name == "passwordBytes";
}

bool IsMeaning(std::string_view name) {
    return name.size() > kMeans.size() && name.substr(name.size() - kMeans.size()) == kMeans;
}

// "path[i]"; appended piece by piece (gcc 12 warns wrongly of overlapping copies otherwise).
std::string Indexed(const std::string& path, std::size_t i) {
    std::string indexed = path;
    indexed.append("[").append(std::to_string(i)).append("]");
    return indexed;
}

const Json* Find(const Json& object, const std::string& name) {
    const auto found = object.find(name);
    return found == object.end() ? nullptr : &*found;
}

std::string Shown(const Json* value, const Json* means) {
    if (!value)
        return "(none)";
    std::string text = value->is_string() ? value->get<std::string>() : value->dump();
    if (means && means->is_string())
        text += " (" + means->get<std::string>() + ")";
    return text;
}

void Compare(const std::string& path, const Json& before, const Json& after,
             std::vector<FieldChange>& changes);

// Field by field, in the order the record writes them; a choice's meaning stands beside its
// number, in the number's line.
void CompareObjects(const std::string& path, const Json& before, const Json& after,
                    std::vector<FieldChange>& changes) {
    std::vector<std::string> names;
    for (const auto& item : before.items())
        names.push_back(item.key());
    for (const auto& item : after.items()) {
        if (!before.contains(item.key()))
            names.push_back(item.key());
    }
    for (const std::string& name : names) {
        if (IsMeaning(name))
            continue;
        const Json* was = Find(before, name);
        const Json* now = Find(after, name);
        const std::string field = path + "." + name;
        if (was && now && (was->is_object() || was->is_array())) {
            Compare(field, *was, *now, changes);
        } else if (!was || !now || *was != *now) {
            if (IsSecret(name)) {
                changes.push_back({field, {}, {}, true});
            } else {
                const std::string means = name + std::string(kMeans);
                changes.push_back(
                    {field, Shown(was, Find(before, means)), Shown(now, Find(after, means))});
            }
        }
    }
}

void Compare(const std::string& path, const Json& before, const Json& after,
             std::vector<FieldChange>& changes) {
    if (before.is_object() && after.is_object()) {
        CompareObjects(path, before, after, changes);
    } else if (before.is_array() && after.is_array() && before.size() == after.size()) {
        for (std::size_t i = 0; i < before.size(); ++i)
            Compare(Indexed(path, i), before[i], after[i], changes);
    } else if (before != after) {
        changes.push_back({path, Shown(&before, nullptr), Shown(&after, nullptr)});
    }
}

}  // namespace

std::vector<FieldChange> FieldChanges(const RecordFormat& record, std::size_t channel,
                                      const device::RecordSet& before,
                                      const device::RecordSet& after) {
    const std::string path = record.perChannel ? Indexed(record.name, channel) : record.name;
    std::vector<FieldChange> changes;
    Compare(path, Written(record, channel, before), Written(record, channel, after), changes);
    return changes;
}

}  // namespace config
