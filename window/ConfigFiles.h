// What the window's configuration-file commands ask of the session that runs the window:
// writing the recorder's records to a file and sending a file's records to it.
#pragma once

#include <string>

namespace window {

class ConfigFiles {
  public:
    enum class Outcome {
        Done,           // written; or every record that differed was sent and kept
        Refused,        // nothing was written or sent
        FailedPartway,  // some records were sent, then one failed; nothing was kept
    };
    struct Result {
        Outcome outcome = Outcome::Refused;
        int sent = 0;        // records sent by an import
        std::string reason;  // why, naming the record and field (English)
    };

    virtual ~ConfigFiles() = default;
    virtual Result Export(const std::u16string& path) = 0;
    // Unless refused, the session's cache holds the recorder's records again afterwards.
    virtual Result Import(const std::u16string& path) = 0;
};

}  // namespace window
