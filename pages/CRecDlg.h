// The recording Schedule page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/PageDialog.h"

class CRecDlg : public ui::PageDialog {
  public:
    CRecDlg() : PageDialog(IDD_REC, text::kTextSchedule) {}
};
