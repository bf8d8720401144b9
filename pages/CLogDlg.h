// The Log page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/PageDialog.h"

class CLogDlg : public ui::PageDialog {
  public:
    CLogDlg() : PageDialog(IDD_LOG, text::kTextLog) {}
};
