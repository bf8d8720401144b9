// The Encode page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/PageDialog.h"

class CCodeDlg : public ui::PageDialog {
  public:
    CCodeDlg() : PageDialog(IDD_CODE, text::kTextEncode) {}
};
