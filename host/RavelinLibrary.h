// Ravelin.dll as the monitoring client holds it: loaded from the program's own folder, its
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
    using ExportConfig = RavelinExportConfig;
    using ImportConfig = RavelinImportConfig;
    using ConfigMessage = RavelinConfigMessage;

    RavelinLibrary() = default;
    RavelinLibrary(const RavelinLibrary&) = delete;
    RavelinLibrary& operator=(const RavelinLibrary&) = delete;
    ~RavelinLibrary();

    // False with a message in error when the library or one of its entries is missing.
    bool Load(std::string& error);

    InitConfig initConfig() const { return initConfig_; }
    InitConfigEx initConfigEx() const { return initConfigEx_; }
    ExportConfig exportConfig() const { return exportConfig_; }
    ImportConfig importConfig() const { return importConfig_; }
    ConfigMessage configMessage() const { return configMessage_; }

  private:
    HMODULE module_ = nullptr;
    InitConfig initConfig_ = nullptr;
    InitConfigEx initConfigEx_ = nullptr;
    ExportConfig exportConfig_ = nullptr;
    ImportConfig importConfig_ = nullptr;
    ConfigMessage configMessage_ = nullptr;
};

}  // namespace host
