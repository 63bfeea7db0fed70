#include "platform/base/VirtualKeys.h"
#include "res/Resource.h"
#include "res/Resources.h"

namespace {
constexpr unsigned kPlain = FVIRTKEY;
constexpr unsigned kCtrl = FVIRTKEY | FCONTROL;
constexpr unsigned kShift = FVIRTKEY | FSHIFT;
constexpr unsigned kAlt = FVIRTKEY | FALT;
constexpr unsigned kCtrlShift = FVIRTKEY | FCONTROL | FSHIFT;
constexpr unsigned kCtrlAlt = FVIRTKEY | FCONTROL | FALT;

// Delete and Backspace are missing on purpose: the view takes them as keys, because what they
// delete depends on the selection and the pending hex digit.
CAccelTableDef MainAccelerators() {
    CAccelTableDef table;
    table.m_nID = IDR_MAINFRAME;
    table.m_entries = {
        {kCtrl, '0', ID_TEST_SCROLL_LOCK},
        {kCtrl, '1', ID_TEST_SHOW_ADDRESS},
        {kCtrl, '2', ID_TEST_SHOW_CHARS},
        {kCtrl, '3', ID_TEST_3},
        {kCtrl, '4', ID_TEST_4},
        {kCtrl, '5', ID_TEST_5},
        {kCtrl, 'A', ID_EDIT_REDO}, // no select-all command exists
        {kCtrl, 'B', ID_SYNC_ALL},
        {kCtrlShift, 'B', ID_SYNC_RELEASE_ALL},
        {kCtrl, 'C', ID_EDIT_COPY},
        {kCtrlAlt, 'C', ID_EDIT_TEXT_COPY},
        {kCtrl, 'H', ID_HELP_HTML},
        {kCtrl, 'I', ID_EDIT_INSERT_STRING},
        {kCtrl, 'J', ID_JUMP_ADDRESS},
        {kCtrl, 'M', ID_MARK_TOGGLE},
        {kCtrl, 'N', ID_FILE_NEW},
        {kCtrl, 'O', ID_FILE_OPEN},
        {kCtrl, 'R', ID_REGISTER_RANGE},
        {kCtrl, 'S', ID_FILE_SAVE},
        {kCtrl, 'W', ID_EDIT_PASTE_OVERWRITE},
        {kCtrl, 'X', ID_EDIT_CUT},
        {kCtrl, 'T', ID_EDIT_COPY_ESCAPED},
        {kCtrl, 'V', ID_EDIT_PASTE},
        {kCtrlAlt, 'V', ID_EDIT_TEXT_PASTE},
        {kAlt, VK_BACK, ID_EDIT_UNDO},
        {kShift, VK_DELETE, ID_EDIT_CUT},
        {kCtrl, VK_END, ID_JUMP_END},
        {kPlain, VK_F3, ID_SEARCH_DOWN},
        {kAlt, VK_F3, ID_EDIT_FIND},
        {kShift, VK_F3, ID_SEARCH_UP},
        {kShift, VK_F4, ID_WINDOW_TILE_VERT},
        {kShift, VK_F5, ID_WINDOW_TILE_HORZ},
        {kPlain, VK_F6, ID_MARK_NEXT},
        {kShift, VK_F6, ID_MARK_NEXT_SELECT},
        {kPlain, VK_F7, ID_MARK_PREV},
        {kShift, VK_F7, ID_MARK_PREV_SELECT},
        {kCtrl, VK_HOME, ID_JUMP_TOP},
        {kPlain, VK_INSERT, ID_MODE_TOGGLE},
        {kCtrl, VK_INSERT, ID_EDIT_COPY},
        {kAlt, VK_INSERT, ID_EDIT_INSERT_NULL},
        {kShift, VK_INSERT, ID_EDIT_PASTE},
        {kCtrl, 'Z', ID_EDIT_UNDO},
    };
    return table;
}
} // namespace

std::vector<CAccelTableDef> BuildAccelerators() {
    return {MainAccelerators()};
}
