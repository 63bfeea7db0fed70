#include "res/Resource.h"
#include "res/Resources.h"

namespace {
CToolBarDef MainToolBar() {
    CToolBarDef bar;
    bar.m_nID = IDR_MAINFRAME;
    bar.m_cxImage = 16;
    bar.m_cyImage = 15;
    bar.m_buttons = {
        ID_FILE_NEW,       ID_FILE_OPEN,   ID_FILE_SAVE,
        ID_FILE_PRINT,     ID_SEPARATOR,   ID_EDIT_CUT,
        ID_EDIT_COPY,      ID_EDIT_PASTE,  ID_EDIT_PASTE_OVERWRITE,
        ID_EDIT_CLEAR,     ID_SEPARATOR,   ID_EDIT_UNDO,
        ID_EDIT_REDO,      ID_SEPARATOR,   ID_EDIT_FIND,
        ID_SEARCH_DOWN,    ID_SEARCH_UP,   ID_SEPARATOR,
        ID_MARK_TOGGLE,    ID_SEPARATOR,   ID_MODE_VIEW,
        ID_MODE_OVERWRITE, ID_MODE_INSERT, ID_SEPARATOR,
        ID_HELP_HTML,
    };
    bar.m_images = BuildToolImages();
    bar.m_palette = BuildToolPalette();
    return bar;
}
} // namespace

std::vector<CToolBarDef> BuildToolBars() {
    return {MainToolBar()};
}
