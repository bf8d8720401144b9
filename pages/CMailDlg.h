// The Email page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "pages/common/PageDialog.h"

class CMailDlg : public pages::PageDialog {
  public:
    CMailDlg() : PageDialog(IDD_MAIL, text::kTextEmail) {}
};
