// The Version page: the recorder's identity and capacities, read-only.
#include "pages/information/CVersionDlg.h"

#include "records/SessionState.h"
#include "device/Ipv4.h"
#include "device/PackedDateTime.h"
#include "device/Utf8Field.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Format.h"

CVersionDlg::CVersionDlg() : PageDialog(IDD_VERSION, text::kTextVersion) {}

void CVersionDlg::InitPage() {
    pages::SetCaptions(*this, {
                                  {IDC_VERSION_MODEL_LABEL, text::kTextDvrModel},
                                  {IDC_VERSION_SYSTEM_LABEL, text::kTextSystemVersion},
                                  {IDC_VERSION_MODEL_NO_LABEL, text::kTextModelNumber},
                                  {IDC_VERSION_VIDEO_IN_LABEL, text::kTextVideoInput},
                                  {IDC_VERSION_ALARM_IN_LABEL, text::kTextAlarmIn},
                                  {IDC_VERSION_IP_LABEL, text::kTextIp},
                                  {IDC_VERSION_SERIAL_LABEL, text::kTextSerialNumber},
                                  {IDC_VERSION_BOARD_LABEL, text::kTextMainBoard},
                                  {IDC_VERSION_BUILD_DATE_LABEL, text::kTextBuildDate},
                                  {IDC_VERSION_GUI_LABEL, text::kTextGuiVersion},
                                  {IDC_VERSION_AUDIO_IN_LABEL, text::kTextAudioInput},
                                  {IDC_VERSION_ALARM_OUT_LABEL, text::kTextAlarmOut},
                                  {IDC_VERSION_MAC_LABEL, text::kTextMac},
                              });

    const device::VersionRecord& v = records::ConfigCache.version;
    // Divisions truncate toward zero and remainders keep the dividend's sign.
    SetDlgItemText(IDC_VERSION_MODEL, device::DecodeUtf8Field(v.model));
    SetDlgItemText(IDC_VERSION_SYSTEM,
                   ui::Format("%d.%d", v.systemVersion / 1000, v.systemVersion % 1000));
    SetDlgItemText(IDC_VERSION_MODEL_NO,
                   ui::Format("%d  ", v.modelNumber) + device::DecodeUtf8Field(v.modelSuffix));
    SetDlgItemText(IDC_VERSION_VIDEO_IN, ui::Format("%d", v.videoInputs));
    SetDlgItemText(IDC_VERSION_ALARM_IN, ui::Format("%d", v.alarmInputs));
    SetDlgItemText(IDC_VERSION_IP, device::FormatIpv4(v.ip));
    SetDlgItemText(IDC_VERSION_SERIAL, device::DecodeUtf8Field(v.serialNumber));
    SetDlgItemText(IDC_VERSION_BOARD, device::DecodeUtf8Field(v.mainBoard));
    SetDlgItemText(IDC_VERSION_BUILD_DATE, device::FormatBuildDate(v.buildDate));
    SetDlgItemText(IDC_VERSION_GUI, ui::Format("%x.%04x", unsigned(v.guiVersion / 65536),
                                               unsigned(v.guiVersion % 65536)));
    SetDlgItemText(IDC_VERSION_AUDIO_IN, ui::Format("%d", v.audioInputs));
    SetDlgItemText(IDC_VERSION_ALARM_OUT, ui::Format("%d", v.alarmOutputs));
    SetDlgItemText(IDC_VERSION_MAC, ui::Format("%02x:%02x:%02x:%02x:%02x:%02x", v.mac[0], v.mac[1],
                                               v.mac[2], v.mac[3], v.mac[4], v.mac[5]));
}
