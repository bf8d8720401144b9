// The configuration-file commands of the main window's system menu: export the recorder's
// configuration to a file chosen in the Save dialog; import one chosen in the Open dialog,
// first asking when pages hold edits not sent, then saying what the file would change and
// sending it only on Yes; afterwards the pages whose records changed show them, the restart
// question follows a changed key setting, and one message says what came of it.
#pragma once

#include <string>
#include <vector>

#include "pages/common/SettingsPage.h"
#include "records/ConfigTransfer.h"
#include "ui/Dialog.h"
#include "window/ConfigFiles.h"
#include "window/PendingMarks.h"

namespace window {

class ConfigFileMenu {
  public:
    static constexpr int kExportCommand = 0x0100;
    static constexpr int kImportCommand = 0x0110;

    // A settings page of the window, and the records its own dialogs edit, for which its node
    // stands too.
    struct Page {
        pages::SettingsPage* page;
        std::vector<records::RecordId> dialogRecords;
    };

    ConfigFileMenu(ui::Dialog& window, PendingMarks& marks) : window_(window), marks_(marks) {}

    // Adds the two items after the standard ones when the session offers files (non-null).
    // pages: the window's settings pages, in the order of its page table.
    void Install(ConfigFiles* files, std::vector<Page> pages);
    // Called for a system command of the window; true when it was one of ours.
    bool OnSysCommand(int id);

  private:
    void Export();
    void Import();
    ui::FileDialogRequest Request(ui::FileDialogKind kind) const;
    // The captions of the pages that show the records, in the tree's order; records no page
    // shows by their names.
    std::vector<std::u16string> PagesShowing(const std::vector<records::RecordRef>& records) const;
    // What the file would change, as the question before it is sent.
    std::u16string Preview(const records::TransferResult& check) const;
    // The pages whose records changed show the cache again; true when a change touches a key
    // setting of one of them.
    bool ShowChanges(const ConfigFiles::Imported& imported);
    void Tell(const std::u16string& text, bool succeeded);

    ui::Dialog& window_;
    PendingMarks& marks_;
    std::vector<Page> pages_;
    ConfigFiles* files_ = nullptr;
};

}  // namespace window
