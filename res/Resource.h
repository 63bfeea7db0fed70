#pragma once
// Identifiers of the program's resources. Command numbers in the framework's ranges keep the
// framework's values, so its own handlers (printing, recent files, toolbar) find them.
#include "platform/base/FrameworkIds.h"
#include "platform/base/Types.h"

// Menu, accelerators, toolbar, icon and document string of the main frame and the template.
constexpr UINT IDR_MAINFRAME = 128;

// Dialog templates.
constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDD_FIND = 134;
constexpr UINT IDD_REPLACE = 135;
constexpr UINT IDD_INSERT_STRING = 136;
constexpr UINT IDD_JUMP_ADDRESS = 137;
constexpr UINT IDD_OPTION_EDIT = 138;
constexpr UINT IDD_RULER_BAR = 146; // also the ruler bar's control-bar id
constexpr UINT IDD_MARK_LIST = 153;
constexpr UINT IDD_OPTION_DISPLAY = 161;

// File-name bar images (bitmaps share numbers with dialogs; the kinds are separate).
constexpr UINT IDB_SYNC_ON = 161;  // 80 x 1 red line: the document scrolls in step
constexpr UINT IDB_SYNC_OFF = 162; // one grey pixel: invisible on the button face

// Framework commands.
constexpr UINT ID_SEPARATOR = 0;
constexpr UINT ID_FILE_NEW = 57600;
constexpr UINT ID_FILE_OPEN = 57601;
constexpr UINT ID_FILE_CLOSE = 57602;
constexpr UINT ID_FILE_SAVE = 57603;
constexpr UINT ID_FILE_SAVE_AS = 57604;
constexpr UINT ID_FILE_PRINT_SETUP = 57606;
constexpr UINT ID_FILE_PRINT = 57607;
constexpr UINT ID_FILE_PRINT_DIRECT = 57608;
constexpr UINT ID_FILE_PRINT_PREVIEW = 57609;
constexpr UINT ID_FILE_MRU_FILE1 = 57616;
constexpr UINT ID_FILE_MRU_LAST = 57631; // the framework reserves sixteen entries
constexpr UINT ID_EDIT_CLEAR = 57632;
constexpr UINT ID_EDIT_COPY = 57634;
constexpr UINT ID_EDIT_CUT = 57635;
constexpr UINT ID_EDIT_FIND = 57636;
constexpr UINT ID_EDIT_PASTE = 57637;
constexpr UINT ID_EDIT_REPLACE = 57641;
constexpr UINT ID_EDIT_UNDO = 57643;
constexpr UINT ID_EDIT_REDO = 57644;
constexpr UINT ID_WINDOW_CASCADE = 57650;
constexpr UINT ID_WINDOW_TILE_HORZ = 57651; // one above the other
constexpr UINT ID_WINDOW_TILE_VERT = 57652; // side by side
constexpr UINT ID_APP_ABOUT = 57664;
constexpr UINT ID_APP_EXIT = 57665;
constexpr UINT ID_VIEW_TOOLBAR = 59392;

// The program's own commands.
constexpr UINT ID_EDIT_INSERT_NULL = 32771;
constexpr UINT ID_OPTION_FONT = 32775;
constexpr UINT ID_OPTION_PRINTER_FONT = 32776; // no menu item, key or button
constexpr UINT ID_EDIT_DELETE_CHAR = 32779;
constexpr UINT ID_SEARCH_DOWN = 32782;
constexpr UINT ID_SEARCH_UP = 32783;
// Ctrl+0 .. Ctrl+5 reach the first six; the rest are reserved and do nothing.
constexpr UINT ID_TEST_SCROLL_LOCK = 32784;
constexpr UINT ID_TEST_SHOW_ADDRESS = 32785;
constexpr UINT ID_TEST_SHOW_CHARS = 32786;
constexpr UINT ID_TEST_3 = 32787;
constexpr UINT ID_TEST_4 = 32788;
constexpr UINT ID_TEST_5 = 32789;
constexpr UINT ID_TEST_LAST = 32794;
constexpr UINT ID_HELP_HTML = 32800;
constexpr UINT ID_EDIT_INSERT_STRING = 32801;
constexpr UINT ID_MODE_OVERWRITE = 32802;
constexpr UINT ID_MODE_INSERT = 32803;
constexpr UINT ID_MODE_VIEW = 32804;
constexpr UINT ID_EDIT_PASTE_OVERWRITE = 32805;
constexpr UINT ID_JUMP_END = 32806;
constexpr UINT ID_JUMP_TOP = 32807;
constexpr UINT ID_EDIT_DELETE_BACK = 32809;
constexpr UINT ID_EDIT_UNDO_ALL = 32810;
constexpr UINT ID_JUMP_ADDRESS = 32811;
constexpr UINT ID_OPTION_SETTINGS = 32814;
constexpr UINT ID_MODE_TOGGLE = 32821; // the Insert key
constexpr UINT ID_JCODE_SJIS = 32822;
constexpr UINT ID_JCODE_UNICODE = 32823;
constexpr UINT ID_JCODE_ASCII = 32824;
constexpr UINT ID_MARK_TOGGLE = 32828;
constexpr UINT ID_MARK_NEXT = 32829;
constexpr UINT ID_MARK_PREV = 32830;
constexpr UINT ID_MARK_NEXT_SELECT = 32831;
constexpr UINT ID_MARK_PREV_SELECT = 32832;
constexpr UINT ID_REGISTER_RANGE = 32833;
constexpr UINT ID_MARK_CLEAR_ALL = 32834;
constexpr UINT ID_VIEW_RULER = 32836;
constexpr UINT ID_VIEW_FILEBAR = 32837;
constexpr UINT ID_VIEW_STATUSBAR = 32838;
constexpr UINT ID_FILE_DUMP = 32840;
// File-name bar buttons: document window id (65280, 65281, ...) minus 32437.
constexpr UINT ID_FILEBAR_FIRST = 32843;
constexpr UINT ID_FILEBAR_LAST = 32852;
constexpr UINT ID_SYNC_RELEASE_ALL = 32865;
constexpr UINT ID_SYNC_TOGGLE = 32866;
constexpr UINT ID_SYNC_ALL = 32867;
constexpr UINT ID_SYNC_ALIGN = 32868; // posted by the options sheet only
constexpr UINT ID_EDIT_COPY_ESCAPED = 32871;
constexpr UINT ID_EDIT_TEXT_COPY = 32872;
constexpr UINT ID_EDIT_TEXT_PASTE = 32873;

// Status-bar indicator panes (their strings are the panes' initial texts).
constexpr UINT ID_INDICATOR_MODE = 61449;
constexpr UINT ID_INDICATOR_ADDRESS = 61450;
constexpr UINT ID_INDICATOR_JCODE = 61451;

// Strings.
constexpr UINT IDS_TOO_MANY_DOCUMENTS = 129; // %1: the path
constexpr UINT IDS_OPTION_SHEET = 130;       // caption of the options sheet
constexpr UINT IDS_TEXT_NOT_EXACT = 150;     // a text copy other programs see changed
constexpr UINT IDS_APP_TITLE = 57344;        // also the settings' application name
constexpr UINT IDS_IDLE_MESSAGE = 57345;
constexpr UINT IDS_UNTITLED = 61443;
constexpr UINT IDP_INVALID_FILENAME = 61696;
constexpr UINT IDP_ASK_TO_SAVE = 61699; // %1: the document title
constexpr UINT IDP_PARSE_INT = 61712;
constexpr UINT IDP_PARSE_INT_RANGE = 61714; // %1, %2: the bounds
constexpr UINT IDP_PAGES_OUT_OF_RANGE = 61730;
constexpr UINT IDP_NO_PRINTER = 61731;
constexpr UINT IDP_PRINT_FAILED = 61732;
// Search, replace and insert-string texts.
constexpr UINT IDS_VIEW_ONLY_NO_REPLACE = 171;
constexpr UINT IDS_CHAR_NOT_IN_CP932 = 172; // %1: the character, %2: its code as U+XXXX

// Dialog controls. Labels nobody addresses use IDC_STATIC.
constexpr UINT IDC_STATIC = 0xFFFF;
// Find (134) and Replace (135).
constexpr UINT IDC_FIND_UP = 1001;
constexpr UINT IDC_FIND_DOWN = 1003;
constexpr UINT IDC_REPLACE_TEXT = 1004;
constexpr UINT IDC_FIND_NEXT = 1005;
constexpr UINT IDC_REPLACE = 1006;
constexpr UINT IDC_REPLACE_ALL = 1007;
constexpr UINT IDC_FIND_TEXT = 1008;
constexpr UINT IDC_MATCH_CASE = 1015;
constexpr UINT IDC_UNICODE = 1036; // also in the insert-string dialog
constexpr UINT IDC_RANGE_REGISTERED = 1042;
constexpr UINT IDC_RANGE_WHOLE = 1043;
constexpr UINT IDC_SEARCH_CLIPBOARD = 1052;
// Insert string (136) and go to address (137).
constexpr UINT IDC_INSERT_TEXT = 1011;
constexpr UINT IDC_ADDRESS = 1012;
// Options, edit page (138).
constexpr UINT IDC_INIT_VIEW = 1016;
constexpr UINT IDC_INIT_OVERWRITE = 1017;
constexpr UINT IDC_INIT_INSERT = 1018;
constexpr UINT IDC_ALLOW_VIEW = 1019;
constexpr UINT IDC_ALLOW_OVERWRITE = 1020;
constexpr UINT IDC_ALLOW_ALL = 1021;
constexpr UINT IDC_BACKUP = 1022;
constexpr UINT IDC_EDIT_SHORTCUT = 1023;
constexpr UINT IDC_MEMORY_SPIN = 1050;
constexpr UINT IDC_MEMORY_LIMIT = 1051;
constexpr UINT IDC_READ_LAST_FILES = 1053;
// Options, display page (161).
constexpr UINT IDC_JCODE_SJIS = 1032;
constexpr UINT IDC_JCODE_UNICODE = 1033;
constexpr UINT IDC_JCODE_ASCII = 1034;
constexpr UINT IDC_SYNC_ADDRESS = 1056;
constexpr UINT IDC_SYNC_RELATIVE = 1057;
// Mark list (153).
constexpr UINT IDC_MARK_LIST = 1054;
// About box (100).
constexpr UINT IDC_ABOUT_VERSION = 1030; // the build date is appended when shown
constexpr UINT IDC_SUPPORT_PAGE = 1031;
constexpr UINT IDC_README = 1032;
// The product's support page, opened from the about box.
inline constexpr char kSupportPageUrl[] = "https://www.marlox.example/quelm/";

// The framework's handlers and messages answer to these numbers.
static_assert(ID_FILE_NEW == FrameworkIds::kFileNew);
static_assert(ID_FILE_OPEN == FrameworkIds::kFileOpen);
static_assert(ID_FILE_CLOSE == FrameworkIds::kFileClose);
static_assert(ID_FILE_SAVE == FrameworkIds::kFileSave);
static_assert(ID_FILE_SAVE_AS == FrameworkIds::kFileSaveAs);
static_assert(ID_FILE_PRINT_SETUP == FrameworkIds::kFilePrintSetup);
static_assert(ID_FILE_PRINT == FrameworkIds::kFilePrint);
static_assert(ID_FILE_PRINT_DIRECT == FrameworkIds::kFilePrintDirect);
static_assert(ID_FILE_PRINT_PREVIEW == FrameworkIds::kFilePrintPreview);
static_assert(ID_FILE_MRU_FILE1 == FrameworkIds::kFirstRecentFile);
static_assert(ID_FILE_MRU_LAST == FrameworkIds::kLastRecentFile);
static_assert(ID_EDIT_CLEAR == FrameworkIds::kEditClear);
static_assert(ID_EDIT_COPY == FrameworkIds::kEditCopy);
static_assert(ID_EDIT_CUT == FrameworkIds::kEditCut);
static_assert(ID_EDIT_FIND == FrameworkIds::kEditFind);
static_assert(ID_EDIT_PASTE == FrameworkIds::kEditPaste);
static_assert(ID_EDIT_UNDO == FrameworkIds::kEditUndo);
static_assert(ID_EDIT_REDO == FrameworkIds::kEditRedo);
static_assert(IDS_IDLE_MESSAGE == FrameworkIds::kIdleMessage);
static_assert(IDP_INVALID_FILENAME == FrameworkIds::kInvalidFileName);
static_assert(IDP_ASK_TO_SAVE == FrameworkIds::kSaveChanges);
static_assert(IDP_PARSE_INT == FrameworkIds::kParseIntMessage);
static_assert(IDP_PARSE_INT_RANGE == FrameworkIds::kRangeIntMessage);
static_assert(IDP_PAGES_OUT_OF_RANGE == FrameworkIds::kPagesOutOfRange);
static_assert(IDP_NO_PRINTER == FrameworkIds::kNoPrinter);
static_assert(IDP_PRINT_FAILED == FrameworkIds::kPrintFailed);
