// The Log page: a query of the recorder's log by type and time range. The recorder offers no
// log to read, so the page is its frame only: captions, the time range preset to the PC's
// present time, and an inert query. No tree node shows it.
#pragma once

#include <optional>

#include "pages/common/PageDialog.h"
#include "ui/DateTimeValue.h"

class CLogDlg : public pages::PageDialog {
  public:
    CLogDlg();

  protected:
    void InitPage() override;

  private:
    // The PC's local time when the page was made; none when no clock could be read.
    std::optional<ui::DateTimeValue> madeAt_;
};
