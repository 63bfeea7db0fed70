#include "res/Resource.h"
#include "res/Resources.h"

namespace {
using Image = CToolImageDef;

Image Stock(UINT id, Image::Stock stock) {
    Image image;
    image.m_nID = id;
    image.m_stock = stock;
    return image;
}

Image Drawing(UINT id, std::vector<std::string> rows) {
    Image image;
    image.m_nID = id;
    image.m_rows = std::move(rows);
    return image;
}

// The edit modes show the letter the status bar uses for them.
Image Glyph(UINT id, const char* text) {
    Image image;
    image.m_nID = id;
    image.m_glyph = text;
    return image;
}
} // namespace

std::vector<CToolImageDef> BuildToolImages() {
    return {
        Stock(ID_FILE_NEW, Image::New),
        Stock(ID_FILE_OPEN, Image::Open),
        Stock(ID_FILE_SAVE, Image::Save),
        Stock(ID_FILE_PRINT, Image::Print),
        Stock(ID_EDIT_CUT, Image::Cut),
        Stock(ID_EDIT_COPY, Image::Copy),
        Stock(ID_EDIT_PASTE, Image::Paste),
        Stock(ID_EDIT_CLEAR, Image::Delete),
        Stock(ID_EDIT_UNDO, Image::Undo),
        Stock(ID_EDIT_REDO, Image::Redo),
        Stock(ID_EDIT_FIND, Image::Find),
        Stock(ID_HELP_HTML, Image::Help),
        Drawing(ID_SEARCH_DOWN,
                {"..kkkk..........", ".k....k.........", "k......k....bb..", "k......k....bb..",
                 "k......k....bb..", "k......k....bb..", ".k....k.....bb..", "..kkkkk.....bb..",
                 "......kk..bbbbbb", ".......kk..bbbb.", "........kk..bb..", ".........k......",
                 "................", "................", "................"}),
        Drawing(ID_SEARCH_UP,
                {"..kkkk......bb..", ".k....k....bbbb.", "k......k..bbbbbb", "k......k....bb..",
                 "k......k....bb..", "k......k....bb..", ".k....k.....bb..", "..kkkkk.....bb..",
                 "......kk....bb..", ".......kk.......", "........kk......", ".........k......",
                 "................", "................", "................"}),
        Drawing(ID_EDIT_PASTE_OVERWRITE,
                {"....kkkkk.......", ".gggk...kggg....", ".g..kkkkk..g....", ".g.........g....",
                 ".g.wwwwwww.g....", ".g.w.....w.g....", ".g.w.rrrrrrrrr..", ".g.w.r.......r..",
                 ".g.w.r.rrrrr.r..", ".g.w.r.......r..", ".g.w.r.rrrrr.r..", ".g.w.r.......r..",
                 ".gggwrrrrrrrrr..", "................", "................"}),
        Drawing(ID_MARK_TOGGLE,
                {"................", "...kk...........", "...kyyyyyyy.....", "...kyyyyyyyy....",
                 "...kyyyyyyyyy...", "...kyyyyyyyy....", "...kyyyyyyy.....", "...kk...........",
                 "...kk...........", "...kk...........", "...kk...........", "...kk...........",
                 "..kkkk..........", ".kkkkkk.........", "................"}),
        Glyph(ID_MODE_VIEW, "V"),
        Glyph(ID_MODE_OVERWRITE, "\u4E0A"),
        Glyph(ID_MODE_INSERT, "\u633F"),
    };
}

std::vector<CPaletteEntry> BuildToolPalette() {
    return {
        {'k', RGB(0, 0, 0)},   {'g', RGB(128, 128, 128)}, {'w', RGB(255, 255, 255)},
        {'r', RGB(200, 0, 0)}, {'b', RGB(0, 0, 170)},     {'y', RGB(240, 200, 0)},
    };
}
