// The preset list of one channel's camera.
#include "pages/ptz/CPrePointDlg.h"

#include "records/SessionState.h"
#include "device/Utf8Field.h"
#include "pages/ptz/CPointDlg.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Format.h"
#include "ui/NumberText.h"
#include "ui/Styles.h"

namespace {

constexpr int kNumberWidth = 100;  // pixels
constexpr int kNameWidth = 350;

}  // namespace

CPrePointDlg::CPrePointDlg(int channel)
    : SettingsPage(IDD_PREPOINT, text::kTextPreset),
      channel_(channel),
      record_(records::RecordId::PtzPoint, channel_) {
    record_.SetEditor({
        [this](const device::PtzPointRecord& points) {
            working_ = points;
            FillList();
        },
        [this](device::PtzPointRecord& points) { points = working_; },
        {},
    });
    AddRecord(record_);
}

void CPrePointDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_PREPOINT_ADD, text::kTextAdd},
                                  {IDC_PREPOINT_MODIFY, text::kTextModify},
                                  {IDC_PREPOINT_DELETE, text::kTextDelete},
                                  {ui::kIdCancel, text::kTextCancel},
                              });
    ui::ListView list = GetListView(IDC_PREPOINT_LIST);
    list.SetExtendedStyle(ui::kLvsExGridLines | ui::kLvsExFullRowSelect);
    list.InsertColumn(0, pages::Text(text::kTextNumberColumn), kNumberWidth);
    list.InsertColumn(1, pages::Text(text::kTextName), kNameWidth);
}

void CPrePointDlg::FillList() {
    ui::ListView list = GetListView(IDC_PREPOINT_LIST);
    list.DeleteAllItems();
    for (int k = 0; k < device::kPresetSlots; ++k) {
        const device::PresetSlot& slot = working_.slots[k];
        if (slot.used == 0)
            continue;
        const int row = list.InsertItem(list.GetItemCount(), ui::Format("%d", k));
        list.SetItemText(row, 1, device::DecodeUtf8Field(slot.name));
    }
}

std::optional<int> CPrePointDlg::SelectedPreset() const {
    const ui::ListView list = GetListView(IDC_PREPOINT_LIST);
    const int row = list.GetSelectedRow();
    if (row < 0)
        return std::nullopt;
    const int number = ui::IntegerFromText(list.GetItemText(row, 0));
    if (number < 0 || number >= device::kPresetSlots)
        return std::nullopt;
    return number;
}

bool CPrePointDlg::OnCommand(int id, int code) {
    if (code == ui::kBnClicked) {
        switch (id) {
            case IDC_PREPOINT_ADD:
                AddPreset();
                return true;
            case IDC_PREPOINT_MODIFY:
                ModifyPreset();
                return true;
            case IDC_PREPOINT_DELETE:
                DeletePreset();
                return true;
            default:
                break;
        }
    }
    return SettingsPage::OnCommand(id, code);
}

void CPrePointDlg::AddPreset() {
    CPointDlg editor(working_, CPointDlg::kNewPreset);
    if (editor.DoModal(this) == ui::kIdOk)
        FillList();
}

void CPrePointDlg::ModifyPreset() {
    const std::optional<int> number = SelectedPreset();
    if (!number)
        return;
    CPointDlg editor(working_, *number);
    if (editor.DoModal(this) == ui::kIdOk)
        FillList();
}

void CPrePointDlg::DeletePreset() {
    const std::optional<int> number = SelectedPreset();
    if (!number)
        return;
    // The name stays in the slot; the preset is no longer defined.
    working_.slots[*number].used = 0;
    FillList();
}
