// The Alarm Out page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "pages/common/PageDialog.h"

class CAlarmOutDlg : public pages::PageDialog {
  public:
    CAlarmOutDlg() : PageDialog(IDD_ALARMOUT, text::kTextAlarmOut) {}
};
