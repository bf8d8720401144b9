// The Alarm Center page. Its Save sends the network page's fields as the cache holds them.
#include "pages/network/CAlarmCenterDlg.h"

#include "records/SessionState.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"

CAlarmCenterDlg::CAlarmCenterDlg()
    : RecordPage(IDD_ALARMCENTER, text::kTextAlarmCenter, records::RecordId::Net) {}

void CAlarmCenterDlg::SetUpControls() {
    SetDlgItemText(IDC_ALARMCENTER_1_LABEL, pages::NumberedText(text::kTextAlarmCenter, 1));
    SetDlgItemText(IDC_ALARMCENTER_2_LABEL, pages::NumberedText(text::kTextAlarmCenter, 2));
}

void CAlarmCenterDlg::Load(const device::NetRecord& net) {
    GetIpAddress(IDC_ALARMCENTER_1).SetAddress(net.alarmCenter1);
    GetIpAddress(IDC_ALARMCENTER_2).SetAddress(net.alarmCenter2);
}

void CAlarmCenterDlg::Store(device::NetRecord& net) {
    net.alarmCenter1 = GetIpAddress(IDC_ALARMCENTER_1).GetAddress();
    net.alarmCenter2 = GetIpAddress(IDC_ALARMCENTER_2).GetAddress();
}

void CAlarmCenterDlg::LoadDefaults() {
    GetIpAddress(IDC_ALARMCENTER_1).SetAddress(0);
    GetIpAddress(IDC_ALARMCENTER_2).SetAddress(0);
}
