// Base of the pages and dialogs that edit recorder settings.
#include "pages/common/SettingsPage.h"

#include <algorithm>

#include "device/ZelDisp.h"
#include "pages/common/PageText.h"
#include "pages/common/RebootPrompt.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Styles.h"

namespace pages {

void SettingsPage::InitPage() {
    const Caption commonButtons[] = {
        {IDC_SAVE, text::kTextSave},
        {IDC_REFRESH, text::kTextRefresh},
        {IDC_DEFAULT, text::kTextDefault},
        {IDC_COPY, text::kTextCopy},
        {IDC_PASTE, text::kTextPaste},
        {IDC_ALL_DEFAULT, text::kTextAllDefault},
        {IDC_SETTING, text::kTextSettingButton},
    };
    for (const Caption& button : commonButtons) {
        if (GetWindow().HasControl(button.control))
            SetDlgItemText(button.control, Text(button.text));
    }
    SetUpControls();
    for (PageRecord* record : records_) {
        const std::span<const std::uint8_t> cached = record->Cached();
        if (!cached.empty())
            record->Load(cached);
    }
}

bool SettingsPage::OnCommand(int id, int code) {
    if (code != ui::kBnClicked)
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

void SettingsPage::Save() {
    UpdateData(ui::Direction::FromControls);
    bool succeeded = true;
    for (PageRecord* record : records_) {
        const std::span<std::uint8_t> cached = record->Cached();
        if (cached.empty()) {
            succeeded = false;
            break;
        }
        std::vector<std::uint8_t> outgoing(cached.begin(), cached.end());
        if (record->BuildMode() == Build::FromZeros)
            std::fill(outgoing.begin(), outgoing.end(), 0);
        record->Store(outgoing);

        if (std::equal(outgoing.begin(), outgoing.end(), cached.begin()))
            continue;
        if (record->Set(outgoing) < 0) {
            succeeded = false;
            break;
        }
        if (policy_ == SavePolicy::AfterEachSet)
            zelDispSaveMenu(app::DeviceHandle);
        if (record->KeySettingsChanged(outgoing, cached))
            RebootPrompt();
        std::copy(outgoing.begin(), outgoing.end(), cached.begin());
    }
    if (succeeded && policy_ == SavePolicy::OnceAtEnd)
        zelDispSaveMenu(app::DeviceHandle);
    ShowResult(succeeded);
}

void SettingsPage::Refresh() {
    // Each record is read into a temporary: a Get that fails may have written into its buffer,
    // so nothing it fetched is used, and that record's controls, working copy and cache stay.
    bool succeeded = true;
    bool loaded = false;
    for (PageRecord* record : records_) {
        const std::span<std::uint8_t> cached = record->Cached();
        std::vector<std::uint8_t> fetched(cached.size());
        if (cached.empty() || record->Get(fetched) < 0) {
            succeeded = false;
            continue;
        }
        record->Load(fetched);
        std::copy(fetched.begin(), fetched.end(), cached.begin());
        loaded = true;
    }
    if (succeeded)
        RefreshCompanions();
    // Unsaved edits stay on screen when nothing was loaded.
    if (loaded)
        UpdateData(ui::Direction::ToControls);
    if (!succeeded)
        ShowResult(false);
}

void SettingsPage::ReloadFromCache() {
    for (PageRecord* record : records_) {
        const std::span<const std::uint8_t> cached = record->Cached();
        if (!cached.empty())
            record->Load(cached);
    }
    UpdateData(ui::Direction::ToControls);
}

void SettingsPage::Default() {
    LoadDefaults();
    UpdateData(ui::Direction::ToControls);
}

void SettingsPage::AllDefault() {
    LoadAllDefaults();
    UpdateData(ui::Direction::ToControls);
}

void SettingsPage::Copy() {
    UpdateData(ui::Direction::FromControls);
    CopyEntry();
}

void SettingsPage::Paste() {
    if (PasteEntry())
        UpdateData(ui::Direction::ToControls);
}

void SettingsPage::ShowResult(bool succeeded) {
    MessageBox(Text(succeeded ? text::kTextSucceed : text::kTextFailed), Text(text::kTextInfo),
               ui::kMbOk | ui::kMbIconExclamation);
}

}  // namespace pages
