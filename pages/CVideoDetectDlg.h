// The video detection page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "pages/common/PageDialog.h"

class CVideoDetectDlg : public pages::PageDialog {
  public:
    CVideoDetectDlg() : PageDialog(IDD_VIDEODETECT, text::kTextDetect) {}
};
