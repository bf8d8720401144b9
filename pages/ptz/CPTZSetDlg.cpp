// The Pan/Tilt/Zoom page.
#include "pages/ptz/CPTZSetDlg.h"

#include <array>
#include <cstdint>
#include <optional>

#include "records/Recorder.h"
#include "records/SessionState.h"
#include "pages/ptz/CPTZCruiseDlg.h"
#include "pages/ptz/CPrePointDlg.h"
#include "pages/ptz/PtzProtocolList.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Format.h"
#include "ui/NumberText.h"
#include "ui/Styles.h"

using device::PtzChannel;

namespace {

constexpr int kBaudRates[] = {1200, 2400, 4800, 9600, 19200, 28800, 38400, 57600, 115200};
constexpr int kDataBits[] = {5, 6, 7, 8};
constexpr int kStopBits[] = {1, 2};
// The parity entries after "None", in the order of their codes.
constexpr std::uint32_t kParities[] = {text::kTextOdd, text::kTextEven, text::kTextMark,
                                       text::kTextSpace};

constexpr int kCameraRows[] = {IDC_PTZ_PRESET_LABEL, IDC_PTZ_PRESET, IDC_PTZ_TOUR_LABEL,
                               IDC_PTZ_TOUR};

std::u16string Decimal(int value) {
    return ui::Format("%d", value);
}

void SetDefaults(PtzChannel& entry, int channel) {
    entry.protocol = 0;
    entry.address = static_cast<std::int16_t>(channel + 1);
    entry.speed = 5;
    entry.baudRate = 9600;
    entry.dataBits = 8;
    entry.stopBits = 1;
    entry.parity = 0;
}

}  // namespace

CPTZSetDlg::CPTZSetDlg() : RecordPage(IDD_PTZSET, text::kTextPanTiltZoom, records::RecordId::Ptz) {}

void CPTZSetDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_PTZ_CHANNEL_LABEL, text::kTextCam},
                                  {IDC_PTZ_PROTOCOL_LABEL, text::kTextProtocol},
                                  {IDC_PTZ_ADDRESS_LABEL, text::kTextAddress},
                                  {IDC_PTZ_SPEED_LABEL, text::kTextSpeed},
                                  {IDC_PTZ_BAUD_LABEL, text::kTextBaudRate},
                                  {IDC_PTZ_DATA_BITS_LABEL, text::kTextDataBits},
                                  {IDC_PTZ_STOP_BITS_LABEL, text::kTextStopBits},
                                  {IDC_PTZ_PARITY_LABEL, text::kTextParity},
                                  {IDC_PTZ_PRESET_LABEL, text::kTextPreset},
                                  {IDC_PTZ_PRESET, text::kTextSettingButton},
                                  {IDC_PTZ_TOUR_LABEL, text::kTextCruise},
                                  {IDC_PTZ_TOUR, text::kTextSettingButton},
                              });
    addressEdit_.SetNumeric(0, 255);
    addressEdit_.Attach(*this, IDC_PTZ_ADDRESS);
    speedEdit_.SetNumeric(0, 89);
    speedEdit_.Attach(*this, IDC_PTZ_SPEED);

    ui::ComboBox channels = GetComboBox(IDC_PTZ_CHANNEL);
    for (int c = 1; c <= records::ChannelCount; ++c)
        channels.AddString(pages::NumberedText(text::kTextCam, c));
    channels.SetCurSel(0);
    channels_.Reset(records::ChannelCount);

    FillProtocols();
    FillSerialLists();
    // Without a channel nothing is shown, and there is no channel to open a dialog for.
    ShowCameraRows(false);
}

void CPTZSetDlg::FillProtocols() {
    ui::ComboBox protocols = GetComboBox(IDC_PTZ_PROTOCOL);
    protocols.AddString(pages::Text(text::kTextNone), 0);
    // Zeroed, so that a list the recorder leaves unterminated ends within the buffer.
    std::array<char, device::kPtzProtocolBufferSize> buffer{};
    const std::int32_t length = records::ReadProtocolList(buffer);
    for (const PtzProtocol& protocol : ParsePtzProtocolList(buffer, length))
        protocols.AddString(protocol.name, protocol.code);
}

void CPTZSetDlg::FillSerialLists() {
    // The item data is the value the record stores.
    ui::ComboBox baud = GetComboBox(IDC_PTZ_BAUD);
    for (int rate : kBaudRates)
        baud.AddString(Decimal(rate), rate);
    ui::ComboBox dataBits = GetComboBox(IDC_PTZ_DATA_BITS);
    for (int bits : kDataBits)
        dataBits.AddString(Decimal(bits), bits);
    ui::ComboBox stopBits = GetComboBox(IDC_PTZ_STOP_BITS);
    for (int bits : kStopBits)
        stopBits.AddString(Decimal(bits), bits);

    ui::ComboBox parity = GetComboBox(IDC_PTZ_PARITY);
    parity.AddString(pages::Text(text::kTextNone));
    const std::u16string suffix(pages::Text(text::kTextParity));
    for (std::uint32_t name : kParities)
        parity.AddString(std::u16string(pages::Text(name)) + suffix);
}

void CPTZSetDlg::ShowCameraRows(bool shown) {
    for (int id : kCameraRows)
        GetStatic(id).Show(shown);
}

void CPTZSetDlg::Load(const device::PtzRecord& ptz) {
    working_ = ptz;
    channels_.ShowCurrent();
}

void CPTZSetDlg::Store(device::PtzRecord& ptz) {
    channels_.TakeCurrent();
    ptz = working_;
}

void CPTZSetDlg::ShowEntry(int channel) {
    const PtzChannel& entry = working_.channels[channel];
    // A value no list holds leaves that list without a selection, so that it is kept.
    GetComboBox(IDC_PTZ_PROTOCOL).SelectData(entry.protocol);
    address_ = Decimal(entry.address);
    speed_ = Decimal(entry.speed);
    GetComboBox(IDC_PTZ_BAUD).SelectData(entry.baudRate);
    GetComboBox(IDC_PTZ_DATA_BITS).SelectData(entry.dataBits);
    GetComboBox(IDC_PTZ_STOP_BITS).SelectData(entry.stopBits);
    GetComboBox(IDC_PTZ_PARITY).SelectIndex(entry.parity);
    ShowCameraRows(entry.protocol != 0);
}

void CPTZSetDlg::TakeEntry(int channel) {
    PtzChannel& entry = working_.channels[channel];
    entry.address = static_cast<std::int16_t>(ui::IntegerFromText(address_));
    entry.speed = static_cast<std::int16_t>(ui::IntegerFromText(speed_));
    // A list without a selection keeps the entry's value.
    if (const auto code = GetComboBox(IDC_PTZ_PROTOCOL).SelectedData())
        entry.protocol = static_cast<std::int16_t>(*code);
    if (const auto rate = GetComboBox(IDC_PTZ_BAUD).SelectedData())
        entry.baudRate = static_cast<std::int32_t>(*rate);
    if (const auto bits = GetComboBox(IDC_PTZ_DATA_BITS).SelectedData())
        entry.dataBits = static_cast<std::int8_t>(*bits);
    if (const auto bits = GetComboBox(IDC_PTZ_STOP_BITS).SelectedData())
        entry.stopBits = static_cast<std::int8_t>(*bits);
    if (const auto parity = GetComboBox(IDC_PTZ_PARITY).Selection())
        entry.parity = static_cast<std::int8_t>(*parity);
}

void CPTZSetDlg::LoadDefaults() {
    if (!channels_.HasShown())
        return;
    SetDefaults(working_.channels[channels_.Shown()], channels_.Shown());
    channels_.ShowCurrent();
}

void CPTZSetDlg::LoadAllDefaults() {
    for (int c = 0; c < channels_.Count(); ++c)
        SetDefaults(working_.channels[c], c);
    channels_.ShowCurrent();
}

void CPTZSetDlg::RefreshCompanions() {
    // Each channel's presets and tours; a failing read keeps that channel's cached record.
    for (int c = 0; c < records::ChannelCount; ++c) {
        records::RereadRecord(records::RecordId::PtzPoint, c);
        records::RereadRecord(records::RecordId::PtzCruise, c);
    }
}

void CPTZSetDlg::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_PTZ_ADDRESS, address_);
    dx.Text(IDC_PTZ_SPEED, speed_);
}

bool CPTZSetDlg::OnCommand(int id, int code) {
    if (code == ui::kCbnSelChange && id == IDC_PTZ_CHANNEL) {
        channels_.SwitchTo(GetComboBox(IDC_PTZ_CHANNEL).GetCurSel());
        return true;
    }
    if (code == ui::kCbnSelChange && id == IDC_PTZ_PROTOCOL) {
        ShowCameraRows(GetComboBox(IDC_PTZ_PROTOCOL).GetCurSel() != 0);
        return true;
    }
    if (code == ui::kBnClicked && id == IDC_PTZ_PRESET) {
        OpenPresets();
        return true;
    }
    if (code == ui::kBnClicked && id == IDC_PTZ_TOUR) {
        OpenTour();
        return true;
    }
    return RecordPage::OnCommand(id, code);
}

void CPTZSetDlg::OpenPresets() {
    if (!channels_.HasShown())
        return;
    CPrePointDlg dialog(channels_.Shown());
    dialog.DoModal(this);
}

void CPTZSetDlg::OpenTour() {
    if (!channels_.HasShown())
        return;
    CPTZCruiseDlg dialog(channels_.Shown());
    dialog.DoModal(this);
}
