// The PTZ settings page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "pages/common/PageDialog.h"

class CPTZSetDlg : public pages::PageDialog {
  public:
    CPTZSetDlg() : PageDialog(IDD_PTZSET, text::kTextPanTiltZoom) {}
};
