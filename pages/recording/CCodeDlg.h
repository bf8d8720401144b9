// The Encode page: per channel, how the main and the extra stream are encoded. Edits of every
// channel collect in a working copy of the Code record and reach the recorder together.
#pragma once

#include <optional>
#include <string>

#include "device/RecordingRecords.h"
#include "pages/common/EntrySwitch.h"
#include "pages/common/SettingsPage.h"
#include "ui/CMyEdit.h"

class CCodeDlg : public pages::RecordPage<device::CodeRecord>, private pages::EntryView {
  public:
    CCodeDlg();

  private:
    // The controls of one stream's column.
    struct StreamIds {
        int resolution;
        int frameRate;
        int bitrateType;
        int quality;
        int bitrate;
        int custom;
        int reference;
        int audio;
        int video;
        bool resolutionByItemData;  // the extra stream lists only some resolutions
    };
    static const StreamIds kMain;
    static const StreamIds kExtra;

  protected:
    void SetUpControls() override;
    void Load(const device::CodeRecord& code) override;
    void Store(device::CodeRecord& code) override;
    void LoadDefaults() override;
    void CopyEntry() override;
    bool PasteEntry() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCommand(int id, int code) override;

  private:
    device::CodeChannel& Block(int channel) { return working_.channels[channel]; }
    // The shown channel's block, or an empty one when there is no channel.
    device::CodeChannel ShownBlock() {
        return channels_.HasShown() ? Block(channels_.Shown()) : device::CodeChannel{};
    }

    // Controls from block `channel` of the working copy, and back.
    void ShowEntry(int channel) override;
    void TakeEntry(int channel) override;
    std::span<std::uint8_t> EntryBytes(int channel) override {
        return pages::BytesOf(Block(channel));
    }
    void ShowStream(const StreamIds& ids, device::StreamSettings stream, std::u16string& custom);
    device::StreamSettings TakeStream(const StreamIds& ids, device::StreamSettings stream,
                                      const std::u16string& custom);

    // Called when a stream's resolution or frame rate changes: its bitrates from the controls.
    void OnStreamRateChanged(const StreamIds& ids, device::StreamSettings shown);
    // The reference range and the offered bitrates, keeping the list's position.
    void FillBitrates(const StreamIds& ids, int resolution, int framesPerSecond);
    void ShowQuality(bool mainVariable, bool extraVariable);

    std::optional<int> SelectedResolution(const StreamIds& ids) const;

    device::CodeRecord working_{};
    pages::EntrySwitch channels_{*this, *this};
    pages::Clipboard<device::CodeChannel> clipboard_;
    ui::CMyEdit mainCustomEdit_;
    ui::CMyEdit extraCustomEdit_;
    std::u16string mainCustom_;
    std::u16string extraCustom_;
};
