// The fonts the window's frame needs under Wine, as the prefix provides them: Marlett for the
// caption buttons (else the close box shows an "r") and, under a Chinese locale, a caption
// font with Chinese glyphs (else the Chinese caption shows boxes).
#include "ui/win32/WinApi.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The face a font request gets, and whether it has a glyph for each character of text.
struct Resolved {
    std::wstring face;
    bool allGlyphs = false;
};

Resolved Resolve(const LOGFONTW& request, const std::wstring& text) {
    Resolved resolved;
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontIndirectW(&request);
    HGDIOBJ previous = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    resolved.face = face;
    std::wstring indices(text.size(), L'\0');
    GetGlyphIndicesW(dc, text.c_str(), int(text.size()), reinterpret_cast<WORD*>(indices.data()),
                     GGI_MARK_NONEXISTING_GLYPHS);
    resolved.allGlyphs = indices.find(wchar_t(0xFFFF)) == std::wstring::npos;
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return resolved;
}

TEST(WindowFonts, test_caption_buttons_have_their_symbol_font) {
    LOGFONTW marlett{};
    marlett.lfHeight = -11;
    marlett.lfCharSet = SYMBOL_CHARSET;
    lstrcpyW(marlett.lfFaceName, L"Marlett");
    EXPECT_EQ(Resolve(marlett, L"r").face, L"Marlett");
}

TEST(WindowFonts, test_chinese_caption_has_chinese_glyphs) {
    if (GetACP() != 936)
        GTEST_SKIP() << "measured under the Chinese locale (ctest tree_labels_zh)";
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    EXPECT_TRUE(Resolve(metrics.lfCaptionFont, L"\u914d\u7f6e").allGlyphs)  // 配置
        << "the caption font shows boxes";
    EXPECT_TRUE(Resolve(metrics.lfMessageFont, L"\u64cd\u4f5c\u6210\u529f").allGlyphs)  // 操作成功
        << "message boxes show boxes";
}

}  // namespace
