#pragma once
#include <string>
#include <vector>

#include <wx/bitmap.h>

#include "platform/base/ResourceTypes.h"

// Bitmaps of toolbar buttons from the pictures a toolbar resource describes, and the two
// pictures of the file-name bar.
class CWxToolImages {
public:
    CWxToolImages() = delete;

    static constexpr int kWidth = 16;
    static constexpr int kHeight = 15;

    static wxBitmap ForCommand(const CToolBarDef& bar, UINT id);
    // 0 shows nothing, 1 a red line (the file-name bar's two pictures).
    static wxBitmap Marker(int image);
    static wxSize MarkerSize() { return wxSize(80, 2); }

private:
    static wxBitmap FromArt(CToolImageDef::Stock stock);
    static wxBitmap FromPixels(const std::vector<std::string>& rows,
                               const std::vector<CPaletteEntry>& palette);
    static wxBitmap FromCoverage(const std::vector<std::string>& rows, COLORREF ink);
};
