// One preset of the preset list.
#include "pages/ptz/CPointDlg.h"

#include "device/Utf8Field.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Format.h"
#include "ui/NumberText.h"
#include "ui/Styles.h"

namespace {

// The numbers of presets this dialog writes; slot 0 the recorder may report, but never gets.
constexpr int kFirstPreset = 1;
constexpr int kLastPreset = 254;
// 15 bytes of UTF-8 and the terminator.
constexpr int kNameBytes = 16;

bool Writable(int number) {
    return number >= kFirstPreset && number <= kLastPreset;
}

}  // namespace

CPointDlg::CPointDlg(device::PtzPointRecord& working, int number)
    : PageDialog(IDD_POINT, 0), working_(working), number_(number) {}

void CPointDlg::InitPage() {
    pages::SetCaptions(*this, {
                                  {IDC_POINT_NUMBER_LABEL, text::kTextNumberColumn},
                                  {IDC_POINT_NAME_LABEL, text::kTextName},
                                  {IDC_SAVE, text::kTextSave},
                                  {ui::kIdCancel, text::kTextCancel},
                              });
    numberEdit_.SetNumeric(0, kLastPreset);
    numberEdit_.Attach(*this, IDC_POINT_NUMBER);
    nameEdit_.SetTextLimit(kNameBytes);
    nameEdit_.Attach(*this, IDC_POINT_NAME);

    if (Writable(number_)) {
        GetEdit(IDC_POINT_NUMBER).Enable(false);
        numberText_ = ui::Format("%d", number_);
        name_ = device::DecodeUtf8Field(working_.slots[number_].name);
    }
}

void CPointDlg::DoDataExchange(ui::DataExchange& dx) {
    // A new preset's number field starts empty: the numeric edit would turn an empty text it
    // is given into "0".
    if (!dx.ToControls() || !numberText_.empty())
        dx.Text(IDC_POINT_NUMBER, numberText_);
    dx.Text(IDC_POINT_NAME, name_);
}

bool CPointDlg::OnCommand(int id, int code) {
    if (code == ui::kBnClicked && id == IDC_SAVE) {
        SavePreset();
        return true;
    }
    return PageDialog::OnCommand(id, code);
}

void CPointDlg::SavePreset() {
    UpdateData(ui::Direction::FromControls);
    const int number = ui::IntegerFromText(numberText_);
    if (Writable(number)) {
        device::PresetSlot& slot = working_.slots[number];
        // Whole characters within the field, the rest of it zeros.
        device::EncodeUtf8Field(name_, slot.name);
        slot.used = 1;
    }
    EndDialog(ui::kIdOk);
}
