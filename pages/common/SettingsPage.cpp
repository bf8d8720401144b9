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

bool SettingsPage::OnInitDialog() {
    const bool result = PageDialog::OnInitDialog();
    TakeBaselines();
    return result;
}

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
    for (std::size_t i = 0; i < records_.size(); ++i) {
        PageRecord* record = records_[i];
        const std::span<std::uint8_t> cached = record->Cached();
        if (cached.empty()) {
            succeeded = false;
            break;
        }
        const Bytes outgoing = Outgoing(*record);
        if (std::equal(outgoing.begin(), outgoing.end(), cached.begin())) {
            Remember(i, outgoing);
            continue;
        }
        if (record->Set(outgoing) < 0) {
            succeeded = false;
            break;
        }
        if (policy_ == SavePolicy::AfterEachSet)
            zelDispSaveMenu(records::DeviceHandle);
        if (record->KeySettingsChanged(outgoing, cached))
            RebootPrompt();
        std::copy(outgoing.begin(), outgoing.end(), cached.begin());
        Remember(i, outgoing);
    }
    if (succeeded && policy_ == SavePolicy::OnceAtEnd)
        zelDispSaveMenu(records::DeviceHandle);
    NotifyPending();
    ShowResult(succeeded);
}

void SettingsPage::Refresh() {
    // Each record is read into a temporary: a Get that fails may have written into its buffer,
    // so nothing it fetched is used, and that record's controls, working copy and cache stay.
    bool succeeded = true;
    std::vector<bool> loaded(records_.size(), false);
    for (std::size_t i = 0; i < records_.size(); ++i) {
        PageRecord* record = records_[i];
        const std::span<std::uint8_t> cached = record->Cached();
        Bytes fetched(cached.size());
        if (cached.empty() || record->Get(fetched) < 0) {
            succeeded = false;
            continue;
        }
        record->Load(fetched);
        std::copy(fetched.begin(), fetched.end(), cached.begin());
        loaded[i] = true;
    }
    if (succeeded)
        RefreshCompanions();
    // Unsaved edits stay on screen when nothing was loaded; a record that was loaded is
    // compared from now on with what the page builds from it.
    if (std::find(loaded.begin(), loaded.end(), true) != loaded.end()) {
        UpdateData(ui::Direction::ToControls);
        UpdateData(ui::Direction::FromControls);
        for (std::size_t i = 0; i < records_.size(); ++i) {
            if (loaded[i])
                Remember(i, Outgoing(*records_[i]));
        }
    }
    NotifyPending();
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
    // What the recorder now holds is what Save compares with.
    TakeBaselines();
    NotifyPending();
}

void SettingsPage::Default() {
    LoadDefaults();
    UpdateData(ui::Direction::ToControls);
    NotifyPending();
}

void SettingsPage::AllDefault() {
    LoadAllDefaults();
    UpdateData(ui::Direction::ToControls);
    NotifyPending();
}

void SettingsPage::Copy() {
    UpdateData(ui::Direction::FromControls);
    CopyEntry();
}

void SettingsPage::Paste() {
    if (PasteEntry())
        UpdateData(ui::Direction::ToControls);
}

bool SettingsPage::HasPendingEdits() {
    if (baselines_.size() != records_.size())
        return false;
    UpdateData(ui::Direction::FromControls);
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (Outgoing(*records_[i]) != baselines_[i])
            return true;
    }
    return false;
}

SettingsPage::Bytes SettingsPage::Outgoing(PageRecord& record) {
    const std::span<std::uint8_t> cached = record.Cached();
    Bytes outgoing(cached.begin(), cached.end());
    if (cached.empty())
        return outgoing;
    if (record.BuildMode() == Build::FromZeros)
        std::fill(outgoing.begin(), outgoing.end(), 0);
    record.Store(outgoing);
    return outgoing;
}

void SettingsPage::TakeBaselines() {
    UpdateData(ui::Direction::FromControls);
    baselines_.clear();
    for (PageRecord* record : records_)
        baselines_.push_back(Outgoing(*record));
}

void SettingsPage::Remember(std::size_t record, const Bytes& built) {
    if (record < baselines_.size())
        baselines_[record] = built;
}

void SettingsPage::ShowResult(bool succeeded) {
    MessageBox(Text(succeeded ? text::kTextSucceed : text::kTextFailed), Text(text::kTextInfo),
               ui::kMbOk | ui::kMbIconExclamation);
}

}  // namespace pages
