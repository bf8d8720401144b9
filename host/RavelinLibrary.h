// Ravelin.dll as the monitoring client holds it: loaded from the program's own folder, its two
// entries looked up by name.
#pragma once

#include <windows.h>

#include <string>

#include "include/Ravelin.h"

namespace host {

class RavelinLibrary {
  public:
    using InitConfig = RavelinInitConfig;
    using InitConfigEx = RavelinInitConfigEx;

    RavelinLibrary() = default;
    RavelinLibrary(const RavelinLibrary&) = delete;
    RavelinLibrary& operator=(const RavelinLibrary&) = delete;
    ~RavelinLibrary();

    // False with a message in error when the library or one of its entries is missing.
    bool Load(std::string& error);

    InitConfig initConfig() const { return initConfig_; }
    InitConfigEx initConfigEx() const { return initConfigEx_; }

  private:
    HMODULE module_ = nullptr;
    InitConfig initConfig_ = nullptr;
    InitConfigEx initConfigEx_ = nullptr;
};

}  // namespace host
