// Dialog templates as the headless backend sees them: generated at build time from the
// resource script, so both backends build a dialog from the same control list.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace ui {

struct ControlTemplate {
    int id;                         // -1 for labels without an id
    std::u16string_view className;  // the Win32 window class, e.g. u"Button", u"SysTreeView32"
    std::u16string_view text;       // placeholder caption
    std::uint32_t style;            // WS_* and class styles, as in the script
    std::uint32_t exStyle;
    short x, y, cx, cy;  // dialog units
};

struct DialogTemplate {
    int id;
    std::uint32_t style;
    short x, y, cx, cy;  // dialog units
    std::u16string_view caption;
    std::u16string_view fontFace;
    int fontPointSize;
    std::span<const ControlTemplate> controls;  // in script order (tab and group order)
};

// The template with the given id, or null.
const DialogTemplate* FindDialogTemplate(int id);

// Every template of the resource script, in script order.
std::span<const DialogTemplate> AllDialogTemplates();

}  // namespace ui
