#include "platform/wx/WxToolImages.h"

#include <wx/artprov.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include "platform/wx/WxFontMapper.h"

namespace {
// The framework's standard commands and the desktop icons that say the same.
struct ArtEntry {
    UINT id;
    const char* art;
};
const ArtEntry kArt[] = {
    {57600, wxART_NEW},  {57601, wxART_FILE_OPEN}, {57603, wxART_FILE_SAVE}, {57607, wxART_PRINT},
    {57635, wxART_CUT},  {57634, wxART_COPY},      {57637, wxART_PASTE},     {57632, wxART_DELETE},
    {57643, wxART_UNDO}, {57644, wxART_REDO},      {57636, wxART_FIND},      {57670, wxART_HELP},
    {57667, wxART_HELP}, {32800, wxART_HELP}, // the program's help command
};

// The program's own toolbar commands, drawn: '.' is transparent.
struct PixelEntry {
    UINT id;
    const char* rows[CWxToolImages::kHeight];
};
const PixelEntry kPixels[] = {
    {32782, // search downward
     {"..kkkk..........", ".k....k.........", "k......k....bb..", "k......k....bb..",
      "k......k....bb..", "k......k....bb..", ".k....k.....bb..", "..kkkkk.....bb..",
      "......kk..bbbbbb", ".......kk..bbbb.", "........kk..bb..", ".........k......",
      "................", "................", "................"}},
    {32783, // search upward
     {"..kkkk......bb..", ".k....k....bbbb.", "k......k..bbbbbb", "k......k....bb..",
      "k......k....bb..", "k......k....bb..", ".k....k.....bb..", "..kkkkk.....bb..",
      "......kk....bb..", ".......kk.......", "........kk......", ".........k......",
      "................", "................", "................"}},
    {32805, // paste over
     {"....kkkkk.......", ".gggk...kggg....", ".g..kkkkk..g....", ".g.........g....",
      ".g.wwwwwww.g....", ".g.w.....w.g....", ".g.w.rrrrrrrrr..", ".g.w.r.......r..",
      ".g.w.r.rrrrr.r..", ".g.w.r.......r..", ".g.w.r.rrrrr.r..", ".g.w.r.......r..",
      ".gggwrrrrrrrrr..", "................", "................"}},
    {32828, // set or clear a mark
     {"................", "...kk...........", "...kyyyyyyy.....", "...kyyyyyyyy....",
      "...kyyyyyyyyy...", "...kyyyyyyyy....", "...kyyyyyyy.....", "...kk...........",
      "...kk...........", "...kk...........", "...kk...........", "...kk...........",
      "..kkkk..........", ".kkkkkk.........", "................"}},
};

// The edit modes, shown by the letter the status bar uses for them.
struct GlyphEntry {
    UINT id;
    const wchar_t* text;
};
const GlyphEntry kGlyphs[] = {
    {32804, L"V"},
    {32802, L"\u4E0A"}, // overwrite
    {32803, L"\u633F"}, // insert
};

wxColour PixelColour(char c) {
    switch (c) {
    case 'k':
        return wxColour(0, 0, 0);
    case 'g':
        return wxColour(128, 128, 128);
    case 'w':
        return wxColour(255, 255, 255);
    case 'r':
        return wxColour(200, 0, 0);
    case 'b':
        return wxColour(0, 0, 170);
    case 'y':
        return wxColour(240, 200, 0);
    default:
        return wxColour(0, 0, 0);
    }
}

// A plain square for a command nobody drew.
const char* const kUnknown[CWxToolImages::kHeight] = {
    "................", "................", "...gggggggggg...", "...g........g...",
    "...g.kkkkkk.g...", "...g........g...", "...g.kkkkkk.g...", "...g........g...",
    "...g.kkkkkk.g...", "...g........g...", "...gggggggggg...", "................",
    "................", "................", "................"};
} // namespace

wxBitmap CWxToolImages::ForCommand(UINT id) {
    wxBitmap art = FromArt(id);
    if (art.IsOk()) return art;
    for (const PixelEntry& e : kPixels)
        if (e.id == id) return FromPixels(e.rows);
    for (const GlyphEntry& e : kGlyphs)
        if (e.id == id) return FromGlyph(e.text);
    return FromPixels(kUnknown);
}

wxBitmap CWxToolImages::FromArt(UINT id) {
    for (const ArtEntry& e : kArt)
        if (e.id == id)
            return wxArtProvider::GetBitmap(e.art, wxART_TOOLBAR, wxSize(kWidth, kWidth));
    return wxBitmap();
}

wxBitmap CWxToolImages::FromPixels(const char* const rows[kHeight]) {
    wxImage image(kWidth, kHeight);
    image.InitAlpha();
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            char c = rows[y][x];
            wxColour colour = PixelColour(c);
            image.SetRGB(x, y, colour.Red(), colour.Green(), colour.Blue());
            image.SetAlpha(x, y, c == '.' ? 0 : 255);
        }
    return wxBitmap(image);
}

wxBitmap CWxToolImages::FromGlyph(const wchar_t* text) {
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
