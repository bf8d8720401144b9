// The channel name dialog.
#include "pages/display/CChanNameDlg.h"

#include <cstring>
#include <string>

#include "records/SessionState.h"
#include "device/Utf8Field.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"

namespace {

// Channel c's label and edit; each kind's ids follow one another.
int LabelId(int channel) {
    return IDC_CHANNAME_LABEL1 + channel;
}
int EditId(int channel) {
    return IDC_CHANNAME_EDIT1 + channel;
}

}  // namespace

CChanNameDlg::CChanNameDlg()
    : RecordPage(IDD_CHANNAME, text::kTextChannelName, records::RecordId::ChanName) {}

void CChanNameDlg::SetUpControls() {
    SetDlgItemText(IDC_CHANNAME_CANCEL, pages::Text(text::kTextCancel));
    for (int c = 0; c < device::kMaxChannels; ++c) {
        SetDlgItemText(LabelId(c), pages::NumberedText(text::kTextView, c + 1));
        edits_[c].SetTextLimit(kNameLimit);
        edits_[c].Attach(*this, EditId(c));
    }
}

void CChanNameDlg::Load(const device::ChanNameRecord& names) {
    for (int c = 0; c < records::ChannelCount; ++c) {
        // Within the field also when the recorder left it without a terminator.
        SetDlgItemText(EditId(c), device::DecodeUtf8Field(names.names[c]));
        GetStatic(LabelId(c)).Show(true);
        GetEdit(EditId(c)).Show(true);
    }
}

void CChanNameDlg::Store(device::ChanNameRecord& names) {
    for (int c = 0; c < records::ChannelCount; ++c) {
        // The name and its terminator; the rest of the field keeps what it held.
        const std::string name = device::EncodeUtf8(GetEdit(EditId(c)).Text(), kNameLimit - 1);
        std::memcpy(names.names[c], name.data(), name.size());
        names.names[c][name.size()] = '\0';
    }
}

void CChanNameDlg::LoadDefaults() {
    for (int c = 0; c < device::kMaxChannels; ++c)
        SetDlgItemText(EditId(c), pages::Text(text::kTextCam1 + std::uint32_t(c)));
}
