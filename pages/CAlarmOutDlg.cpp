// The Alarm Out page.
#include "pages/CAlarmOutDlg.h"

#include <algorithm>

#include "app/Session.h"
#include "device/ZelDisp.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/DataExchange.h"
#include "ui/Styles.h"

using device::AlarmOutRecord;
using device::kMaxAlarmOutputs;

namespace {

// The controls of one output's column. The Stop button opens the column's radio group.
struct Column {
    int number;
    int stop;
    int manual;
    int automatic;
};

constexpr Column kColumns[kMaxAlarmOutputs] = {
    {IDC_ALARMOUT_OUT1_LABEL, IDC_ALARMOUT_STOP1, IDC_ALARMOUT_MANUAL1, IDC_ALARMOUT_AUTO1},
    {IDC_ALARMOUT_OUT2_LABEL, IDC_ALARMOUT_STOP2, IDC_ALARMOUT_MANUAL2, IDC_ALARMOUT_AUTO2},
    {IDC_ALARMOUT_OUT3_LABEL, IDC_ALARMOUT_STOP3, IDC_ALARMOUT_MANUAL3, IDC_ALARMOUT_AUTO3},
    {IDC_ALARMOUT_OUT4_LABEL, IDC_ALARMOUT_STOP4, IDC_ALARMOUT_MANUAL4, IDC_ALARMOUT_AUTO4},
};

int ShownOutputs() {
    return std::clamp(app::AlarmOutCount, 0, kMaxAlarmOutputs);
}

}  // namespace

CAlarmOutDlg::CAlarmOutDlg()
    : RecordPage(IDD_ALARMOUT, text::kTextAlarmOut, app::ConfigCache.alarmOut,
                 zelDispHisiNewMenuAlarmOutGet, zelDispHisiNewMenuAlarmOutSet) {}

void CAlarmOutDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_ALARMOUT_TYPE_LABEL, text::kTextAlarmType},
                                  {IDC_ALARMOUT_AUTO_LABEL, text::kTextAuto},
                                  {IDC_ALARMOUT_MANUAL_LABEL, text::kTextManual},
                                  {IDC_ALARMOUT_STOP_LABEL, text::kTextStopRecordMode},
                                  {IDC_ALARMOUT_ALL_AUTO, text::kTextAllSelect},
                                  {IDC_ALARMOUT_ALL_MANUAL, text::kTextAllSelect},
                                  {IDC_ALARMOUT_ALL_STOP, text::kTextAllSelect},
                              });

    ui::Window& window = GetWindow();
    for (int k = ShownOutputs(); k < kMaxAlarmOutputs; ++k) {
        for (int id :
             {kColumns[k].number, kColumns[k].stop, kColumns[k].manual, kColumns[k].automatic})
            window.ShowControl(id, false);
    }
}

void CAlarmOutDlg::Load(const AlarmOutRecord& alarmOut) {
    // A byte outside 0..2 reads as a mode no button stands for: the column shows none.
    for (int k = 0; k < ShownOutputs(); ++k)
        modes_[k] = static_cast<std::int8_t>(alarmOut.bytes[AlarmOutRecord::ModeOffset(k)]);
}

void CAlarmOutDlg::Store(AlarmOutRecord& alarmOut) {
    // The record starts as the cached one: every other byte, the outputs the recorder does not
    // have and a column without a checked button keep what was fetched.
    for (int k = 0; k < ShownOutputs(); ++k) {
        if (modes_[k] >= 0)
            alarmOut.bytes[AlarmOutRecord::ModeOffset(k)] = std::uint8_t(modes_[k]);
    }
}

void CAlarmOutDlg::DoDataExchange(ui::DataExchange& dx) {
    for (int k = 0; k < ShownOutputs(); ++k)
        dx.Radio(kColumns[k].stop, modes_[k]);
}

bool CAlarmOutDlg::OnCommand(int id, int code) {
    if (code == ui::kBnClicked) {
        switch (id) {
            case IDC_ALARMOUT_ALL_STOP:
                SelectAll(0);
                return true;
            case IDC_ALARMOUT_ALL_MANUAL:
                SelectAll(1);
                return true;
            case IDC_ALARMOUT_ALL_AUTO:
                SelectAll(2);
                return true;
            default:
                break;
        }
    }
    return RecordPage::OnCommand(id, code);
}

void CAlarmOutDlg::SelectAll(int mode) {
    for (int k = 0; k < ShownOutputs(); ++k)
        modes_[k] = mode;
    UpdateData(ui::Direction::ToControls);
}
