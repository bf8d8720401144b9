// The General page: the recorder's clock, date and time formats, menu language, disk-full
// policy, video standard, pack length, DVR number and auto logout. A change of the language
// or of the video standard needs a restart of the recorder.
#pragma once

#include <string>

#include "device/RecordingRecords.h"
#include "pages/common/SettingsPage.h"
#include "ui/CMyEdit.h"

class CNormalDlg : public pages::RecordPage<device::NormalRecord> {
  public:
    static constexpr int kClockTimer = 1;
    static constexpr unsigned kClockPeriod = 990;  // milliseconds

    CNormalDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::NormalRecord& normal) override;
    void Store(device::NormalRecord& normal) override;
    bool KeySettingsChanged(const device::NormalRecord& sent,
                            const device::NormalRecord& cached) override;
    void LoadDefaults() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(int id, int code) override;
    void OnTimer(int timerId) override;

  private:
    void FillLists();
    // Shows a clock read from the recorder; values the pickers cannot show leave them.
    void ShowClock(std::uint32_t dateWord, std::uint32_t timeWord);
    // Called when the clock's Save button is clicked: writes the pickers' clock.
    void SaveClock();
    // Called when "Syn" is clicked: sets the recorder's clock to the PC's.
    void SynchroniseClock();
    void SelectLanguage(int code);

    ui::CMyEdit packEdit_;
    ui::CMyEdit dvrNumberEdit_;
    ui::CMyEdit logoutEdit_;
    std::u16string pack_;
    std::u16string dvrNumber_;
    std::u16string logout_;
};
