// The Encode page.
#include "pages/recording/CCodeDlg.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "records/SessionState.h"
#include "pages/recording/BitrateRange.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Format.h"
#include "ui/NumberText.h"
#include "ui/Styles.h"

using device::CodeChannel;
using device::CodeRecord;
using device::StreamSettings;

const CCodeDlg::StreamIds CCodeDlg::kMain = {
    .resolution = IDC_CODE_MAIN_RESOLUTION,
    .frameRate = IDC_CODE_MAIN_FRAME_RATE,
    .bitrateType = IDC_CODE_MAIN_BITRATE_TYPE,
    .quality = IDC_CODE_MAIN_QUALITY,
    .bitrate = IDC_CODE_MAIN_BITRATE,
    .custom = IDC_CODE_MAIN_CUSTOM,
    .reference = IDC_CODE_MAIN_REF,
    .audio = IDC_CODE_MAIN_AUDIO,
    .video = IDC_CODE_MAIN_VIDEO,
    .resolutionByItemData = false,
};
const CCodeDlg::StreamIds CCodeDlg::kExtra = {
    .resolution = IDC_CODE_EXTRA_RESOLUTION,
    .frameRate = IDC_CODE_EXTRA_FRAME_RATE,
    .bitrateType = IDC_CODE_EXTRA_BITRATE_TYPE,
    .quality = IDC_CODE_EXTRA_QUALITY,
    .bitrate = IDC_CODE_EXTRA_BITRATE,
    .custom = IDC_CODE_EXTRA_CUSTOM,
    .reference = IDC_CODE_EXTRA_REF,
    .audio = IDC_CODE_EXTRA_AUDIO,
    .video = IDC_CODE_EXTRA_VIDEO,
    .resolutionByItemData = true,
};

namespace {

constexpr std::uint8_t kQcif = 3;
constexpr int kQualities = 6;

// A number of a list entry or an edit, as an i16 field holds it.
std::int16_t NumberFromText(std::u16string_view text) {
    return static_cast<std::int16_t>(
        ui::IntegerFromText(text, 0, std::numeric_limits<std::int16_t>::max()));
}

std::u16string Decimal(int value) {
    return ui::Format("%d", value);
}

// The built-in settings of a stream; the byte the page does not use keeps its value.
void SetDefaults(StreamSettings& stream, std::uint8_t resolution, std::int16_t bitrate) {
    stream.resolution = resolution;
    stream.bitrateControl = 0;  // CBR
    stream.frameRateTimes10 = 250;
    stream.bitrate = bitrate;
    stream.customBitrate = bitrate;
    stream.quality = 0;
    stream.audio = 0;
    stream.video = 1;
}

}  // namespace

CCodeDlg::CCodeDlg() : RecordPage(IDD_CODE, text::kTextEncode, records::RecordId::Code) {}

void CCodeDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_CODE_CHANNEL_LABEL, text::kTextCam},
                                  {IDC_CODE_ENCODE_LABEL, text::kTextEncodeMode},
                                  {IDC_CODE_RESOLUTION_LABEL, text::kTextResolution},
                                  {IDC_CODE_FRAME_RATE_LABEL, text::kTextFrameRate},
                                  {IDC_CODE_BITRATE_TYPE_LABEL, text::kTextBitrateType},
                                  {IDC_CODE_QUALITY_LABEL, text::kTextImageQuality},
                                  {IDC_CODE_BITRATE_LABEL, text::kTextBitrate},
                                  {IDC_CODE_REF_LABEL, text::kTextRefBitrate},
                                  {IDC_CODE_OVERLAY, text::kTextOverlay},
                              });
    SetDlgItemText(IDC_CODE_AUDIO_VIDEO_LABEL, std::u16string(pages::Text(text::kTextAudio)) +
                                                   u"/" +
                                                   std::u16string(pages::Text(text::kTextVideo)));

    mainCustomEdit_.SetNumeric(0, 9999);
    mainCustomEdit_.Attach(*this, IDC_CODE_MAIN_CUSTOM);
    extraCustomEdit_.SetNumeric(0, 9999);
    extraCustomEdit_.Attach(*this, IDC_CODE_EXTRA_CUSTOM);

    // The record's own count is the recorder's word; the record holds 16 blocks.
    const int channelCount =
        std::clamp(std::int32_t{records::ConfigCache.code.channelCount}, 0, device::kMaxChannels);
    ui::ComboBox channels = GetComboBox(IDC_CODE_CHANNEL);
    for (int c = 1; c <= channelCount; ++c)
        channels.AddString(pages::NumberedText(text::kTextCam, c));
    channels.SetCurSel(0);
    channels_.Reset(channelCount);

    GetComboBox(IDC_CODE_MAIN_ENCODING).AddString(u"H.264");
    ui::ComboBox heading = GetComboBox(IDC_CODE_EXTRA_HEADING);
    heading.AddString(pages::Text(text::kTextExtraStream));
    heading.SetCurSel(0);

    ui::ComboBox mainResolution = GetComboBox(IDC_CODE_MAIN_RESOLUTION);
    for (const char16_t* name : {u"CIF", u"HD1", u"D1", u"QCIF"})
        mainResolution.AddString(name);
    ui::ComboBox extraResolution = GetComboBox(IDC_CODE_EXTRA_RESOLUTION);
    extraResolution.AddString(u"CIF", 0);
    extraResolution.AddString(u"QCIF", kQcif);

    const int fullRate = BitrateRange::FullRate(records::ConfigCache.normal.videoStandard);
    for (const StreamIds* ids : {&kMain, &kExtra}) {
        ui::ComboBox frameRate = GetComboBox(ids->frameRate);
        for (int fps = 1; fps <= fullRate; ++fps)
            frameRate.AddString(Decimal(fps));
        ui::ComboBox bitrateType = GetComboBox(ids->bitrateType);
        bitrateType.AddString(pages::Text(text::kTextCbr));
        bitrateType.AddString(pages::Text(text::kTextVbr));
        ui::ComboBox quality = GetComboBox(ids->quality);
        for (int q = 1; q <= kQualities; ++q)
            quality.AddString(Decimal(q));
        GetComboBox(ids->bitrate).AddString(pages::Text(text::kTextCustomized));
    }
}

void CCodeDlg::Load(const CodeRecord& code) {
    working_ = code;
    channels_.ShowCurrent();
}

void CCodeDlg::Store(CodeRecord& code) {
    channels_.TakeCurrent();
    code = working_;
}

void CCodeDlg::LoadDefaults() {
    if (!channels_.HasShown())
        return;
    CodeChannel& block = Block(channels_.Shown());
    SetDefaults(block.main, 0, 640);  // CIF
    SetDefaults(block.extra, kQcif, 160);
    channels_.ShowCurrent();
}

void CCodeDlg::CopyEntry() {
    if (!channels_.HasShown())
        return;
    channels_.TakeCurrent();
    clipboard_.Copy(Block(channels_.Shown()));
}

bool CCodeDlg::PasteEntry() {
    if (!channels_.HasShown() || !clipboard_.PasteInto(Block(channels_.Shown())))
        return false;
    channels_.ShowCurrent();
    return true;
}

void CCodeDlg::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_CODE_MAIN_CUSTOM, mainCustom_);
    dx.Text(IDC_CODE_EXTRA_CUSTOM, extraCustom_);
}

bool CCodeDlg::OnCommand(int id, int code) {
    if (code != ui::kCbnSelChange)
        return RecordPage::OnCommand(id, code);
    switch (id) {
        case IDC_CODE_CHANNEL:
            channels_.SwitchTo(GetComboBox(IDC_CODE_CHANNEL).GetCurSel());
            return true;
        case IDC_CODE_MAIN_RESOLUTION:
        case IDC_CODE_MAIN_FRAME_RATE:
            OnStreamRateChanged(kMain, ShownBlock().main);
            return true;
        case IDC_CODE_EXTRA_RESOLUTION:
        case IDC_CODE_EXTRA_FRAME_RATE:
            OnStreamRateChanged(kExtra, ShownBlock().extra);
            return true;
        case IDC_CODE_MAIN_BITRATE_TYPE:
        case IDC_CODE_EXTRA_BITRATE_TYPE:
            ShowQuality(GetComboBox(IDC_CODE_MAIN_BITRATE_TYPE).GetCurSel() != 0,
                        GetComboBox(IDC_CODE_EXTRA_BITRATE_TYPE).GetCurSel() != 0);
            return true;
        case IDC_CODE_MAIN_BITRATE:
        case IDC_CODE_EXTRA_BITRATE: {
            const StreamIds& ids = id == IDC_CODE_MAIN_BITRATE ? kMain : kExtra;
            GetEdit(ids.custom).Show(GetComboBox(ids.bitrate).GetCurSel() == 0);
            return true;
        }
        default:
            return RecordPage::OnCommand(id, code);
    }
}

void CCodeDlg::OnStreamRateChanged(const StreamIds& ids, StreamSettings shown) {
    // A list without a selection stands for the value of the block it shows.
    const int resolution = SelectedResolution(ids).value_or(shown.resolution);
    const std::optional<int> rate = GetComboBox(ids.frameRate).Selection();
    FillBitrates(ids, resolution, rate ? *rate + 1 : shown.frameRateTimes10 / 10);
}

void CCodeDlg::ShowEntry(int channel) {
    const CodeChannel& block = Block(channel);
    GetComboBox(IDC_CODE_MAIN_ENCODING).SelectIndex(block.encoding);
    ShowStream(kMain, block.main, mainCustom_);
    ShowStream(kExtra, block.extra, extraCustom_);
    ShowQuality(block.main.bitrateControl != 0, block.extra.bitrateControl != 0);
}

void CCodeDlg::ShowStream(const StreamIds& ids, StreamSettings stream, std::u16string& custom) {
    // Values a list does not hold leave it without a selection.
    const int resolution = stream.resolution;
    ui::ComboBox resolutions = GetComboBox(ids.resolution);
    resolutions.SelectIndex(ids.resolutionByItemData ? resolutions.FindData(resolution)
                                                     : resolution);
    const int framesPerSecond = stream.frameRateTimes10 / 10;
    GetComboBox(ids.frameRate).SelectIndex(framesPerSecond - 1);
    GetComboBox(ids.bitrateType).SelectIndex(stream.bitrateControl);
    GetComboBox(ids.quality).SelectIndex(stream.quality);

    FillBitrates(ids, resolution, framesPerSecond);
    custom = Decimal(stream.customBitrate);
    ui::ComboBox bitrate = GetComboBox(ids.bitrate);
    if (stream.bitrate == 0) {
        bitrate.SetCurSel(0);
        GetEdit(ids.custom).Show(true);
    } else {
        // A bitrate the list does not offer leaves it without a selection, so that it is kept;
        // the list ascends, so the first entry starting with an offered value is that value.
        const std::u16string text = Decimal(stream.bitrate);
        const int found = bitrate.SelectString(0, text);
        if (found < 0 || bitrate.GetItemText(found) != text)
            bitrate.SetCurSel(-1);
        GetEdit(ids.custom).Show(false);
    }
    GetButton(ids.audio).SetCheck(stream.audio != 0);
    GetButton(ids.video).SetCheck(stream.video != 0);
}

void CCodeDlg::TakeEntry(int channel) {
    CodeChannel& block = Block(channel);
    block.main = TakeStream(kMain, block.main, mainCustom_);
    block.extra = TakeStream(kExtra, block.extra, extraCustom_);
}

StreamSettings CCodeDlg::TakeStream(const StreamIds& ids, StreamSettings stream,
                                    const std::u16string& custom) {
    // A list without a selection keeps the block's value.
    if (const auto resolution = SelectedResolution(ids))
        stream.resolution = static_cast<std::uint8_t>(*resolution);
    if (const auto rate = GetComboBox(ids.frameRate).Selection())
        stream.frameRateTimes10 = static_cast<std::int16_t>((*rate + 1) * 10);
    if (const auto control = GetComboBox(ids.bitrateType).Selection())
        stream.bitrateControl = static_cast<std::uint8_t>(*control);
    if (const auto quality = GetComboBox(ids.quality).Selection())
        stream.quality = static_cast<std::uint8_t>(*quality);
    if (const auto entry = GetComboBox(ids.bitrate).Selection()) {
        if (*entry == 0) {
            stream.bitrate = 0;
            stream.customBitrate = NumberFromText(custom);
        } else {
            stream.bitrate = NumberFromText(GetComboBox(ids.bitrate).GetItemText(*entry));
        }
    }
    stream.audio = GetButton(ids.audio).IsChecked() ? 1 : 0;
    stream.video = GetButton(ids.video).IsChecked() ? 1 : 0;
    return stream;
}

void CCodeDlg::FillBitrates(const StreamIds& ids, int resolution, int framesPerSecond) {
    const BitrateRange range(resolution, framesPerSecond,
                             BitrateRange::FullRate(records::ConfigCache.normal.videoStandard));
    ui::ComboBox list = GetComboBox(ids.bitrate);
    const int kept = list.GetCurSel();
    list.ResetContent();
    list.AddString(pages::Text(text::kTextCustomized));
    for (int bitrate : range.Offered())
        list.AddString(Decimal(bitrate));
    list.SetCurSel(kept < list.GetCount() ? kept : list.GetCount() - 1);
    SetDlgItemText(ids.reference, ui::Format("%d~%dKb/s", range.Lower(), range.Upper()));
}

void CCodeDlg::ShowQuality(bool mainVariable, bool extraVariable) {
    GetStatic(IDC_CODE_QUALITY_LABEL).Show(mainVariable || extraVariable);
    GetComboBox(IDC_CODE_MAIN_QUALITY).Show(mainVariable);
    GetComboBox(IDC_CODE_EXTRA_QUALITY).Show(extraVariable);
}

std::optional<int> CCodeDlg::SelectedResolution(const StreamIds& ids) const {
    const std::optional<int> index = GetComboBox(ids.resolution).Selection();
    if (index && ids.resolutionByItemData)
        return int(GetComboBox(ids.resolution).GetItemData(*index));
    return index;
}
