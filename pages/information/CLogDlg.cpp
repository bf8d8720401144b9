// The Log page.
#include "pages/information/CLogDlg.h"

#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Backend.h"

CLogDlg::CLogDlg() : PageDialog(IDD_LOG, text::kTextLog) {
    if (ui::HasBackend())
        madeAt_ = ui::CurrentBackend().LocalNow();
}

void CLogDlg::InitPage() {
    pages::SetCaptions(*this, {
                                  {IDC_LOG_TYPE_LABEL, text::kTextLogType},
                                  {IDC_LOG_START_LABEL, text::kTextStartTime},
                                  {IDC_LOG_END_LABEL, text::kTextEndTime},
                                  {IDC_LOG_QUERY, text::kTextQuery},
                              });
    ui::ListView list = GetListView(IDC_LOG_LIST);
    list.InsertColumn(0, pages::Text(text::kTextNumberColumn), 50);
    list.InsertColumn(1, pages::Text(text::kTextLogTime), 150);
    list.InsertColumn(2, pages::Text(text::kTextEvent), 200);

    if (!madeAt_)
        return;
    for (int id : {IDC_LOG_START_DATE, IDC_LOG_START_TIME, IDC_LOG_END_DATE, IDC_LOG_END_TIME})
        GetDateTimePicker(id).SetTime(*madeAt_);
}
