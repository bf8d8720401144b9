// The Network page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/PageDialog.h"

class CNetDlg : public ui::PageDialog {
  public:
    CNetDlg() : PageDialog(IDD_NET, text::kTextNetwork) {}
};
