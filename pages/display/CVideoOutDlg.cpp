// The Display page.
#include "pages/display/CVideoOutDlg.h"

#include <cstring>

#include "records/Recorder.h"
#include "records/SessionState.h"
#include "pages/display/CChanNameDlg.h"
#include "pages/common/PageRecord.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Format.h"
#include "ui/NumberText.h"
#include "ui/Styles.h"

namespace {

// How many views of each kind the recorder's channels fill.
struct TourViews {
    int single;
    int quad;
    int split8;
    int split16;

    static TourViews Of(int channels) {
        const int quad = channels / 4;
        const int split8 = quad / 2;
        return {channels, quad, split8, split8 / 2 > 0 ? 1 : 0};
    }
};

// A row of tour check boxes, whose ids follow one another from the first: the shown ones from
// their bytes, and back.
void ShowRow(ui::Dialog& page, int firstId, const std::uint8_t* bytes, int shown) {
    for (int k = 0; k < shown; ++k) {
        ui::Button box = page.GetButton(firstId + k);
        box.Show(true);
        box.SetCheck(bytes[k] != 0);
    }
}

void TakeRow(const ui::Dialog& page, int firstId, std::uint8_t* bytes, int shown) {
    for (int k = 0; k < shown; ++k)
        bytes[k] = page.GetButton(firstId + k).IsChecked() ? 1 : 0;
}

}  // namespace

CVideoOutDlg::CVideoOutDlg()
    : RecordPage(IDD_VIDEOOUT, text::kTextDisplay, records::RecordId::VideoOut) {}

void CVideoOutDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_VIDEOOUT_TRANSPARENCY_LABEL, text::kTextTransparency},
                                  {IDC_VIDEOOUT_CHANNEL_NAME_LABEL, text::kTextChannelName},
                                  {IDC_VIDEOOUT_TIME_LABEL, text::kTextTimeDisplay},
                                  {IDC_VIDEOOUT_CHANNEL_DISPLAY_LABEL, text::kTextChannelDisplay},
                                  {IDC_VIDEOOUT_RESOLUTION_LABEL, text::kTextResolution},
                                  {IDC_VIDEOOUT_TOUR_LABEL, text::kTextEnableTour},
                                  {IDC_VIDEOOUT_INTERVAL_LABEL, text::kTextTourInterval},
                                  {IDC_VIDEOOUT_VIEW1_LABEL, text::kTextView1},
                                  {IDC_VIDEOOUT_VIEW4_LABEL, text::kTextView4},
                                  {IDC_VIDEOOUT_VIEW8_LABEL, text::kTextView8},
                                  {IDC_VIDEOOUT_VIEW16_LABEL, text::kTextView16},
                              });
    transparencyEdit_.SetNumeric(0, 255);
    transparencyEdit_.Attach(*this, IDC_VIDEOOUT_TRANSPARENCY);
    intervalEdit_.SetNumeric(0, 60);
    intervalEdit_.Attach(*this, IDC_VIDEOOUT_INTERVAL);

    ui::ComboBox resolution = GetComboBox(IDC_VIDEOOUT_RESOLUTION);
    for (const char16_t* size : {u"800*600", u"1024*768", u"1280*1024"})
        resolution.AddString(size);
}

void CVideoOutDlg::Load(const device::VideoOutRecord& videoOut) {
    working_ = videoOut;
    ShowWorkingCopy();
}

void CVideoOutDlg::ShowWorkingCopy() {
    transparency_ = ui::Format("%d", working_.transparency);
    GetButton(IDC_VIDEOOUT_TIME).SetCheck(working_.timeDisplay != 0);
    GetButton(IDC_VIDEOOUT_CHANNEL_DISPLAY).SetCheck(working_.channelNameDisplay != 0);
    GetButton(IDC_VIDEOOUT_TOUR).SetCheck(working_.tourEnable != 0);
    GetComboBox(IDC_VIDEOOUT_RESOLUTION).SelectIndex(working_.vgaResolution);
    interval_ = ui::Format("%d", working_.tourInterval);

    const TourViews views = TourViews::Of(records::ChannelCount);
    ShowRow(*this, IDC_VIDEOOUT_VIEW1_1, working_.view1, views.single);
    if (views.quad > 0)
        GetStatic(IDC_VIDEOOUT_VIEW4_LABEL).Show(true);
    ShowRow(*this, IDC_VIDEOOUT_VIEW4_1, working_.view4, views.quad);
    if (views.split8 > 0)
        GetStatic(IDC_VIDEOOUT_VIEW8_LABEL).Show(true);
    ShowRow(*this, IDC_VIDEOOUT_VIEW8_1, working_.view8, views.split8);
    if (views.split16 > 0)
        GetStatic(IDC_VIDEOOUT_VIEW16_LABEL).Show(true);
    ShowRow(*this, IDC_VIDEOOUT_VIEW16, &working_.view16, views.split16);
}

void CVideoOutDlg::Store(device::VideoOutRecord& videoOut) {
    working_.transparency = static_cast<std::uint8_t>(ui::IntegerFromText(transparency_, 0, 255));
    working_.timeDisplay = GetButton(IDC_VIDEOOUT_TIME).IsChecked() ? 1 : 0;
    working_.channelNameDisplay = GetButton(IDC_VIDEOOUT_CHANNEL_DISPLAY).IsChecked() ? 1 : 0;
    // A resolution no entry stands for stays as stored.
    if (const std::optional<int> resolution = GetComboBox(IDC_VIDEOOUT_RESOLUTION).Selection())
        working_.vgaResolution = static_cast<std::uint8_t>(*resolution);
    working_.tourEnable = GetButton(IDC_VIDEOOUT_TOUR).IsChecked() ? 1 : 0;
    working_.tourInterval = static_cast<std::int8_t>(ui::IntegerFromText(interval_, 0, 60));

    // Bytes of hidden check boxes keep their values.
    const TourViews views = TourViews::Of(records::ChannelCount);
    TakeRow(*this, IDC_VIDEOOUT_VIEW1_1, working_.view1, views.single);
    TakeRow(*this, IDC_VIDEOOUT_VIEW4_1, working_.view4, views.quad);
    TakeRow(*this, IDC_VIDEOOUT_VIEW8_1, working_.view8, views.split8);
    TakeRow(*this, IDC_VIDEOOUT_VIEW16, &working_.view16, views.split16);
    videoOut = working_;
}

bool CVideoOutDlg::KeySettingsChanged(const device::VideoOutRecord& sent,
                                      const device::VideoOutRecord& cached) {
    return sent.vgaResolution != cached.vgaResolution;
}

void CVideoOutDlg::LoadDefaults() {
    std::memset(&working_, 1, sizeof working_);
    working_.transparency = 200;
    working_.vgaResolution = 0;
    working_.tourEnable = 0;
    working_.tourInterval = 5;
    ShowWorkingCopy();
}

void CVideoOutDlg::RefreshCompanions() {
    records::RereadRecord(records::RecordId::ChanName);
}

void CVideoOutDlg::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_VIDEOOUT_TRANSPARENCY, transparency_);
    dx.Text(IDC_VIDEOOUT_INTERVAL, interval_);
}

bool CVideoOutDlg::OnCommand(int id, int code) {
    if (id == IDC_SETTING && code == ui::kBnClicked) {
        CChanNameDlg names;
        names.DoModal(this);
        return true;
    }
    return RecordPage::OnCommand(id, code);
}
