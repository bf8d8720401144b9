// Base of the pages that edit recorder settings.
#include "ui/SettingsPage.h"

#include <algorithm>
#include <cstring>

#include "device/ZelDisp.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/RebootPrompt.h"
#include "ui/Styles.h"
#include "ui/Texts.h"

namespace ui {

void SettingsPage::InitPage() {
    const struct {
        int id;
        std::uint32_t text;
    } commonButtons[] = {
        {IDC_SAVE, text::kTextSave},
        {IDC_REFRESH, text::kTextRefresh},
        {IDC_DEFAULT, text::kTextDefault},
        {IDC_COPY, text::kTextCopy},
        {IDC_PASTE, text::kTextPaste},
        {IDC_ALL_DEFAULT, text::kTextAllDefault},
        {IDC_SETTING, text::kTextSettingButton},
    };
    for (const auto& button : commonButtons) {
        if (GetWindow().HasControl(button.id))
            SetDlgItemText(button.id, Text(button.text));
    }
    SetUpControls();
    for (int i = 0; i < int(records_.size()); ++i)
        LoadControls(i, records_[i]->Cached());
}

bool SettingsPage::OnCommand(int id, int code) {
    if (code != kBnClicked)
        return false;
    switch (id) {
        case IDC_SAVE:
            Save();
            return true;
        case IDC_REFRESH:
            Refresh();
            return true;
        case IDC_DEFAULT:
            Default();
            return true;
        case IDC_ALL_DEFAULT:
            AllDefault();
            return true;
        case IDC_COPY:
            Copy();
            return true;
        case IDC_PASTE:
            Paste();
            return true;
        default:
            return false;
    }
}

bool SettingsPage::KeySettingsChanged(int, std::span<const std::uint8_t>,
                                      std::span<const std::uint8_t>) {
    return false;
}

void SettingsPage::Save() {
    UpdateData(Direction::FromControls);
    bool succeeded = true;
    for (int i = 0; i < int(records_.size()); ++i) {
        DeviceRecord& record = *records_[i];
        const std::span<std::uint8_t> cached = record.Cached();
        std::vector<std::uint8_t> outgoing(cached.begin(), cached.end());
        if (record.StartsFromZeros())
            std::fill(outgoing.begin(), outgoing.end(), 0);
        StoreControls(i, outgoing);

        if (std::equal(outgoing.begin(), outgoing.end(), cached.begin()))
            continue;
        if (record.Set(outgoing) < 0) {
            succeeded = false;
            break;
        }
        if (policy_ == SavePolicy::AfterEachSet)
            zelDispSaveMenu(app::DeviceHandle);
        if (KeySettingsChanged(i, outgoing, cached))
            RebootPrompt();
        std::copy(outgoing.begin(), outgoing.end(), cached.begin());
    }
    if (succeeded && policy_ == SavePolicy::OnceAtEnd)
        zelDispSaveMenu(app::DeviceHandle);
    ShowResult(succeeded);
}

void SettingsPage::Refresh() {
    // A Get that fails may have written into its buffer: nothing fetched is used, and
    // neither the controls nor the cache change, unless every Get succeeded.
    std::vector<std::vector<std::uint8_t>> fetched;
    for (DeviceRecord* record : records_) {
        std::vector<std::uint8_t> bytes(record->Cached().size());
        if (record->Get(bytes) < 0) {
            ShowResult(false);
            return;
        }
        fetched.push_back(std::move(bytes));
    }
    for (int i = 0; i < int(records_.size()); ++i) {
        LoadControls(i, fetched[i]);
        std::copy(fetched[i].begin(), fetched[i].end(), records_[i]->Cached().begin());
    }
    UpdateData(Direction::ToControls);
}

void SettingsPage::Default() {
    LoadDefaults();
    UpdateData(Direction::ToControls);
}

void SettingsPage::AllDefault() {
    LoadAllDefaults();
    UpdateData(Direction::ToControls);
}

void SettingsPage::Copy() {
    UpdateData(Direction::FromControls);
    StoreShownEntry();
    const std::span<std::uint8_t> entry = ShownEntry();
    clipboard_.assign(entry.begin(), entry.end());
    clipboardFilled_ = true;
}

void SettingsPage::Paste() {
    const std::span<std::uint8_t> entry = ShownEntry();
    if (!clipboardFilled_ || clipboard_.size() != entry.size())
        return;
    std::copy(clipboard_.begin(), clipboard_.end(), entry.begin());
    LoadShownEntry();
    UpdateData(Direction::ToControls);
}

void SettingsPage::ShowResult(bool succeeded) {
    MessageBox(Text(succeeded ? text::kTextSucceed : text::kTextFailed), Text(text::kTextInfo),
               kMbOk | kMbIconExclamation);
}

}  // namespace ui
