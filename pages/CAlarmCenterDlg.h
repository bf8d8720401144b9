// The Alarm Center page. Its settings are not editable yet: it shows its title and frame.
#pragma once

#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/PageDialog.h"

class CAlarmCenterDlg : public ui::PageDialog {
  public:
    CAlarmCenterDlg() : PageDialog(IDD_ALARMCENTER, text::kTextAlarmCenter) {}
};
