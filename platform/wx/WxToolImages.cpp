#include "platform/wx/WxToolImages.h"

#include <wx/artprov.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include "platform/wx/WxFontMapper.h"

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

// Letters missing from the palette are black.
wxColour PixelColour(const std::vector<CPaletteEntry>& palette, char c) {
    for (const CPaletteEntry& entry : palette)
        if (entry.m_letter == c)
            return wxColour(static_cast<unsigned char>(GetRValue(entry.m_colour)),
                            static_cast<unsigned char>(GetGValue(entry.m_colour)),
                            static_cast<unsigned char>(GetBValue(entry.m_colour)));
    return wxColour(0, 0, 0);
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
    if (image && !image->m_glyph.empty()) return FromGlyph(wxString::FromUTF8(image->m_glyph));
    return FromPixels(kUnknown, bar.m_palette);
}

wxBitmap CWxToolImages::FromArt(CToolImageDef::Stock stock) {
    const char* art = StockArt(stock);
    return art ? wxArtProvider::GetBitmap(art, wxART_TOOLBAR, wxSize(kWidth, kWidth)) : wxBitmap();
}

wxBitmap CWxToolImages::FromPixels(const std::vector<std::string>& rows,
                                   const std::vector<CPaletteEntry>& palette) {
    wxImage image(kWidth, kHeight);
    image.InitAlpha();
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const std::string& row = rows[static_cast<size_t>(y) % rows.size()];
            char c = static_cast<size_t>(x) < row.size() ? row[static_cast<size_t>(x)] : '.';
            wxColour colour = PixelColour(palette, c);
            image.SetRGB(x, y, colour.Red(), colour.Green(), colour.Blue());
            image.SetAlpha(x, y, c == '.' ? 0 : 255);
        }
    return wxBitmap(image);
}

wxBitmap CWxToolImages::FromGlyph(const wxString& text) {
    // Black on white, then white becomes transparent and ink the glyph's colour.
    wxBitmap canvas(kWidth, kHeight, 24);
    {
        wxMemoryDC dc(canvas);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        CLogFont lf;
        lf.m_nHeight = -13;
        lf.m_nWeight = 700;
        dc.SetFont(CWxFontMapper::Realize(lf));
        dc.SetTextForeground(*wxBLACK);
        wxSize extent = dc.GetTextExtent(text);
        dc.DrawText(text, (kWidth - extent.x) / 2, (kHeight - extent.y) / 2);
    }
    wxImage image = canvas.ConvertToImage();
    image.InitAlpha();
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            image.SetAlpha(x, y, static_cast<unsigned char>(255 - image.GetRed(x, y)));
            image.SetRGB(x, y, 0, 0, 140);
        }
    return wxBitmap(image);
}

wxBitmap CWxToolImages::Marker(int image) {
    wxImage picture(MarkerSize());
    picture.InitAlpha();
    for (int y = 0; y < picture.GetHeight(); ++y)
        for (int x = 0; x < picture.GetWidth(); ++x) {
            picture.SetRGB(x, y, 255, 0, 0);
            picture.SetAlpha(x, y, image == 1 ? 255 : 0);
        }
    return wxBitmap(picture);
}
