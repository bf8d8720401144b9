// The PTZ settings page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/PageDialog.h"

class CPTZSetDlg : public ui::PageDialog {
  public:
    CPTZSetDlg() : PageDialog(IDD_PTZSET, text::kTextPanTiltZoom) {}
};
