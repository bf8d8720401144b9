// The NTP Server page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "pages/common/PageDialog.h"

class CNTPDlg : public pages::PageDialog {
  public:
    CNTPDlg() : PageDialog(IDD_NTP, text::kTextNtpServer) {}
};
