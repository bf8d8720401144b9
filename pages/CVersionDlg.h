// The Version page: the recorder's identity and capacities, read-only.
#pragma once

#include "ui/PageDialog.h"

class CVersionDlg : public ui::PageDialog {
  public:
    CVersionDlg();

  protected:
    void InitPage() override;
};
