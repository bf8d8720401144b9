// Base of the hosted settings pages and of the sub-dialogs.
#include "pages/common/PageDialog.h"

#include "pages/common/PageText.h"
#include "res/resource.h"

namespace pages {

bool PageDialog::OnInitDialog() {
    SetWindowText(Text(titleId_));
    if (GetWindow().HasControl(IDC_GROUP))
        SetDlgItemText(IDC_GROUP, Text(titleId_));
    InitPage();
    UpdateData(ui::Direction::ToControls);
    return true;
}

}  // namespace pages
