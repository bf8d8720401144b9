// Why a configuration file is refused, with the place in the file that says so.
#pragma once

#include <stdexcept>
#include <string>

namespace config {

enum class ConfigFault {
    NotJson,        // not JSON at all
    TrailingBytes,  // a whole document, then bytes after it
    NotOurs,        // JSON, but not a configuration file of this library
    NewerFormat,    // written by a later version of the format
    Truncated,      // ends before the document does
    OutOfRange,     // a value its field cannot hold
    WrongType,      // a value of another kind than its field takes
    UnknownField,   // a name no record has
    DuplicateName,  // a name twice in one object
    Counts,         // more entries than the recorder or the data model has
};

class ConfigError : public std::runtime_error {
  public:
    // where: the record and field ("Net.ip", "PTZPoint[3].presets[7].name"); may be empty.
    ConfigError(ConfigFault fault, std::string where, const std::string& what)
        : std::runtime_error(where.empty() ? what : where + ": " + what),
          fault_(fault),
          where_(std::move(where)) {}

    ConfigFault fault() const { return fault_; }
    const std::string& where() const { return where_; }

  private:
    ConfigFault fault_;
    std::string where_;
};

}  // namespace config
