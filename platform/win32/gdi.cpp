#include "platform/win32/gdi.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/picture_scaling.h"

namespace platform::win32 {

COLORREF ToGdiColor(ColorRef color) {
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFFu));
    return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

UniqueBitmap PictureBitmap(HDC dc, const Picture& picture, bool premultiplied) {
    if (picture.empty()) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top-down, like the picture's rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return nullptr;
    auto* out = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const std::uint32_t argb = picture.pixels[i];
        if (!premultiplied) {
            out[i] = argb;  // a DIB's BGRA bytes are 0xAARRGGBB read as a little-endian word
            continue;
        }
        const std::uint32_t a = argb >> 24;
        auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
        out[i] = (a << 24) | (scale((argb >> 16) & 0xFF) << 16) | (scale((argb >> 8) & 0xFF) << 8) | scale(argb & 0xFF);
    }
    GdiFlush();
    return bitmap;
}

void DrawPicture(HDC dc, HBITMAP bitmap, const Picture& picture, const RECT& dest, bool stretch) {
    if (!bitmap || picture.empty()) return;
    const int destW = dest.right - dest.left;
    const int destH = dest.bottom - dest.top;
    if (destW <= 0 || destH <= 0) return;
    if (stretch && (destW != picture.width || destH != picture.height)) {
        // AlphaBlend stretches by taking the nearest source pixel, which squeezes fine detail
        // unevenly (whole stretches of a dotted line vanish); an evenly resampled copy is drawn
        // at its own size instead.
        const Picture scaled = Resample(picture, destW, destH);
        const UniqueBitmap scaledBitmap = PictureBitmap(dc, scaled, true);
        DrawPicture(dc, scaledBitmap.get(), scaled, dest, false);
        return;
    }
    UniqueMemoryDc source(CreateCompatibleDC(dc));
    if (!source) return;
    Selection selected(source.get(), bitmap);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const int w = std::min(destW, picture.width);
    const int h = std::min(destH, picture.height);
    AlphaBlend(dc, dest.left, dest.top, w, h, source.get(), 0, 0, w, h, blend);
}

UniqueIcon IconFromPicture(const Picture& picture) {
    if (picture.empty()) return nullptr;
    WindowDc screen(nullptr);
    UniqueBitmap color = PictureBitmap(screen.get(), picture, false);
    if (!color) return nullptr;
    // Mask rows are padded to 16 bits; a set bit lets the background through.
    const int stride = ((picture.width + 15) / 16) * 2;
    std::vector<BYTE> maskBits(static_cast<std::size_t>(stride * picture.height), 0);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if ((picture.at(x, y) >> 24) < 128) {
                maskBits[static_cast<std::size_t>(y * stride + x / 8)] |= static_cast<BYTE>(0x80 >> (x % 8));
            }
        }
    }
    UniqueBitmap mask(CreateBitmap(picture.width, picture.height, 1, 1, maskBits.data()));
    if (!mask) return nullptr;
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask.get();
    info.hbmColor = color.get();
    return UniqueIcon(CreateIconIndirect(&info));  // copies both bitmaps
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    const COLORREF previous = SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF color) {
    const LONG w = rect.right - rect.left;
    const LONG h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    FillSolid(dc, {rect.left, rect.top, rect.right, rect.top + 1}, color);
    FillSolid(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
    FillSolid(dc, {rect.left, rect.top, rect.left + 1, rect.bottom}, color);
    FillSolid(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

HFONT FontCache::get(const Font& font, int dpi) {
    auto key = std::make_tuple(font.name, font.size, font.bold, font.charset, dpi);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second.get();
    const int height = -FontPixelHeight(font, dpi);
    char face[LF_FACESIZE] = {};
    std::strncpy(face, font.name.c_str(), LF_FACESIZE - 1);
    UniqueFont made(CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                static_cast<DWORD>(font.charset & 0xFF), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
    HFONT handle = made.get();
    if (!handle) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    fonts_.emplace(std::move(key), std::move(made));
    return handle;
}

HBRUSH BrushCache::get(COLORREF color) {
    auto found = brushes_.find(color);
    if (found != brushes_.end()) return found->second.get();
    UniqueBrush made(CreateSolidBrush(color));
    HBRUSH handle = made.get();
    if (handle) brushes_.emplace(color, std::move(made));
    return handle;
}

}  // namespace platform::win32
