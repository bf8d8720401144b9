// The channel name dialog.
#include "pages/CChanNameDlg.h"

#include <cstring>
#include <string>

#include "app/Session.h"
#include "device/Utf8Field.h"
#include "device/ZelDisp.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"

namespace {

constexpr int kLabels[device::kMaxChannels] = {
    IDC_CHANNAME_LABEL1,  IDC_CHANNAME_LABEL2,  IDC_CHANNAME_LABEL3,  IDC_CHANNAME_LABEL4,
    IDC_CHANNAME_LABEL5,  IDC_CHANNAME_LABEL6,  IDC_CHANNAME_LABEL7,  IDC_CHANNAME_LABEL8,
    IDC_CHANNAME_LABEL9,  IDC_CHANNAME_LABEL10, IDC_CHANNAME_LABEL11, IDC_CHANNAME_LABEL12,
    IDC_CHANNAME_LABEL13, IDC_CHANNAME_LABEL14, IDC_CHANNAME_LABEL15, IDC_CHANNAME_LABEL16};
constexpr int kEdits[device::kMaxChannels] = {
    IDC_CHANNAME_EDIT1,  IDC_CHANNAME_EDIT2,  IDC_CHANNAME_EDIT3,  IDC_CHANNAME_EDIT4,
    IDC_CHANNAME_EDIT5,  IDC_CHANNAME_EDIT6,  IDC_CHANNAME_EDIT7,  IDC_CHANNAME_EDIT8,
    IDC_CHANNAME_EDIT9,  IDC_CHANNAME_EDIT10, IDC_CHANNAME_EDIT11, IDC_CHANNAME_EDIT12,
    IDC_CHANNAME_EDIT13, IDC_CHANNAME_EDIT14, IDC_CHANNAME_EDIT15, IDC_CHANNAME_EDIT16};

}  // namespace

CChanNameDlg::CChanNameDlg()
    : RecordPage(IDD_CHANNAME, text::kTextChannelName, app::ConfigCache.chanName,
                 zelDispHisiNewMenuChanNameGet, zelDispHisiNewMenuChanNameSet) {}

void CChanNameDlg::SetUpControls() {
    SetDlgItemText(IDC_CHANNAME_CANCEL, pages::Text(text::kTextCancel));
    for (int c = 0; c < device::kMaxChannels; ++c) {
        SetDlgItemText(kLabels[c], pages::NumberedText(text::kTextView, c + 1));
        edits_[c].SetTextLimit(kNameLimit);
        edits_[c].Attach(*this, kEdits[c]);
    }
}

void CChanNameDlg::Load(const device::ChanNameRecord& names) {
    for (int c = 0; c < app::ChannelCount; ++c) {
        // Within the field also when the recorder left it without a terminator.
        SetDlgItemText(kEdits[c], device::DecodeUtf8Field(names.names[c]));
        GetStatic(kLabels[c]).Show(true);
        GetEdit(kEdits[c]).Show(true);
    }
}

void CChanNameDlg::Store(device::ChanNameRecord& names) {
    for (int c = 0; c < app::ChannelCount; ++c) {
        // The name and its terminator; the rest of the field keeps what it held.
        const std::string name = device::EncodeUtf8(GetEdit(kEdits[c]).Text(), kNameLimit - 1);
        std::memcpy(names.names[c], name.data(), name.size());
        names.names[c][name.size()] = '\0';
    }
}

void CChanNameDlg::LoadDefaults() {
    for (int c = 0; c < device::kMaxChannels; ++c)
        SetDlgItemText(kEdits[c], pages::Text(text::kTextCam1 + std::uint32_t(c)));
}
