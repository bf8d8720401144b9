// The Hdd Info page: the time span of the recordings and each disk's capacities, read-only.
#pragma once

#include "ui/PageDialog.h"

class CHddInfoDlg : public ui::PageDialog {
  public:
    CHddInfoDlg();

  protected:
    void InitPage() override;
};
