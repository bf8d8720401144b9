// The General settings page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/PageDialog.h"

class CNormalDlg : public ui::PageDialog {
  public:
    CNormalDlg() : PageDialog(IDD_NORMAL, text::kTextGeneral) {}
};
