// The Email page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/PageDialog.h"

class CMailDlg : public ui::PageDialog {
  public:
    CMailDlg() : PageDialog(IDD_MAIL, text::kTextEmail) {}
};
