// The record management page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/PageDialog.h"

class CRecAdminDlg : public ui::PageDialog {
  public:
    CRecAdminDlg() : PageDialog(IDD_RECADMIN, text::kTextManageRecord) {}
};
