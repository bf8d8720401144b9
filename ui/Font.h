// A font made by the current backend, released with the object.
#pragma once

#include <memory>
#include <string_view>

#include "ui/GraphicsObject.h"

namespace ui {

class Font {
  public:
    Font() = default;
    Font(std::u16string_view face, int height);

    bool IsValid() const { return handle_ != nullptr; }
    const FontHandle& Handle() const { return *handle_; }
    void Reset() { handle_.reset(); }

  private:
    std::unique_ptr<FontHandle> handle_;
};

}  // namespace ui
