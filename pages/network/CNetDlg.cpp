// The Network page.
#include "pages/network/CNetDlg.h"

#include "records/SessionState.h"
#include "device/Ipv4.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Format.h"
#include "ui/NumberText.h"
#include "ui/Styles.h"

namespace {

std::uint16_t Port(const std::u16string& text) {
    return static_cast<std::uint16_t>(ui::IntegerFromText(text, 0, 65535));
}

}  // namespace

CNetDlg::CNetDlg() : RecordPage(IDD_NET, text::kTextNetwork, records::RecordId::Net) {}

void CNetDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_NET_IP_LABEL, text::kTextIp},
                                  {IDC_NET_MASK_LABEL, text::kTextSubnetMask},
                                  {IDC_NET_GATEWAY_LABEL, text::kTextGateway},
                                  {IDC_NET_CMD_PORT_LABEL, text::kTextCmdPort},
                                  {IDC_NET_HTTP_PORT_LABEL, text::kTextHttpPort},
                                  {IDC_NET_DATA_PORT_LABEL, text::kTextDataPort},
                                  {IDC_NET_TALK_PORT_LABEL, text::kTextTalkPort},
                                  {IDC_NET_DNS1_LABEL, text::kTextPreferredDns},
                                  {IDC_NET_DNS2_LABEL, text::kTextAlternateDns},
                              });

    const std::pair<ui::CMyEdit*, int> ports[] = {{&cmdPortEdit_, IDC_NET_CMD_PORT},
                                                  {&httpPortEdit_, IDC_NET_HTTP_PORT},
                                                  {&dataPortEdit_, IDC_NET_DATA_PORT},
                                                  {&talkPortEdit_, IDC_NET_TALK_PORT}};
    for (auto [edit, id] : ports) {
        edit->SetNumeric(0, 65535);
        edit->Attach(*this, id);
    }
}

void CNetDlg::Load(const device::NetRecord& net) {
    GetIpAddress(IDC_NET_IP).SetAddress(net.ip);
    GetIpAddress(IDC_NET_MASK).SetAddress(net.subnetMask);
    GetIpAddress(IDC_NET_GATEWAY).SetAddress(net.gateway);
    GetIpAddress(IDC_NET_DNS1).SetAddress(net.preferredDns);
    GetIpAddress(IDC_NET_DNS2).SetAddress(net.alternateDns);
    cmdPort_ = ui::Format("%u", unsigned(net.cmdPort));
    httpPort_ = ui::Format("%u", unsigned(net.httpPort));
    dataPort_ = ui::Format("%u", unsigned(net.dataPort));
    talkPort_ = ui::Format("%u", unsigned(net.talkPort));
    dhcp_ = net.dhcp != 0;
    ApplyEnableRule(dhcp_ != 0);
}

void CNetDlg::Store(device::NetRecord& net) {
    net.dhcp = dhcp_ ? 1 : 0;
    net.ip = GetIpAddress(IDC_NET_IP).GetAddress();
    net.subnetMask = GetIpAddress(IDC_NET_MASK).GetAddress();
    net.gateway = GetIpAddress(IDC_NET_GATEWAY).GetAddress();
    net.preferredDns = GetIpAddress(IDC_NET_DNS1).GetAddress();
    net.alternateDns = GetIpAddress(IDC_NET_DNS2).GetAddress();
    net.cmdPort = Port(cmdPort_);
    net.httpPort = Port(httpPort_);
    net.dataPort = Port(dataPort_);
    net.talkPort = Port(talkPort_);
}

bool CNetDlg::KeySettingsChanged(const device::NetRecord& sent, const device::NetRecord& cached) {
    return sent.cmdPort != cached.cmdPort || sent.dataPort != cached.dataPort ||
           sent.httpPort != cached.httpPort || sent.talkPort != cached.talkPort;
}

void CNetDlg::LoadDefaults() {
    GetIpAddress(IDC_NET_IP).SetAddress(device::Ipv4FromOctets(192, 168, 1, 100));
    GetIpAddress(IDC_NET_MASK).SetAddress(device::Ipv4FromOctets(255, 255, 255, 0));
    GetIpAddress(IDC_NET_GATEWAY).SetAddress(device::Ipv4FromOctets(192, 168, 1, 254));
    GetIpAddress(IDC_NET_DNS1).SetAddress(device::Ipv4FromOctets(8, 8, 8, 8));
    GetIpAddress(IDC_NET_DNS2).SetAddress(device::Ipv4FromOctets(8, 8, 4, 4));
    cmdPort_ = u"3357";
    dataPort_ = u"3356";
    httpPort_ = u"80";
    talkPort_ = u"3360";
    dhcp_ = 0;
    ApplyEnableRule(false);
}

void CNetDlg::DoDataExchange(ui::DataExchange& dx) {
    dx.Check(IDC_NET_DHCP, dhcp_);
    dx.Text(IDC_NET_CMD_PORT, cmdPort_);
    dx.Text(IDC_NET_HTTP_PORT, httpPort_);
    dx.Text(IDC_NET_DATA_PORT, dataPort_);
    dx.Text(IDC_NET_TALK_PORT, talkPort_);
}

bool CNetDlg::OnCommand(int id, int code) {
    if (id == IDC_NET_DHCP && code == ui::kBnClicked) {
        ApplyEnableRule(GetButton(IDC_NET_DHCP).IsChecked());
        return true;
    }
    return RecordPage::OnCommand(id, code);
}

void CNetDlg::ApplyEnableRule(bool dhcp) {
    for (int id : {IDC_NET_IP, IDC_NET_MASK, IDC_NET_GATEWAY})
        GetIpAddress(id).Enable(!dhcp);
}
