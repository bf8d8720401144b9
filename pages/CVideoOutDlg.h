// The Display output page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "pages/common/PageDialog.h"

class CVideoOutDlg : public pages::PageDialog {
  public:
    CVideoOutDlg() : PageDialog(IDD_VIDEOOUT, text::kTextDisplay) {}
};
