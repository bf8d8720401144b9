// The window's configuration-file commands for the open session: its recorder and its user's
// rights, and after an import that reached the recorder, the cache read again.
#pragma once

#include "pages/ConfigFiles.h"

namespace app {

class SessionConfigFiles : public ConfigFiles {
  public:
    Result Export(const std::u16string& path) override;
    Result Import(const std::u16string& path) override;
};

}  // namespace app
