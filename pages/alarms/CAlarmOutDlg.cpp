// The Alarm Out page.
#include "pages/alarms/CAlarmOutDlg.h"

#include "records/SessionState.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/DataExchange.h"
#include "ui/Styles.h"

using device::AlarmOutRecord;
using device::kMaxAlarmOutputs;

namespace {

constexpr pages::ModeColumns::Column kColumns[kMaxAlarmOutputs] = {
    {IDC_ALARMOUT_OUT1_LABEL, IDC_ALARMOUT_STOP1, IDC_ALARMOUT_MANUAL1, IDC_ALARMOUT_AUTO1},
    {IDC_ALARMOUT_OUT2_LABEL, IDC_ALARMOUT_STOP2, IDC_ALARMOUT_MANUAL2, IDC_ALARMOUT_AUTO2},
    {IDC_ALARMOUT_OUT3_LABEL, IDC_ALARMOUT_STOP3, IDC_ALARMOUT_MANUAL3, IDC_ALARMOUT_AUTO3},
    {IDC_ALARMOUT_OUT4_LABEL, IDC_ALARMOUT_STOP4, IDC_ALARMOUT_MANUAL4, IDC_ALARMOUT_AUTO4},
};

}  // namespace

CAlarmOutDlg::CAlarmOutDlg()
    : RecordPage(IDD_ALARMOUT, text::kTextAlarmOut, records::RecordId::AlarmOut),
      columns_(kColumns, {IDC_ALARMOUT_ALL_STOP, IDC_ALARMOUT_ALL_MANUAL, IDC_ALARMOUT_ALL_AUTO}) {}

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

    columns_.SetUp(*this, records::AlarmOutCount);
}

void CAlarmOutDlg::Load(const AlarmOutRecord& alarmOut) {
    for (int k = 0; k < columns_.Count(); ++k)
        columns_.Load(k, alarmOut.bytes[AlarmOutRecord::ModeOffset(k)]);
}

void CAlarmOutDlg::Store(AlarmOutRecord& alarmOut) {
    // The record starts as the cached one: every other byte and the outputs the recorder does
    // not have keep what was fetched.
    for (int k = 0; k < columns_.Count(); ++k) {
        if (const auto mode = columns_.Mode(k))
            alarmOut.bytes[AlarmOutRecord::ModeOffset(k)] = *mode;
    }
}

void CAlarmOutDlg::DoDataExchange(ui::DataExchange& dx) {
    columns_.Exchange(dx);
}

bool CAlarmOutDlg::OnCommand(int id, int code) {
    if (code == ui::kBnClicked && columns_.OnClicked(*this, id))
        return true;
    return RecordPage::OnCommand(id, code);
}
