// The Abnormality handling page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/PageDialog.h"

class CExceptionDlg : public ui::PageDialog {
  public:
    CExceptionDlg() : PageDialog(IDD_EXCEPTION, text::kTextAbnormality) {}
};
