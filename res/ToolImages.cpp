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

// The edit modes show the letter the status bar uses for them, in dark blue. Each is kept as
// the bold screen face drew it, so the program need not load a bold face for three buttons.
constexpr COLORREF kLetterInk = RGB(0, 0, 140);

Image Letter(UINT id, std::vector<std::string> coverage) {
    Image image;
    image.m_nID = id;
    image.m_coverage = std::move(coverage);
    image.m_ink = kLetterInk;
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
        // V (view)
        Letter(ID_MODE_VIEW,
               {
                   "00000000000000000000000000000000",
                   "00000000000000000000000000000000",
                   "00000000000000000000000000000000",
                   "00000000000000000000000000000000",
                   "00000000c8ff3300a8ff420000000000",
                   "0000000097ff5500c9ff130000000000",
                   "0000000066ff7600e9e1000000000000",
                   "0000000035ff970affb0000000000000",
                   "0000000008fcb92aff7f000000000000",
                   "0000000000d4db4cff4e000000000000",
                   "0000000000a3fb75ff1e000000000000",
                   "000000000072ffb7ed00000000000000",
                   "000000000041fff8bc00000000000000",
                   "000000000011ffff8b00000000000000",
                   "00000000000000000000000000000000",
               }),
        // 上 (overwrite)
        Letter(ID_MODE_OVERWRITE,
               {
                   "00000000000000000000000000000000",
                   "00000000000000000000000000000000",
                   "00000000000000000000000000000000",
                   "000000000000b1d20000000000000000",
                   "000000000000c3e70000000000000000",
                   "000000000000c3e70000000000000000",
                   "000000000000c3e70000000000000000",
                   "000000000000c3ffffffffff87000000",
                   "000000000000c3f5939393934e000000",
                   "000000000000c3e70000000000000000",
                   "000000000000c3e70000000000000000",
                   "000000000000c3e70000000000000000",
                   "000000000000c3e70000000000000000",
                   "000000000000c3e70000000000000000",
                   "0073ffffffffffffffffffffff730000",
               }),
        // 挿 (insert)
        Letter(ID_MODE_INSERT,
               {
                   "00000000000000000000000000000000",
                   "00000000000000000000000000000000",
                   "0000000c080000000000000000000000",
                   "000000f38b0534475b7394be7d000000",
                   "000000f38b05eff2ecffca9870010000",
                   "00326bf9bc52535371ff815353290000",
                   "0077ffffffd3ffffffffffffff7f0000",
                   "000000f38b0000002bff430000000000",
                   "000000f38b03fbffffffffffff2f0000",
                   "000943f8f194fb9364ff757bff2f0000",
                   "00a4ffffe05ffbffffffffffff2f0000",
                   "005172f78b00fb8e5dff7076ff2f0000",
                   "000000f38b00fbffffffffffff2f0000",
                   "000000f38b00ec8c64ff756ed3270000",
                   "002883fc820000002bff430000000000",
               }),
    };
}

std::vector<CPaletteEntry> BuildToolPalette() {
    return {
        {'k', RGB(0, 0, 0)},   {'g', RGB(128, 128, 128)}, {'w', RGB(255, 255, 255)},
        {'r', RGB(200, 0, 0)}, {'b', RGB(0, 0, 170)},     {'y', RGB(240, 200, 0)},
    };
}
