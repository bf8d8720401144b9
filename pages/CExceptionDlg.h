// The Abnormality handling page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "pages/common/PageDialog.h"

class CExceptionDlg : public pages::PageDialog {
  public:
    CExceptionDlg() : PageDialog(IDD_EXCEPTION, text::kTextAbnormality) {}
};
