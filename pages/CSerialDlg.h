// The serial port page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "pages/common/PageDialog.h"

class CSerialDlg : public pages::PageDialog {
  public:
    CSerialDlg() : PageDialog(IDD_SERIAL, text::kTextRs232) {}
};
