// An image list made by the current backend.
#include "ui/ImageList.h"

#include "ui/Backend.h"

namespace ui {

ImageList::ImageList(int width, int height, int initial, int grow)
    : handle_(CurrentBackend().CreateImageList(width, height, initial, grow)) {}

}  // namespace ui
