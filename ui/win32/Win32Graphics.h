// Graphics objects of the Win32 backend, each released with its owner.
#pragma once

#include <string_view>

#include "ui/GraphicsObject.h"
#include "ui/Painter.h"
#include "ui/win32/WinApi.h"

namespace ui::win32 {

class Win32Font : public FontHandle {
  public:
    Win32Font(std::u16string_view face, int height);
    explicit Win32Font(const LOGFONTW& logFont) : font_(CreateFontIndirectW(&logFont)) {}
    ~Win32Font() override;
    HFONT Get() const { return font_; }

  private:
    HFONT font_;
};

class Win32ImageList : public ImageListHandle {
  public:
    Win32ImageList(HINSTANCE module, int width, int height, int initial, int grow);
    ~Win32ImageList() override;
    HIMAGELIST Get() const { return list_; }

    int AddBitmap(int bitmapId) override;
    int Count() const override;

  private:
    HINSTANCE module_;
    HIMAGELIST list_;
};

// A solid brush or a solid pen one pixel wide, made for one drawing.
class Win32Brush : public GraphicsObject {
  public:
    explicit Win32Brush(Color color) : brush_(CreateSolidBrush(color)) {}
    ~Win32Brush() override;
    HBRUSH Get() const { return brush_; }

  private:
    HBRUSH brush_;
};

class Win32Pen : public GraphicsObject {
  public:
    explicit Win32Pen(Color color) : pen_(CreatePen(PS_SOLID, 1, color)) {}
    ~Win32Pen() override;
    HPEN Get() const { return pen_; }

  private:
    HPEN pen_;
};

// Draws on the device context of one owner-drawn control during its paint. Each drawing makes
// its brush and pen, selects them, and puts back what was selected before deleting them.
class Win32Painter : public Painter {
  public:
    Win32Painter(HDC dc, const RECT& client)
        : dc_(dc), client_{client.left, client.top, client.right, client.bottom} {}

    Rect ClientRect() const override { return client_; }
    void FillRect(const Rect& rect, Color color) override;
    void Rectangle(const Rect& rect, Color pen, Color brush) override;

  private:
    HDC dc_;
    Rect client_;
};

}  // namespace ui::win32
