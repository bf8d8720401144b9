// The window's configuration-file commands for the open session: its recorder and its user's
// rights; after an import, the cache takes the records it changed.
#pragma once

#include "window/ConfigFiles.h"

namespace session {

class SessionConfigFiles : public window::ConfigFiles {
  public:
    records::TransferResult Export(const std::u16string& path) override;
    records::TransferResult Check(const std::u16string& path) override;
    Imported Import(const std::u16string& path) override;
};

}  // namespace session
