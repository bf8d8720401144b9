// The serial port page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/PageDialog.h"

class CSerialDlg : public ui::PageDialog {
  public:
    CSerialDlg() : PageDialog(IDD_SERIAL, text::kTextRs232) {}
};
