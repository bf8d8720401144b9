// The DDNS Server page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "pages/common/PageDialog.h"

class CDDNSDlg : public pages::PageDialog {
  public:
    CDDNSDlg() : PageDialog(IDD_DDNS, text::kTextDdnsServer) {}
};
