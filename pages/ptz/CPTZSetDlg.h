// The Pan/Tilt/Zoom page: per channel, how the recorder talks to the camera: protocol, bus
// address and speed, and the serial line. The protocols are the recorder's own list, read once
// when the page is made. Edits of every channel collect in a working copy of the PTZ record
// and reach the recorder together; the channel's presets and tours have dialogs of their own.
#pragma once

#include <string>

#include "device/PtzRecords.h"
#include "pages/common/EntrySwitch.h"
#include "pages/common/SettingsPage.h"
#include "ui/CMyEdit.h"

class CPTZSetDlg : public pages::RecordPage<device::PtzRecord>, private pages::EntryView {
  public:
    CPTZSetDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::PtzRecord& ptz) override;
    void Store(device::PtzRecord& ptz) override;
    void LoadDefaults() override;
    void LoadAllDefaults() override;
    void RefreshCompanions() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCommand(int id, int code) override;

  private:
    void FillProtocols();
    void FillSerialLists();
    // The preset and tour rows are of use only with a protocol.
    void ShowCameraRows(bool shown);

    // Controls from channel entry `channel` of the working copy, and back.
    void ShowEntry(int channel) override;
    void TakeEntry(int channel) override;
    std::span<std::uint8_t> EntryBytes(int channel) override {
        return pages::BytesOf(working_.channels[channel]);
    }

    // Called when Setting of the preset or the tour row is clicked: the shown channel's dialog.
    void OpenPresets();
    void OpenTour();

    device::PtzRecord working_{};
    pages::EntrySwitch channels_{*this, *this};
    ui::CMyEdit addressEdit_;
    ui::CMyEdit speedEdit_;
    std::u16string address_;
    std::u16string speed_;
};
