// The dialog templates generated from Ravelin.rc.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "res/resource.h"
#include "ui/DialogTemplate.h"
#include "ui/Styles.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Style bits that ui/Styles.h does not name.
constexpr std::uint32_t kWsPopup = 0x80000000;
constexpr std::uint32_t kWsCaption = 0x00C00000;
constexpr std::uint32_t kWsSysMenu = 0x00080000;
constexpr std::uint32_t kDsSetFont = 0x0040;
constexpr std::uint32_t kDsControl = 0x0400;

#ifdef _WIN32
static_assert(kWsPopup == WS_POPUP && kWsCaption == WS_CAPTION && kWsSysMenu == WS_SYSMENU);
static_assert(kDsSetFont == DS_SETFONT && kDsControl == DS_CONTROL);
#endif

bool HasAll(std::uint32_t style, std::uint32_t bits) {
    return (style & bits) == bits;
}

// ---- Hosted pages ------------------------------------------------------------------------------

class HostedPage : public testing::TestWithParam<int> {};

TEST_P(HostedPage, test_page_is_hidden_child_without_frame) {
    const ui::DialogTemplate* page = ui::FindDialogTemplate(GetParam());
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(HasAll(page->style, ui::kWsChild | kDsControl | kDsSetFont));
    // Pages start hidden; the main dialog shows one at a time.
    EXPECT_EQ(page->style & ui::kWsVisible, 0u);
    // A caption would give the page a title bar inside the main window.
    EXPECT_EQ(page->style & (kWsPopup | kWsCaption | kWsSysMenu), 0u);
}

INSTANTIATE_TEST_SUITE_P(Pages, HostedPage,
                         testing::Values(IDD_VERSION, IDD_HDDINFO, IDD_LOG, IDD_NORMAL, IDD_CODE,
                                         IDD_REC, IDD_SERIAL, IDD_NET, IDD_ALARMCENTER, IDD_NTP,
                                         IDD_PPPOE, IDD_DDNS, IDD_MAIL, IDD_ALARM, IDD_VIDEODETECT,
                                         IDD_PTZSET, IDD_VIDEOOUT, IDD_EXCEPTION, IDD_RECADMIN,
                                         IDD_ALARMOUT));

// ---- Every template ----------------------------------------------------------------------------

TEST(AllTemplates, test_control_ids_are_unique_within_each_template) {
    for (const ui::DialogTemplate& dialog : ui::AllDialogTemplates()) {
        std::set<int> ids;
        for (const ui::ControlTemplate& control : dialog.controls) {
            if (control.id != -1) {
                EXPECT_TRUE(ids.insert(control.id).second)
                    << "template " << dialog.id << ", control " << control.id;
            }
        }
    }
}

TEST(AllTemplates, test_controls_are_children_inside_their_dialog) {
    for (const ui::DialogTemplate& dialog : ui::AllDialogTemplates()) {
        for (const ui::ControlTemplate& control : dialog.controls) {
            EXPECT_TRUE(control.style & ui::kWsChild) << dialog.id << "/" << control.id;
            EXPECT_GE(control.x, 0) << dialog.id << "/" << control.id;
            EXPECT_GE(control.y, 0) << dialog.id << "/" << control.id;
            EXPECT_LE(control.x + control.cx, dialog.cx) << dialog.id << "/" << control.id;
            // A drop-down list's height is that of its opened list, which may leave the dialog.
            if (control.className != u"ComboBox") {
                EXPECT_LE(control.y + control.cy, dialog.cy) << dialog.id << "/" << control.id;
            }
        }
    }
}

}  // namespace
