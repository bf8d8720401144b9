// Screen capture through a 32-bit top-down DIB section.
#include "host/ScreenCapture.h"

namespace host {
namespace {

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() {
        if (dc)
            ReleaseDC(nullptr, dc);
    }
};

struct MemoryDc {
    HDC dc;
    explicit MemoryDc(HDC like) : dc(CreateCompatibleDC(like)) {}
    ~MemoryDc() {
        if (dc)
            DeleteDC(dc);
    }
};

struct Bitmap {
    HBITMAP bitmap = nullptr;
    ~Bitmap() {
        if (bitmap)
            DeleteObject(bitmap);
    }
};

// Keeps an object selected into a DC for the scope, as GDI requires before deleting either.
struct Selection {
    HDC dc;
    HGDIOBJ previous;
    Selection(HDC target, HGDIOBJ object) : dc(target), previous(SelectObject(target, object)) {}
    ~Selection() { SelectObject(dc, previous); }
};

}  // namespace

bool ScreenCapture::Window(HWND window, Picture& picture, std::string& error, HWND also) {
    RECT rect{};
    if (!IsWindow(window) || !GetWindowRect(window, &rect)) {
        error = "the window is gone";
        return false;
    }
    RECT other{};
    if (also && IsWindowVisible(also) && GetWindowRect(also, &other))
        UnionRect(&rect, &rect, &other);
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) {
        error = "the window has no area";
        return false;
    }
    ScreenDc screen;
    MemoryDc memory(screen.dc);
    if (!screen.dc || !memory.dc) {
        error = "no device context for the screen";
        return false;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // negative: rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap dib;
    dib.bitmap = CreateDIBSection(screen.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib.bitmap || !bits) {
        error = "no bitmap of " + std::to_string(w) + " x " + std::to_string(h) + " pixels";
        return false;
    }
    {
        Selection selected(memory.dc, dib.bitmap);
        if (!BitBlt(memory.dc, 0, 0, w, h, screen.dc, rect.left, rect.top, SRCCOPY | CAPTUREBLT)) {
            error = "the copy from the screen failed";
            return false;
        }
        GdiFlush();
    }
    // The DIB holds blue, green, red and an unused byte per pixel.
    const auto* pixels = static_cast<const std::uint8_t*>(bits);
    const std::size_t count = std::size_t(w) * std::size_t(h);
    picture.bgr.resize(count * 3);
    for (std::size_t i = 0; i < count; ++i) {
        picture.bgr[i * 3] = pixels[i * 4];
        picture.bgr[i * 3 + 1] = pixels[i * 4 + 1];
        picture.bgr[i * 3 + 2] = pixels[i * 4 + 2];
    }
    picture.width = std::uint32_t(w);
    picture.height = std::uint32_t(h);
    return true;
}

}  // namespace host
