// The dialog templates generated from Ravelin.rc, and the tree bitmaps beside it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "ui/DialogTemplate.h"
#include "ui/Styles.h"

#ifdef _WIN32
#include <windows.h>
#include <commctrl.h>
#endif

namespace {

// Style bits that ui/Styles.h does not name.
constexpr std::uint32_t kWsPopup = 0x80000000;
constexpr std::uint32_t kWsCaption = 0x00C00000;
constexpr std::uint32_t kWsBorder = 0x00800000;
constexpr std::uint32_t kWsSysMenu = 0x00080000;
constexpr std::uint32_t kDsSetFont = 0x0040;
constexpr std::uint32_t kDsControl = 0x0400;
constexpr std::uint32_t kTvsHasButtons = 0x0001;
constexpr std::uint32_t kTvsHasLines = 0x0002;

#ifdef _WIN32
static_assert(kWsPopup == WS_POPUP && kWsCaption == WS_CAPTION && kWsBorder == WS_BORDER &&
              kWsSysMenu == WS_SYSMENU);
static_assert(kDsSetFont == DS_SETFONT && kDsControl == DS_CONTROL);
static_assert(kTvsHasButtons == TVS_HASBUTTONS && kTvsHasLines == TVS_HASLINES);
#endif

bool HasAll(std::uint32_t style, std::uint32_t bits) {
    return (style & bits) == bits;
}

// ---- Main dialog -------------------------------------------------------------------------------

TEST(MainTemplate, test_main_holds_only_the_tree_along_its_left_edge) {
    const ui::DialogTemplate* main = ui::FindDialogTemplate(IDD_MAIN);
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(main->controls.size(), 1u);
    const ui::ControlTemplate& tree = main->controls[0];
    EXPECT_EQ(tree.id, IDC_TREE);
    EXPECT_EQ(tree.className, u"SysTreeView32");
    EXPECT_EQ(tree.x, 0);
    EXPECT_EQ(tree.y, 0);
    EXPECT_EQ(tree.cx, 105);
    EXPECT_EQ(tree.cy, 280);
    // Border, buttons and lines, and no lines at the root.
    EXPECT_EQ(tree.style,
              ui::kWsChild | ui::kWsVisible | kWsBorder | kTvsHasButtons | kTvsHasLines);
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
    EXPECT_EQ(page->fontFace, u"MS Shell Dlg");
    EXPECT_EQ(page->fontPointSize, 8);
}

INSTANTIATE_TEST_SUITE_P(Pages, HostedPage,
                         testing::Values(IDD_VERSION, IDD_HDDINFO, IDD_LOG, IDD_NORMAL, IDD_CODE,
                                         IDD_REC, IDD_SERIAL, IDD_NET, IDD_ALARMCENTER, IDD_NTP,
                                         IDD_PPPOE, IDD_DDNS, IDD_MAIL, IDD_ALARM, IDD_VIDEODETECT,
                                         IDD_PTZSET, IDD_VIDEOOUT, IDD_EXCEPTION, IDD_RECADMIN,
                                         IDD_ALARMOUT));

// ---- Every template ----------------------------------------------------------------------------

TEST(AllTemplates, test_template_ids_are_distinct_known_and_found_by_id) {
    std::set<int> seen;
    for (const ui::DialogTemplate& dialog : ui::AllDialogTemplates()) {
        EXPECT_TRUE(seen.insert(dialog.id).second) << "template " << dialog.id;
        EXPECT_TRUE(dialog.id == IDD_MAIN || (dialog.id >= 1006 && dialog.id <= 1030))
            << "template " << dialog.id;
        EXPECT_EQ(ui::FindDialogTemplate(dialog.id), &dialog);
    }
    EXPECT_GE(seen.size(), 21u) << "the main dialog and the twenty pages at least";
    EXPECT_EQ(ui::FindDialogTemplate(0), nullptr);
    EXPECT_EQ(ui::FindDialogTemplate(IDB_MONITOR), nullptr);
}

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

// ---- Tree bitmaps ------------------------------------------------------------------------------

constexpr int kBitmapSize = 17;
constexpr int kBitmapStride = (kBitmapSize * 3 + 3) / 4 * 4;
constexpr int kSignSize = 9;  // the prohibition sign covers this square at the lower left

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

struct Bitmap {
    std::vector<unsigned char> bytes;

    std::uint32_t U32(std::size_t at) const {
        return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
               static_cast<std::uint32_t>(bytes[at + 3]) << 24;
    }
    std::uint16_t U16(std::size_t at) const { return bytes[at] | bytes[at + 1] << 8; }
    // Row 0 is the top row; the file stores rows bottom-up, pixels as blue, green, red.
    Rgb Pixel(int row, int column) const {
        std::size_t at = U32(10) + (kBitmapSize - 1 - row) * kBitmapStride + column * 3;
        return {bytes[at + 2], bytes[at + 1], bytes[at]};
    }
};

Bitmap ReadBitmap(const std::string& name) {
    Bitmap bitmap;
    std::string path = std::string(RAVELIN_BITMAP_DIR) + "/" + name;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        unsigned char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
            bitmap.bytes.insert(bitmap.bytes.end(), buffer, buffer + n);
        }
        std::fclose(f);
    }
    return bitmap;
}

class TreeBitmap : public testing::TestWithParam<const char*> {};

TEST_P(TreeBitmap, test_file_is_17_by_17_24_bit_bottom_up_rgb) {
    Bitmap bitmap = ReadBitmap(GetParam());
    ASSERT_GE(bitmap.bytes.size(), 54u) << GetParam();
    EXPECT_EQ(bitmap.bytes[0], 'B');
    EXPECT_EQ(bitmap.bytes[1], 'M');
    EXPECT_EQ(bitmap.U32(2), bitmap.bytes.size());
    EXPECT_EQ(bitmap.U32(14), 40u);                                     // BITMAPINFOHEADER
    EXPECT_EQ(static_cast<std::int32_t>(bitmap.U32(18)), kBitmapSize);  // width
    EXPECT_EQ(static_cast<std::int32_t>(bitmap.U32(22)), kBitmapSize);  // height > 0: bottom-up
    EXPECT_EQ(bitmap.U16(26), 1);                                       // planes
    EXPECT_EQ(bitmap.U16(28), 24);                                      // bits per pixel
    EXPECT_EQ(bitmap.U32(30), 0u);                                      // BI_RGB
    EXPECT_EQ(bitmap.U32(10) + kBitmapSize * kBitmapStride, bitmap.bytes.size());
}

INSTANTIATE_TEST_SUITE_P(Files, TreeBitmap,
                         testing::Values("monitor.bmp", "sheet.bmp", "tools.bmp", "gears.bmp",
                                         "folder.bmp", "folder_forbidden.bmp",
                                         "sheet_forbidden.bmp"));

bool IsRed(Rgb c) {
    return c.r >= 180 && c.g <= 80 && c.b <= 80;
}

TEST(TreeBitmaps, test_forbidden_pictures_add_red_sign_at_lower_left_only) {
    for (auto [plainName, forbiddenName] : {std::pair{"folder.bmp", "folder_forbidden.bmp"},
                                            std::pair{"sheet.bmp", "sheet_forbidden.bmp"}}) {
        Bitmap plain = ReadBitmap(plainName);
        Bitmap forbidden = ReadBitmap(forbiddenName);
        ASSERT_EQ(plain.bytes.size(), 54u + kBitmapSize * kBitmapStride) << plainName;
        ASSERT_EQ(forbidden.bytes.size(), plain.bytes.size()) << forbiddenName;
        int redInSign = 0, redInPlain = 0;
        for (int row = 0; row < kBitmapSize; ++row) {
            for (int column = 0; column < kBitmapSize; ++column) {
                bool inSign = row >= kBitmapSize - kSignSize && column < kSignSize;
                redInPlain += IsRed(plain.Pixel(row, column));
                if (inSign) {
                    redInSign += IsRed(forbidden.Pixel(row, column));
                } else {
                    EXPECT_EQ(forbidden.Pixel(row, column), plain.Pixel(row, column))
                        << forbiddenName << " at " << row << "," << column;
                }
            }
        }
        EXPECT_EQ(redInPlain, 0) << plainName;
        EXPECT_GE(redInSign, 30) << forbiddenName;
    }
}

}  // namespace
