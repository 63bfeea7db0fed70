#pragma once
#include <wx/bitmap.h>

#include "platform/base/Types.h"

// Pictures of toolbar buttons: the desktop's icons for the framework's standard commands,
// small drawn pictures for the program's own, and the two pictures of the file-name bar.
class CWxToolImages {
public:
    CWxToolImages() = delete;

    static constexpr int kWidth = 16;
    static constexpr int kHeight = 15;

    static wxBitmap ForCommand(UINT id);
    // 0 shows nothing, 1 a red line (the file-name bar's two pictures).
    static wxBitmap Marker(int image);
    static wxSize MarkerSize() { return wxSize(80, 2); }

private:
    static wxBitmap FromArt(UINT id);
    static wxBitmap FromPixels(const char* const rows[kHeight]);
    static wxBitmap FromGlyph(const wchar_t* text);
};
