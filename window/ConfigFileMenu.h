// The configuration-file commands of the main window's system menu: export the recorder's
// configuration to a file chosen in the Save dialog, import one chosen in the Open dialog,
// and one message saying what came of it.
#pragma once

#include <functional>
#include <string>

#include "window/ConfigFiles.h"
#include "ui/Dialog.h"

namespace window {

class ConfigFileMenu {
  public:
    static constexpr int kExportCommand = 0x0100;
    static constexpr int kImportCommand = 0x0110;

    // reloadPages: has every page show the cache again after an import reached the recorder.
    ConfigFileMenu(ui::Dialog& window, std::function<void()> reloadPages)
        : window_(window), reloadPages_(std::move(reloadPages)) {}

    // Adds the two items after the standard ones when the session offers files (non-null).
    void Install(ConfigFiles* files);
    // Called for a system command of the window; true when it was one of ours.
    bool OnSysCommand(int id);

  private:
    void Export();
    void Import();
    ui::FileDialogRequest Request(ui::FileDialogKind kind) const;
    void Tell(const std::u16string& text);

    ui::Dialog& window_;
    std::function<void()> reloadPages_;
    ConfigFiles* files_ = nullptr;
};

}  // namespace window
