// An image list made by the current backend, released with the object.
#pragma once

#include <memory>

#include "ui/GraphicsObject.h"

namespace ui {

class ImageList {
  public:
    ImageList(int width, int height, int initial, int grow);

    // Appends a bitmap of the library's resources without a mask; returns its index or -1.
    int AddBitmap(int bitmapId) { return handle_->AddBitmap(bitmapId); }
    int Count() const { return handle_->Count(); }
    const ImageListHandle& Handle() const { return *handle_; }

  private:
    std::unique_ptr<ImageListHandle> handle_;
};

}  // namespace ui
