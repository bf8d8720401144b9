// The dial-up page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "pages/common/PageDialog.h"

class CPPPOEDlg : public pages::PageDialog {
  public:
    CPPPOEDlg() : PageDialog(IDD_PPPOE, text::kTextPppoe) {}
};
