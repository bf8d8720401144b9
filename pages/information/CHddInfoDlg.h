// The Hdd Info page: the time span of the recordings and each disk's capacities, read-only.
#pragma once

#include "pages/common/PageDialog.h"

class CHddInfoDlg : public pages::PageDialog {
  public:
    CHddInfoDlg();

  protected:
    void InitPage() override;
};
