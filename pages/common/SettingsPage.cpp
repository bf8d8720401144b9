// Base of the pages and dialogs that edit recorder settings.
#include "pages/common/SettingsPage.h"

#include <algorithm>

#include "pages/common/PageText.h"
#include "pages/common/RebootPrompt.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Styles.h"

namespace pages {
namespace {

// Marks the page's own exchange with the recorder for as long as it runs.
class Exchanging {
  public:
    explicit Exchanging(bool& flag) : flag_(flag) { flag_ = true; }
    ~Exchanging() { flag_ = false; }
    Exchanging(const Exchanging&) = delete;
    Exchanging& operator=(const Exchanging&) = delete;

  private:
    bool& flag_;
};

}  // namespace

SettingsPage::~SettingsPage() {
    records::StopWatching(*this);
}

void SettingsPage::AddRecord(PageRecord& record) {
    records_.push_back(&record);
    records::Watch(record.Id(), *this);
}

void SettingsPage::RecordChanged(records::RecordId id, int channel) {
    // The page's own exchanges take their baselines themselves.
    if (exchanging_ || !HasWindow() || baselines_.size() != records_.size())
        return;
    UpdateData(ui::Direction::FromControls);
    for (std::size_t i = 0; i < records_.size(); ++i) {
        PageRecord& record = *records_[i];
        if (record.Id() != id || record.Channel() != channel || record.Cached().empty())
            continue;
        // Bytes the page builds from the cache follow it, in what the page builds now and in
        // what it would have built untouched; the bytes the page writes itself keep their
        // baseline, so that its own edits stay pending and nothing else becomes so.
        const Bytes now = Outgoing(record);
        const Bytes before = OutgoingOverBaseCache(i);
        for (std::size_t b = 0; b < now.size() && b < before.size(); ++b) {
            if (now[b] != before[b])
                baselines_[i][b] = now[b];
        }
        const std::span<const std::uint8_t> cached = record.Cached();
        baseCaches_[i].assign(cached.begin(), cached.end());
    }
    NotifyPending();
}

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

void SettingsPage::OnCancel() {
    if (IsModal() && HasPendingEdits()) {
        const int answer = MessageBox(UnsavedChangesQuestion({GetWindowText()}),
                                      Text(text::kTextInfo), ui::kMbYesNo | ui::kMbIconExclamation);
        if (answer != ui::kIdYes)
            return;
    }
    PageDialog::OnCancel();
}

void SettingsPage::Save() {
    UpdateData(ui::Direction::FromControls);
    bool succeeded = true;
    {
        const Exchanging exchanging(exchanging_);
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
            // The cache takes what was sent; the restart question compares with what it held.
            const Bytes before(cached.begin(), cached.end());
            if (record->Send(outgoing) < 0) {
                succeeded = false;
                break;
            }
            if (policy_ == SavePolicy::AfterEachSet)
                records::MakePermanent();
            if (record->KeySettingsChanged(outgoing, before))
                RebootPrompt();
            Remember(i, outgoing);
        }
        if (succeeded && policy_ == SavePolicy::OnceAtEnd)
            records::MakePermanent();
    }
    NotifyPending();
    ShowResult(succeeded);
}

void SettingsPage::Refresh() {
    // Each record is read into a temporary: a Get that fails may have written into its buffer,
    // so nothing it fetched is used, and that record's controls, working copy and cache stay.
    const Exchanging exchanging(exchanging_);
    bool succeeded = true;
    std::vector<bool> loaded(records_.size(), false);
    for (std::size_t i = 0; i < records_.size(); ++i) {
        PageRecord* record = records_[i];
        if (!record->Reread()) {
            succeeded = false;
            continue;
        }
        record->Load(record->Cached());
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

SettingsPage::Bytes SettingsPage::OutgoingOverBaseCache(std::size_t i) {
    PageRecord& record = *records_[i];
    const std::span<std::uint8_t> cached = record.Cached();
    if (baseCaches_[i].size() != cached.size())
        return Outgoing(record);
    // The page builds from the cache (and may look at it while it does): the cache holds what
    // it held then, for as long as the page builds.
    const Bytes held(cached.begin(), cached.end());
    std::copy(baseCaches_[i].begin(), baseCaches_[i].end(), cached.begin());
    Bytes built = Outgoing(record);
    std::copy(held.begin(), held.end(), cached.begin());
    return built;
}

void SettingsPage::TakeBaselines() {
    UpdateData(ui::Direction::FromControls);
    baselines_.clear();
    baseCaches_.clear();
    for (PageRecord* record : records_) {
        baselines_.push_back(Outgoing(*record));
        const std::span<const std::uint8_t> cached = record->Cached();
        baseCaches_.emplace_back(cached.begin(), cached.end());
    }
}

void SettingsPage::Remember(std::size_t record, const Bytes& built) {
    if (record >= baselines_.size())
        return;
    baselines_[record] = built;
    const std::span<const std::uint8_t> cached = records_[record]->Cached();
    baseCaches_[record].assign(cached.begin(), cached.end());
}

void SettingsPage::ShowResult(bool succeeded) {
    MessageBox(Text(succeeded ? text::kTextSucceed : text::kTextFailed), Text(text::kTextInfo),
               ui::kMbOk | ui::kMbIconExclamation);
}

bool SettingsPage::Binds(records::RecordId id, int channel) const {
    return std::any_of(records_.begin(), records_.end(), [&](const PageRecord* record) {
        return record->Id() == id && record->Channel() == channel;
    });
}

bool SettingsPage::KeySettingsChangedSince(records::RecordId id, int channel,
                                           std::span<const std::uint8_t> before) {
    for (PageRecord* record : records_) {
        const std::span<const std::uint8_t> cached = record->Cached();
        if (record->Id() == id && record->Channel() == channel && cached.size() == before.size() &&
            record->KeySettingsChanged(cached, before))
            return true;
    }
    return false;
}

}  // namespace pages
