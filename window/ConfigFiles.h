// What the window's configuration-file commands ask of the session that runs the window:
// writing the recorder's records to a file, checking what a file would change, and sending a
// file's records to the recorder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/ConfigTransfer.h"

namespace window {

class ConfigFiles {
  public:
    // An import's result, and what the cache held of each record of result.changed before.
    struct Imported {
        records::TransferResult result;
        std::vector<std::vector<std::uint8_t>> before;
    };

    virtual ~ConfigFiles() = default;
    virtual records::TransferResult Export(const std::u16string& path) = 0;
    // Reads the recorder and compares: what an import of the file would send; sends nothing.
    virtual records::TransferResult Check(const std::u16string& path) = 0;
    // Afterwards the session's cache holds what the recorder holds of each record the import
    // changed, and the pages that watch one have heard of it.
    virtual Imported Import(const std::u16string& path) = 0;
};

}  // namespace window
