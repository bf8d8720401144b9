// The window's configuration-file commands for the open session: its recorder and its user's
// rights, and after an import that reached the recorder, the cache read again.
#pragma once

#include "window/ConfigFiles.h"

namespace session {

class SessionConfigFiles : public window::ConfigFiles {
  public:
    Result Export(const std::u16string& path) override;
    Result Import(const std::u16string& path) override;
};

}  // namespace session
