// Graphics objects of the Win32 backend.
#include "ui/win32/Win32Graphics.h"

#include <string>

namespace ui::win32 {

namespace {

LOGFONTW FaceAndHeight(std::u16string_view face, int height) {
    LOGFONTW logFont{};
    logFont.lfHeight = height;
    const std::wstring name(face.begin(), face.end());
    lstrcpynW(logFont.lfFaceName, name.c_str(), LF_FACESIZE);
    return logFont;
}

}  // namespace

Win32Font::Win32Font(std::u16string_view face, int height)
    : Win32Font(FaceAndHeight(face, height)) {}

Win32Font::~Win32Font() {
    if (font_)
        DeleteObject(font_);
}

Win32ImageList::Win32ImageList(HINSTANCE module, int width, int height, int initial, int grow)
    : module_(module), list_(ImageList_Create(width, height, ILC_COLOR24, initial, grow)) {}

Win32ImageList::~Win32ImageList() {
    if (list_)
        ImageList_Destroy(list_);
}

int Win32ImageList::AddBitmap(int bitmapId) {
    HBITMAP bitmap = LoadBitmapW(module_, MAKEINTRESOURCEW(bitmapId));
    if (!bitmap)
        return -1;
    const int index = ImageList_Add(list_, bitmap, nullptr);
    DeleteObject(bitmap);  // the list keeps its own copy
    return index;
}

int Win32ImageList::Count() const {
    return ImageList_GetImageCount(list_);
}

Win32Brush::~Win32Brush() {
    if (brush_)
        DeleteObject(brush_);
}

Win32Pen::~Win32Pen() {
    if (pen_)
        DeleteObject(pen_);
}

void Win32Painter::FillRect(const Rect& rect, Color color) {
    const Win32Brush brush(color);
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    ::FillRect(dc_, &r, brush.Get());
}

void Win32Painter::Rectangle(const Rect& rect, Color pen, Color brush) {
    const Win32Brush fill(brush);
    const Win32Pen outline(pen);
    HGDIOBJ oldBrush = SelectObject(dc_, fill.Get());
    HGDIOBJ oldPen = SelectObject(dc_, outline.Get());
    ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(dc_, oldPen);
    SelectObject(dc_, oldBrush);
}

}  // namespace ui::win32
