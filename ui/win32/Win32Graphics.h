// Graphics objects of the Win32 backend, each released with its owner.
#pragma once

#include <string_view>

#include "ui/GraphicsObject.h"
#include "ui/win32/WinApi.h"

namespace ui::win32 {

class Win32Font : public FontHandle {
  public:
    Win32Font(std::u16string_view face, int height);
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

}  // namespace ui::win32
