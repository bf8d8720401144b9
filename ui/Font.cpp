// A font made by the current backend.
#include "ui/Font.h"

#include "ui/Backend.h"

namespace ui {

Font::Font(std::u16string_view face, int height)
    : handle_(CurrentBackend().CreateFont(face, height)) {}

}  // namespace ui
