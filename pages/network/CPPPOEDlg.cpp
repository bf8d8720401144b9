// The dial-up page.
#include "pages/network/CPPPOEDlg.h"

#include "records/SessionState.h"
#include "pages/common/PageText.h"
#include "text/TextIds.h"

CPPPOEDlg::CPPPOEDlg()
    : RecordPage(IDD_PPPOE, text::kTextPppoe, records::RecordId::Dial, pages::Build::FromZeros) {}

void CPPPOEDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_PPPOE_TYPE_LABEL, text::kTextNetworkType},
                                  {IDC_PPPOE_USER_LABEL, text::kTextUser},
                                  {IDC_PPPOE_PASSWORD_LABEL, text::kTextPassword},
                                  {IDC_PPPOE_MODE_LABEL, text::kTextDialUp},
                              });
    ui::ComboBox type = GetComboBox(IDC_PPPOE_TYPE);
    for (std::uint32_t id :
         {text::kTextNetTypePppoe, text::kTextTdcdma, text::kTextWcdma, text::kTextCdma2000})
        type.AddString(pages::Text(id));
    ui::ComboBox mode = GetComboBox(IDC_PPPOE_MODE);
    for (std::uint32_t id : {text::kTextNever, text::kTextTrigger, text::kTextAlways})
        mode.AddString(pages::Text(id));
    user_.Attach(*this);
    password_.Attach(*this);
}

void CPPPOEDlg::Load(const device::DialRecord& dial) {
    // A byte no entry has (0xFF among them) selects nothing.
    GetComboBox(IDC_PPPOE_TYPE).SelectIndex(dial.networkType);
    GetComboBox(IDC_PPPOE_MODE).SelectIndex(dial.dialMode);
    user_.Load(dial.user);
    password_.Load(dial.password);
}

void CPPPOEDlg::Store(device::DialRecord& dial) {
    // The record is built from zeros; a list without a selection keeps the cached byte.
    const device::DialRecord& cached = CachedRecord();
    dial.dialMode = std::uint8_t(GetComboBox(IDC_PPPOE_MODE).Selection().value_or(cached.dialMode));
    dial.networkType =
        std::uint8_t(GetComboBox(IDC_PPPOE_TYPE).Selection().value_or(cached.networkType));
    user_.Store(dial.user);
    password_.Store(dial.password);
}

void CPPPOEDlg::DoDataExchange(ui::DataExchange& dx) {
    user_.Exchange(dx);
    password_.Exchange(dx);
}
