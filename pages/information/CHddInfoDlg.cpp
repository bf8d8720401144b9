// The Hdd Info page: the time span of the recordings and each disk's capacities, read-only.
#include "pages/information/CHddInfoDlg.h"

#include <algorithm>
#include <cstdlib>

#include "records/SessionState.h"
#include "device/PackedDateTime.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Format.h"

namespace {

std::u16string FormatTime(std::uint32_t packed) {
    const device::DateTime t = device::UnpackDateTime(packed);
    return ui::Format("%d/%d/%d  %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                      t.second);
}

// Hundredths of a gigabyte as "1234.56G". A negative value keeps its sign in front instead
// of inside the fraction.
std::u16string FormatCapacity(std::int32_t hundredths) {
    const long long value = hundredths;
    const long long magnitude = std::llabs(value);
    return ui::Format("%s%lld.%02lldG", value < 0 ? "-" : "", magnitude / 100, magnitude % 100);
}

// Bad units of 8 MiB, in units of 10^9 bytes, printed from single precision.
std::u16string FormatBadArea(std::int32_t units) {
    const float gigabytes = static_cast<float>(double(units) * 8 * 1.024 * 1.024 / 1000);
    return ui::Format("%.2fG", double(gigabytes));
}

}  // namespace

CHddInfoDlg::CHddInfoDlg() : PageDialog(IDD_HDDINFO, text::kTextHddInfo) {}

void CHddInfoDlg::InitPage() {
    SetDlgItemText(IDC_HDD_START_LABEL, pages::Text(text::kTextStartTime));
    SetDlgItemText(IDC_HDD_END_LABEL, pages::Text(text::kTextEndTime));
    SetDlgItemText(IDC_HDD_OVERWRITTEN_LABEL, pages::Text(text::kTextOverwritten));

    const device::HddInfoRecord& hdd = records::ConfigCache.hddInfo;
    SetDlgItemText(IDC_HDD_START, FormatTime(hdd.startTime));
    SetDlgItemText(IDC_HDD_END, FormatTime(hdd.endTime));
    SetDlgItemText(IDC_HDD_OVERWRITTEN, ui::Format("%d", hdd.overwritten));

    ui::ListView list = GetListView(IDC_HDD_LIST);
    list.InsertColumn(0, pages::Text(text::kTextNumberColumn), 60);
    list.InsertColumn(1, pages::Text(text::kTextTotal), 150);
    list.InsertColumn(2, pages::Text(text::kTextFree), 150);
    list.InsertColumn(3, pages::Text(text::kTextBad), 100);

    // The record has room for eight disks, whatever its count says.
    const int disks = std::clamp(std::int32_t{hdd.diskCount}, 0, device::kMaxDisks);
    for (int i = 0; i < disks; ++i) {
        const int row = list.InsertItem(i, ui::Format("%d", i + 1));
        list.SetItemText(row, 1, FormatCapacity(hdd.total[i]));
        list.SetItemText(row, 2, FormatCapacity(hdd.free[i]));
        list.SetItemText(row, 3, FormatBadArea(hdd.bad[i]));
    }
}
