// The alarm input page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "pages/common/PageDialog.h"

class CAlarmDlg : public pages::PageDialog {
  public:
    CAlarmDlg() : PageDialog(IDD_ALARM, text::kTextAlarm) {}
};
