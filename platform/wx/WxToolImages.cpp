#include "platform/wx/WxToolImages.h"

#include <cstdlib>

#include <wx/artprov.h>
#include <wx/image.h>

namespace {
const char* StockArt(CToolImageDef::Stock stock) {
    switch (stock) {
    case CToolImageDef::New:
        return wxART_NEW;
    case CToolImageDef::Open:
        return wxART_FILE_OPEN;
    case CToolImageDef::Save:
        return wxART_FILE_SAVE;
    case CToolImageDef::Print:
        return wxART_PRINT;
    case CToolImageDef::Cut:
        return wxART_CUT;
    case CToolImageDef::Copy:
        return wxART_COPY;
    case CToolImageDef::Paste:
        return wxART_PASTE;
    case CToolImageDef::Delete:
        return wxART_DELETE;
    case CToolImageDef::Undo:
        return wxART_UNDO;
    case CToolImageDef::Redo:
        return wxART_REDO;
    case CToolImageDef::Find:
        return wxART_FIND;
    case CToolImageDef::Help:
        return wxART_HELP;
    default:
        return nullptr;
    }
}

wxColour Colour(COLORREF colour) {
    return wxColour(static_cast<unsigned char>(GetRValue(colour)),
                    static_cast<unsigned char>(GetGValue(colour)),
                    static_cast<unsigned char>(GetBValue(colour)));
}

// Letters missing from the palette are black.
wxColour PixelColour(const std::vector<CPaletteEntry>& palette, char c) {
    for (const CPaletteEntry& entry : palette)
        if (entry.m_letter == c) return Colour(entry.m_colour);
    return wxColour(0, 0, 0);
}

constexpr unsigned char kOpaque = 255;

// A picture of size whose pixel (x, y) is pixel(x, y, colour): the colour and its opacity.
template <typename F> wxBitmap Picture(wxSize size, F pixel) {
    wxImage image(size);
    image.InitAlpha();
    for (int y = 0; y < size.y; ++y)
        for (int x = 0; x < size.x; ++x) {
            wxColour colour;
            unsigned char alpha = pixel(x, y, colour);
            image.SetRGB(x, y, colour.Red(), colour.Green(), colour.Blue());
            image.SetAlpha(x, y, alpha);
        }
    return wxBitmap(image);
}

// A plain square for a command nobody drew.
const std::vector<std::string> kUnknown = {
    "................", "................", "...gggggggggg...", "...g........g...",
    "...g.kkkkkk.g...", "...g........g...", "...g.kkkkkk.g...", "...g........g...",
    "...g.kkkkkk.g...", "...g........g...", "...gggggggggg...", "................",
    "................", "................", "................"};
} // namespace

wxBitmap CWxToolImages::ForCommand(const CToolBarDef& bar, UINT id) {
    const CToolImageDef* image = bar.FindImage(id);
    if (image && image->m_stock != CToolImageDef::NoStock) {
        wxBitmap art = FromArt(image->m_stock);
        if (art.IsOk()) return art;
    }
    if (image && !image->m_rows.empty()) return FromPixels(image->m_rows, bar.m_palette);
    if (image && !image->m_coverage.empty()) return FromCoverage(image->m_coverage, image->m_ink);
    return FromPixels(kUnknown, bar.m_palette);
}

wxBitmap CWxToolImages::FromArt(CToolImageDef::Stock stock) {
    const char* art = StockArt(stock);
    return art ? wxArtProvider::GetBitmap(art, wxART_TOOLBAR, wxSize(kWidth, kWidth)) : wxBitmap();
}

wxBitmap CWxToolImages::FromPixels(const std::vector<std::string>& rows,
                                   const std::vector<CPaletteEntry>& palette) {
    return Picture(wxSize(kWidth, kHeight), [&](int x, int y, wxColour& colour) -> unsigned char {
        const std::string& row = rows[static_cast<size_t>(y) % rows.size()];
        char c = static_cast<size_t>(x) < row.size() ? row[static_cast<size_t>(x)] : '.';
        colour = PixelColour(palette, c);
        return c == '.' ? 0 : kOpaque;
    });
}

wxBitmap CWxToolImages::FromCoverage(const std::vector<std::string>& rows, COLORREF ink) {
    constexpr size_t kDigitsPerPixel = 2;
    constexpr int kHex = 16;
    return Picture(wxSize(kWidth, kHeight), [&](int x, int y, wxColour& colour) -> unsigned char {
        const std::string& row = rows[static_cast<size_t>(y) % rows.size()];
        size_t at = static_cast<size_t>(x) * kDigitsPerPixel;
        std::string digits = at + kDigitsPerPixel <= row.size() ? row.substr(at, kDigitsPerPixel)
                                                                : std::string("00");
        colour = Colour(ink);
        return static_cast<unsigned char>(std::strtoul(digits.c_str(), nullptr, kHex));
    });
}

wxBitmap CWxToolImages::Marker(int image) {
    return Picture(MarkerSize(), [&](int, int, wxColour& colour) -> unsigned char {
        colour = *wxRED;
        return image == 1 ? kOpaque : 0;
    });
}
