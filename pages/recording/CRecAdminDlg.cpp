// The record management page.
#include "pages/recording/CRecAdminDlg.h"

#include "records/SessionState.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/DataExchange.h"
#include "ui/Styles.h"

namespace {

constexpr pages::ModeColumns::Column kColumns[device::kMaxChannels] = {
    {IDC_RECADMIN_CH1_LABEL, IDC_RECADMIN_STOP1, IDC_RECADMIN_MANUAL1, IDC_RECADMIN_AUTO1},
    {IDC_RECADMIN_CH2_LABEL, IDC_RECADMIN_STOP2, IDC_RECADMIN_MANUAL2, IDC_RECADMIN_AUTO2},
    {IDC_RECADMIN_CH3_LABEL, IDC_RECADMIN_STOP3, IDC_RECADMIN_MANUAL3, IDC_RECADMIN_AUTO3},
    {IDC_RECADMIN_CH4_LABEL, IDC_RECADMIN_STOP4, IDC_RECADMIN_MANUAL4, IDC_RECADMIN_AUTO4},
    {IDC_RECADMIN_CH5_LABEL, IDC_RECADMIN_STOP5, IDC_RECADMIN_MANUAL5, IDC_RECADMIN_AUTO5},
    {IDC_RECADMIN_CH6_LABEL, IDC_RECADMIN_STOP6, IDC_RECADMIN_MANUAL6, IDC_RECADMIN_AUTO6},
    {IDC_RECADMIN_CH7_LABEL, IDC_RECADMIN_STOP7, IDC_RECADMIN_MANUAL7, IDC_RECADMIN_AUTO7},
    {IDC_RECADMIN_CH8_LABEL, IDC_RECADMIN_STOP8, IDC_RECADMIN_MANUAL8, IDC_RECADMIN_AUTO8},
    {IDC_RECADMIN_CH9_LABEL, IDC_RECADMIN_STOP9, IDC_RECADMIN_MANUAL9, IDC_RECADMIN_AUTO9},
    {IDC_RECADMIN_CH10_LABEL, IDC_RECADMIN_STOP10, IDC_RECADMIN_MANUAL10, IDC_RECADMIN_AUTO10},
    {IDC_RECADMIN_CH11_LABEL, IDC_RECADMIN_STOP11, IDC_RECADMIN_MANUAL11, IDC_RECADMIN_AUTO11},
    {IDC_RECADMIN_CH12_LABEL, IDC_RECADMIN_STOP12, IDC_RECADMIN_MANUAL12, IDC_RECADMIN_AUTO12},
    {IDC_RECADMIN_CH13_LABEL, IDC_RECADMIN_STOP13, IDC_RECADMIN_MANUAL13, IDC_RECADMIN_AUTO13},
    {IDC_RECADMIN_CH14_LABEL, IDC_RECADMIN_STOP14, IDC_RECADMIN_MANUAL14, IDC_RECADMIN_AUTO14},
    {IDC_RECADMIN_CH15_LABEL, IDC_RECADMIN_STOP15, IDC_RECADMIN_MANUAL15, IDC_RECADMIN_AUTO15},
    {IDC_RECADMIN_CH16_LABEL, IDC_RECADMIN_STOP16, IDC_RECADMIN_MANUAL16, IDC_RECADMIN_AUTO16},
};

}  // namespace

CRecAdminDlg::CRecAdminDlg()
    : RecordPage(IDD_RECADMIN, text::kTextManageRecord, records::RecordId::RecAdmin),
      columns_(kColumns, {IDC_RECADMIN_ALL_STOP, IDC_RECADMIN_ALL_MANUAL, IDC_RECADMIN_ALL_AUTO}) {}

void CRecAdminDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_RECADMIN_MODE_LABEL, text::kTextRecordMode},
                                  {IDC_RECADMIN_AUTO_LABEL, text::kTextAuto},
                                  {IDC_RECADMIN_MANUAL_LABEL, text::kTextManual},
                                  {IDC_RECADMIN_STOP_LABEL, text::kTextStopRecordMode},
                                  {IDC_RECADMIN_ALL_AUTO, text::kTextAllSelect},
                                  {IDC_RECADMIN_ALL_MANUAL, text::kTextAllSelect},
                                  {IDC_RECADMIN_ALL_STOP, text::kTextAllSelect},
                              });

    columns_.SetUp(*this, records::ChannelCount);
}

void CRecAdminDlg::Load(const device::RecAdminRecord& recAdmin) {
    for (int c = 0; c < columns_.Count(); ++c)
        columns_.Load(c, recAdmin.mode[c]);
}

void CRecAdminDlg::Store(device::RecAdminRecord& recAdmin) {
    // The record starts as the cached one: the unused byte and the channels the recorder does
    // not have keep what was fetched.
    for (int c = 0; c < columns_.Count(); ++c) {
        if (const auto mode = columns_.Mode(c))
            recAdmin.mode[c] = *mode;
    }
}

void CRecAdminDlg::DoDataExchange(ui::DataExchange& dx) {
    columns_.Exchange(dx);
}

bool CRecAdminDlg::OnCommand(int id, int code) {
    if (code == ui::kBnClicked && columns_.OnClicked(*this, id))
        return true;
    return RecordPage::OnCommand(id, code);
}
