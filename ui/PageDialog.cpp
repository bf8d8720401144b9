// Base of the hosted settings pages.
#include "ui/PageDialog.h"

#include "res/resource.h"
#include "ui/Texts.h"

namespace ui {

bool PageDialog::OnInitDialog() {
    SetWindowText(Text(titleId_));
    SetDlgItemText(IDC_GROUP, Text(titleId_));
    InitPage();
    UpdateData(Direction::ToControls);
    return true;
}

}  // namespace ui
