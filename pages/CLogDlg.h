// The Log page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "pages/common/PageDialog.h"

class CLogDlg : public pages::PageDialog {
  public:
    CLogDlg() : PageDialog(IDD_LOG, text::kTextLog) {}
};
