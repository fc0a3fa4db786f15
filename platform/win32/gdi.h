// Drawing helpers shared by the forms, the picture boxes and the tray: colours, fonts, and the
// program's pictures turned into GDI bitmaps and icons.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "platform/types.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

// A colour of the program as GDI wants it; values with the high bit set name a system colour.
COLORREF ToGdiColor(ColorRef color);

// A 32-bit top-down DIB section holding the picture; premultiplied for AlphaBlend, straight for
// icons.
UniqueBitmap PictureBitmap(HDC dc, const Picture& picture, bool premultiplied);

// Draws a premultiplied picture bitmap into `dest`: stretched (or squeezed) evenly to it, or at
// its own size clipped to it.
void DrawPicture(HDC dc, HBITMAP bitmap, const Picture& picture, const RECT& dest, bool stretch);

// An icon with the picture's alpha channel (and a matching mask for old shells).
UniqueIcon IconFromPicture(const Picture& picture);

void FillSolid(HDC dc, const RECT& rect, COLORREF color);
void FrameSolid(HDC dc, const RECT& rect, COLORREF color);

// Fonts made once per look and DPI and kept for the whole run: windows keep using the handles they
// were given, also after their form has moved to a monitor of another DPI.
class FontCache {
public:
    HFONT get(const Font& font, int dpi);

private:
    std::map<std::tuple<std::string, double, bool, int, int>, UniqueFont> fonts_;
};

// Brushes by colour, also kept for the whole run (the handful of colours the program uses).
class BrushCache {
public:
    HBRUSH get(COLORREF color);

private:
    std::map<COLORREF, UniqueBrush> brushes_;
};

}  // namespace platform::win32
