// Ravelin.dll as the monitoring client holds it: loaded from the program's own folder, its two
// entries looked up by name.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "device/CallConv.h"

namespace host {

class RavelinLibrary {
  public:
    using InitConfig = std::int32_t(ZEL_CALL*)(std::uint32_t handle, std::uint32_t language);
    using InitConfigEx = std::int32_t(ZEL_CALL*)(std::uint32_t handle, std::uint32_t language,
                                                 std::uint32_t reserved, std::int32_t user);

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
