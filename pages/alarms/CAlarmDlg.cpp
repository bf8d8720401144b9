// The Alarm page.
#include "pages/alarms/CAlarmDlg.h"

#include <algorithm>

#include "records/SessionState.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Format.h"
#include "ui/Styles.h"

using device::AlarmInEntry;
using device::AlarmInRecord;

CAlarmDlg::CAlarmDlg() : RecordPage(IDD_ALARM, text::kTextAlarm, records::RecordId::AlarmIn) {}

void CAlarmDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_ALARM_INPUT_LABEL, text::kTextAlarmIn},
                                  {IDC_ALARM_TYPE_LABEL, text::kTextAlarmInType},
                              });
    linkage_.SetUp();

    const int inputCount = std::clamp(records::AlarmInCount, 0, device::kMaxAlarmInputs);
    ui::ComboBox inputs = GetComboBox(IDC_ALARM_INPUT);
    for (int i = 1; i <= inputCount; ++i)
        inputs.AddString(ui::Format("%d", i));
    inputs.SetCurSel(0);
    inputs_.Reset(inputCount);

    ui::ComboBox type = GetComboBox(IDC_ALARM_TYPE);
    type.AddString(pages::Text(text::kTextNormalOpen));
    type.AddString(pages::Text(text::kTextNormalClose));
}

void CAlarmDlg::Load(const AlarmInRecord& alarmIn) {
    working_ = alarmIn;
    inputs_.ShowCurrent();
}

void CAlarmDlg::Store(AlarmInRecord& alarmIn) {
    // Without any input on the selector the working copy goes as it is.
    inputs_.TakeCurrent();
    alarmIn = working_;
}

void CAlarmDlg::ShowEntry(int index) {
    const AlarmInEntry& entry = Input(index);
    GetComboBox(IDC_ALARM_TYPE).SelectIndex(entry.contactType);
    linkage_.Load(entry.linkage);
}

void CAlarmDlg::TakeInto(AlarmInEntry& entry) const {
    // A type the list cannot show leaves it without a selection and keeps the byte.
    if (const auto type = GetComboBox(IDC_ALARM_TYPE).Selection())
        entry.contactType = static_cast<std::uint8_t>(*type);
    linkage_.Store(entry.linkage);
}

AlarmInEntry CAlarmDlg::DefaultEntry(int index) {
    AlarmInEntry entry{};
    entry.linkage = AlarmLinkageControls::Defaults(index);
    return entry;
}

void CAlarmDlg::LoadDefaults() {
    if (!inputs_.HasShown())
        return;
    Input(inputs_.Shown()) = DefaultEntry(inputs_.Shown());
    inputs_.ShowCurrent();
}

void CAlarmDlg::LoadAllDefaults() {
    for (int i = 0; i < inputs_.Count(); ++i)
        Input(i) = DefaultEntry(i);
    inputs_.ShowCurrent();
}

void CAlarmDlg::CopyEntry() {
    if (!inputs_.HasShown())
        return;
    // The working copy's entry gives the bytes the controls do not show: the reserved bytes,
    // hidden channels and the PTZ linkage.
    AlarmInEntry entry = Input(inputs_.Shown());
    TakeInto(entry);
    clipboard_.Copy(entry);
}

bool CAlarmDlg::PasteEntry() {
    if (!inputs_.HasShown() || !clipboard_.PasteInto(Input(inputs_.Shown())))
        return false;
    inputs_.ShowCurrent();
    return true;
}

bool CAlarmDlg::OnCommand(int id, int code) {
    if (id == IDC_ALARM_INPUT && code == ui::kCbnSelChange) {
        inputs_.SwitchTo(GetComboBox(IDC_ALARM_INPUT).GetCurSel());
        return true;
    }
    if (id == IDC_SETTING && code == ui::kBnClicked) {
        EditPtz();
        return true;
    }
    return RecordPage::OnCommand(id, code);
}

void CAlarmDlg::EditPtz() {
    // The controls hold no PTZ data, so nothing is taken from them first.
    if (inputs_.HasShown())
        linkage_.EditPtz(Input(inputs_.Shown()).linkage.ptz);
}
