// One preset of the preset list: its number and name, written into the list's working copy
// when saved. A new preset takes any number the operator types; an existing one keeps its
// number and gets a new name.
#pragma once

#include <string>

#include "device/PtzRecords.h"
#include "pages/common/PageDialog.h"
#include "ui/CMyEdit.h"

class CPointDlg : public pages::PageDialog {
  public:
    static constexpr int kNewPreset = -1;

    // number: the preset to rename, or kNewPreset; any other number that is no preset the
    // recorder takes opens the dialog as for a new one.
    CPointDlg(device::PtzPointRecord& working, int number);

  protected:
    void InitPage() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCommand(int id, int code) override;

  private:
    // Called when Save is clicked: presets 1 to 254 go into the working copy; the dialog ends
    // with OK in any case.
    void SavePreset();

    device::PtzPointRecord& working_;
    int number_;
    ui::CMyEdit numberEdit_;
    ui::CMyEdit nameEdit_;
    std::u16string numberText_;
    std::u16string name_;
};
