// An import onto the open session's recorder, with the session user's rights, as the window
// runs it: first a check that says what it would change, then the import, after which the
// session's cache holds what the recorder holds of every record the import changed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "records/ConfigTransfer.h"

namespace records {

// What an import would send and change; nothing is sent.
TransferResult CheckImportIntoSession(const std::filesystem::path& path, std::uint32_t flags);

// Imports the file. Each record the import changed is read again into the cache through a
// temporary, so that a failing read leaves no bytes of its own there: the cache then takes
// what the recorder accepted. Each is told to the pages that watch it. before gets what the
// cache held of each record of result.changed until then, in the same order. A failed import
// that could not put everything back withholds the save on closing (ImportNotPutBack) until an
// import goes through.
TransferResult ImportIntoSession(const std::filesystem::path& path, std::uint32_t flags,
                                 std::vector<std::vector<std::uint8_t>>& before);

}  // namespace records
