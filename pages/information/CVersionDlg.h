// The Version page: the recorder's identity and capacities, read-only.
#pragma once

#include "pages/common/PageDialog.h"

class CVersionDlg : public pages::PageDialog {
  public:
    CVersionDlg();

  protected:
    void InitPage() override;
};
