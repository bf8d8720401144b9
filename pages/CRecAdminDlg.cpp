// The record management page.
#include "pages/CRecAdminDlg.h"

#include "app/Session.h"
#include "device/ZelDisp.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/DataExchange.h"
#include "ui/Styles.h"

namespace {

// The controls of one channel's column. The Stop button opens the column's radio group.
struct Column {
    int number;
    int stop;
    int manual;
    int automatic;
};

constexpr Column kColumns[device::kMaxChannels] = {
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

int ShownChannels() {
    return app::ChannelCount < 0                      ? 0
           : app::ChannelCount > device::kMaxChannels ? device::kMaxChannels
                                                      : app::ChannelCount;
}

}  // namespace

CRecAdminDlg::CRecAdminDlg()
    : RecordPage(IDD_RECADMIN, text::kTextManageRecord, app::ConfigCache.recAdmin,
                 zelDispHisiNewMenuRecAdminGet, zelDispHisiNewMenuRecAdminSet) {}

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

    ui::Window& window = GetWindow();
    for (int c = ShownChannels(); c < device::kMaxChannels; ++c) {
        for (int id :
             {kColumns[c].number, kColumns[c].stop, kColumns[c].manual, kColumns[c].automatic})
            window.ShowControl(id, false);
    }
}

void CRecAdminDlg::Load(const device::RecAdminRecord& recAdmin) {
    // A byte outside 0..2 reads as a mode no button stands for: the column shows none.
    for (int c = 0; c < ShownChannels(); ++c)
        modes_[c] = static_cast<std::int8_t>(recAdmin.mode[c]);
}

void CRecAdminDlg::Store(device::RecAdminRecord& recAdmin) {
    // The record starts as the cached one: the unused byte, the channels the recorder does not
    // have and a column without a checked button keep what was fetched.
    for (int c = 0; c < ShownChannels(); ++c) {
        if (modes_[c] >= 0)
            recAdmin.mode[c] = std::uint8_t(modes_[c]);
    }
}

void CRecAdminDlg::DoDataExchange(ui::DataExchange& dx) {
    for (int c = 0; c < ShownChannels(); ++c)
        dx.Radio(kColumns[c].stop, modes_[c]);
}

bool CRecAdminDlg::OnCommand(int id, int code) {
    if (code == ui::kBnClicked) {
        switch (id) {
            case IDC_RECADMIN_ALL_STOP:
                SelectAll(0);
                return true;
            case IDC_RECADMIN_ALL_MANUAL:
                SelectAll(1);
                return true;
            case IDC_RECADMIN_ALL_AUTO:
                SelectAll(2);
                return true;
            default:
                break;
        }
    }
    return RecordPage::OnCommand(id, code);
}

void CRecAdminDlg::SelectAll(int mode) {
    for (int c = 0; c < ShownChannels(); ++c)
        modes_[c] = mode;
    UpdateData(ui::Direction::ToControls);
}
