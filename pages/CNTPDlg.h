// The NTP Server page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/PageDialog.h"

class CNTPDlg : public ui::PageDialog {
  public:
    CNTPDlg() : PageDialog(IDD_NTP, text::kTextNtpServer) {}
};
