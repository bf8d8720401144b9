// The Encode page: per channel, how the main and the extra stream are encoded. Edits of every
// channel collect in a working copy of the Code record and reach the recorder together.
#pragma once

#include <optional>
#include <string>

#include "device/RecordingRecords.h"
#include "ui/CMyEdit.h"
#include "ui/SettingsPage.h"

class CCodeDlg : public ui::SettingsPage {
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
    void LoadControls(int record, std::span<const std::uint8_t> bytes) override;
    void StoreControls(int record, std::span<std::uint8_t> bytes) override;
    void LoadDefaults() override;
    std::span<std::uint8_t> ShownEntry() override;
    void StoreShownEntry() override;
    void LoadShownEntry() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCommand(int id, int code) override;

  private:
    bool HasChannel() const { return channels_ > 0; }
    device::CodeChannel& Block(int channel) { return working_.channels[channel]; }

    // Controls from block `channel` of the working copy, and back.
    void ShowChannel(int channel);
    void TakeChannel(int channel);
    void ShowStream(const StreamIds& ids, device::StreamSettings stream, std::u16string& custom);
    device::StreamSettings TakeStream(const StreamIds& ids, device::StreamSettings stream,
                                      const std::u16string& custom);

    // Called when the operator picks another channel.
    void OnChannelPicked();
    // Called when a stream's resolution or frame rate changes: its bitrates from the controls.
    void OnStreamRateChanged(const StreamIds& ids, device::StreamSettings shown);
    // The reference range and the offered bitrates, keeping the list's position.
    void FillBitrates(const StreamIds& ids, int resolution, int framesPerSecond);
    void ShowQuality(bool mainVariable, bool extraVariable);

    // Selects an entry; an index outside the list leaves it without a selection.
    void SelectIndex(int id, int index);
    // The first entry carrying the item data, or -1.
    int IndexOfData(int id, ui::ItemData data) const;
    // The selected index of a list; none when the list has no selection.
    std::optional<int> Selected(int id) const;
    std::optional<int> SelectedResolution(const StreamIds& ids) const;

    ui::CachedRecord<device::CodeRecord> code_;
    device::CodeRecord working_{};
    int channels_ = 0;
    int shown_ = 0;
    ui::CMyEdit mainCustomEdit_;
    ui::CMyEdit extraCustomEdit_;
    std::u16string mainCustom_;
    std::u16string extraCustom_;
};
