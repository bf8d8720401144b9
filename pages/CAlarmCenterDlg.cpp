// The Alarm Center page. Its Save sends the network page's fields as the cache holds them.
#include "pages/CAlarmCenterDlg.h"

#include <cstring>

#include "app/Session.h"
#include "device/ZelDisp.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Texts.h"

CAlarmCenterDlg::CAlarmCenterDlg()
    : SettingsPage(IDD_ALARMCENTER, text::kTextAlarmCenter),
      net_(app::ConfigCache.net, zelDispHisiNewMenuNetGet, zelDispHisiNewMenuNetSet) {
    AddRecord(net_);
}

void CAlarmCenterDlg::SetUpControls() {
    const std::u16string title(ui::Text(text::kTextAlarmCenter));
    SetDlgItemText(IDC_ALARMCENTER_1_LABEL, title + u"1");
    SetDlgItemText(IDC_ALARMCENTER_2_LABEL, title + u"2");
}

void CAlarmCenterDlg::LoadControls(int, std::span<const std::uint8_t> bytes) {
    device::NetRecord net;
    std::memcpy(&net, bytes.data(), sizeof net);
    GetIpAddress(IDC_ALARMCENTER_1).SetAddress(net.alarmCenter1);
    GetIpAddress(IDC_ALARMCENTER_2).SetAddress(net.alarmCenter2);
}

void CAlarmCenterDlg::StoreControls(int, std::span<std::uint8_t> bytes) {
    device::NetRecord net;
    std::memcpy(&net, bytes.data(), sizeof net);
    net.alarmCenter1 = GetIpAddress(IDC_ALARMCENTER_1).GetAddress();
    net.alarmCenter2 = GetIpAddress(IDC_ALARMCENTER_2).GetAddress();
    std::memcpy(bytes.data(), &net, sizeof net);
}

void CAlarmCenterDlg::LoadDefaults() {
    GetIpAddress(IDC_ALARMCENTER_1).SetAddress(0);
    GetIpAddress(IDC_ALARMCENTER_2).SetAddress(0);
}
