// Base of every graphics object a backend makes (fonts, image lists, brushes, pens). It
// counts the live ones, so tests can prove that nothing leaks: the platform's own counter
// is not available everywhere.
#pragma once

namespace ui {

class GraphicsObject {
  public:
    GraphicsObject();
    virtual ~GraphicsObject();
    GraphicsObject(const GraphicsObject&) = delete;
    GraphicsObject& operator=(const GraphicsObject&) = delete;

    static int LiveCount();
};

// A font made by a backend.
class FontHandle : public GraphicsObject {};

// An image list made by a backend: images are bitmaps of the library's resources.
class ImageListHandle : public GraphicsObject {
  public:
    // Appends the bitmap with this resource id, without a mask. Returns its index or -1.
    virtual int AddBitmap(int bitmapId) = 0;
    virtual int Count() const = 0;
};

}  // namespace ui
