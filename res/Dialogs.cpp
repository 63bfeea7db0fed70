#include "platform/base/Afx.h"
#include "res/Resource.h"
#include "res/Resources.h"

namespace {
using C = CControlDef;

// Every control but a follow-up radio button starts a group, so each radio group ends where
// the next control begins and data exchange sees exactly its own buttons.
C Make(C::Kind kind, UINT id, std::string text, int x, int y, int cx, int cy, unsigned style) {
    C c;
    c.m_kind = kind;
    c.m_nID = id;
    c.m_text = std::move(text);
    c.m_rect = CRect(x, y, x + cx, y + cy);
    c.m_style = style;
    return c;
}

C Label(std::string text, int x, int y, int cx, int cy, UINT id = IDC_STATIC) {
    return Make(C::Static, id, std::move(text), x, y, cx, cy, C::kGroup);
}
C Group(std::string text, int x, int y, int cx, int cy) {
    return Make(C::GroupBox, IDC_STATIC, std::move(text), x, y, cx, cy, C::kGroup);
}
C Button(UINT id, std::string text, int x, int y, int cx = 50, int cy = 14) {
    return Make(C::PushButton, id, std::move(text), x, y, cx, cy, C::kGroup | C::kTabStop);
}
C DefButton(UINT id, std::string text, int x, int y, int cx = 50, int cy = 14) {
    return Make(C::DefPushButton, id, std::move(text), x, y, cx, cy, C::kGroup | C::kTabStop);
}
C Check(UINT id, std::string text, int x, int y, int cx, int cy = 10) {
    return Make(C::CheckBox, id, std::move(text), x, y, cx, cy, C::kGroup | C::kTabStop);
}
C FirstRadio(UINT id, std::string text, int x, int y, int cx, int cy = 10) {
    return Make(C::RadioButton, id, std::move(text), x, y, cx, cy, C::kGroup | C::kTabStop);
}
C Radio(UINT id, std::string text, int x, int y, int cx, int cy = 10) {
    return Make(C::RadioButton, id, std::move(text), x, y, cx, cy, 0);
}
C Edit(UINT id, int x, int y, int cx, int cy = 12, unsigned extra = 0) {
    return Make(C::Edit, id, "", x, y, cx, cy, C::kGroup | C::kTabStop | C::kAutoHScroll | extra);
}
// The rectangle is the closed box; the backend sizes the drop-down list.
C Combo(UINT id, int x, int y, int cx, int cy = 12) {
    return Make(C::ComboBox, id, "", x, y, cx, cy, C::kGroup | C::kTabStop | C::kAutoHScroll);
}

CDialogDef Dialog(UINT id, std::string caption, int cx, int cy, std::vector<C> controls) {
    CDialogDef d;
    d.m_nID = id;
    d.m_caption = std::move(caption);
    d.m_size = CSize(cx, cy);
    d.m_controls = std::move(controls);
    return d;
}

const char kCancel[] = "ｷｬﾝｾﾙ";
const char kUnicode[] = "文字列をUnicodeとみなす";
const char kMatchCase[] = "大文字/小文字を区別する";
const char kHintFind[] = "非表示文字は \\x0A のように、\\xに\n続けて16進２桁で表記してください";
const char kHintOther[] = "非表示文字は \\x1B のように、\\xに\n続けて16進２桁で表記してください";

CDialogDef FindDialog() {
    return Dialog(IDD_FIND, "検索", 223, 114,
                  {
                      Label("検索文字列", 7, 9, 45, 8),
                      Combo(IDC_FIND_TEXT, 54, 7, 106),
                      Label(kHintFind, 7, 25, 153, 18),
                      Check(IDC_MATCH_CASE, kMatchCase, 7, 50, 110),
                      Check(IDC_UNICODE, kUnicode, 7, 63, 110),
                      Check(IDC_SEARCH_CLIPBOARD, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞのﾃﾞｰﾀを検索", 7, 76, 110),
                      Group("検索範囲", 122, 60, 94, 44),
                      FirstRadio(IDC_RANGE_REGISTERED, "登録範囲", 130, 72, 78),
                      Radio(IDC_RANGE_WHOLE, "ﾌｧｲﾙ全体", 130, 86, 78),
                      Button(IDC_FIND_UP, "上方向検索", 166, 7),
                      // Enter searches the way F3 does.
                      DefButton(IDC_FIND_DOWN, "下方向検索", 166, 24),
                      Button(IDCANCEL, kCancel, 166, 41),
                  });
}

CDialogDef ReplaceDialog() {
    return Dialog(IDD_REPLACE, "置換", 223, 132,
                  {
                      Label("検索文字列", 7, 9, 45, 8),
                      Combo(IDC_FIND_TEXT, 54, 7, 106),
                      Label("置換文字列", 7, 27, 45, 8),
                      Combo(IDC_REPLACE_TEXT, 54, 25, 106),
                      Label(kHintOther, 7, 43, 153, 18),
                      Check(IDC_MATCH_CASE, kMatchCase, 7, 68, 110),
                      Check(IDC_UNICODE, kUnicode, 7, 81, 110),
                      Group("置換範囲", 122, 78, 94, 44),
                      FirstRadio(IDC_RANGE_REGISTERED, "登録範囲", 130, 90, 78),
                      Radio(IDC_RANGE_WHOLE, "ﾌｧｲﾙ全体", 130, 104, 78),
                      DefButton(IDC_FIND_NEXT, "次を検索", 166, 7),
                      Button(IDC_REPLACE, "置換", 166, 24),
                      Button(IDC_REPLACE_ALL, "すべて置換", 166, 41),
                      Button(IDCANCEL, kCancel, 166, 58),
                  });
}

CDialogDef InsertStringDialog() {
    return Dialog(IDD_INSERT_STRING, "挿入文字列（クリップボードへコピー）", 223, 85,
                  {
                      Label("挿入文字列", 7, 9, 45, 8),
                      Edit(IDC_INSERT_TEXT, 54, 7, 106),
                      Label(kHintOther, 7, 27, 153, 18),
                      Check(IDC_UNICODE, kUnicode, 7, 52, 110),
                      DefButton(IDOK, "OK", 166, 7),
                      Button(IDCANCEL, kCancel, 166, 24),
                  });
}

CDialogDef JumpAddressDialog() {
    return Dialog(IDD_JUMP_ADDRESS, "指定アドレスへ移動", 135, 53,
                  {
                      Label("アドレス", 7, 9, 33, 8),
                      Edit(IDC_ADDRESS, 42, 7, 42),
                      Label("16進で入力", 42, 22, 42, 8),
                      DefButton(IDOK, "移動", 90, 7, 38),
                      Button(IDCANCEL, kCancel, 90, 24, 38),
                  });
}

CDialogDef OptionEditPage() {
    CDialogDef d =
        Dialog(IDD_OPTION_EDIT, "編集", 212, 132,
               {
                   Group("初期モード", 7, 7, 93, 51),
                   FirstRadio(IDC_INIT_VIEW, "ＶＩＥＷモード", 15, 19, 80),
                   Radio(IDC_INIT_OVERWRITE, "上書モード", 15, 31, 80),
                   Radio(IDC_INIT_INSERT, "挿入モード", 15, 43, 80),
                   Group("許容モード", 108, 7, 97, 51),
                   FirstRadio(IDC_ALLOW_VIEW, "ＶＩＥＷのみ", 116, 19, 84),
                   Radio(IDC_ALLOW_OVERWRITE, "ＶＩＥＷと上書", 116, 31, 84),
                   Radio(IDC_ALLOW_ALL, "全て", 116, 43, 84),
                   Label("オンメモリ編集の上限（MB)", 7, 68, 103, 8),
                   Edit(IDC_MEMORY_LIMIT, 112, 66, 30, 12, C::kNumber),
                   // Attaches to the edit box just before it.
                   Make(C::Spin, IDC_MEMORY_SPIN, "", 142, 66, 10, 12, C::kGroup),
                   Check(IDC_BACKUP, "バックアップファイルを作る", 7, 86, 198),
                   Check(IDC_EDIT_SHORTCUT, "ｼｮｰﾄｶｯﾄを編集する", 7, 100, 198),
                   Check(IDC_READ_LAST_FILES, "立ち上げ時に前のファイルを読み込む", 7, 114, 198),
               });
    d.m_bChild = true;
    return d;
}

CDialogDef OptionDisplayPage() {
    CDialogDef d = Dialog(IDD_OPTION_DISPLAY, "表示", 212, 132,
                          {
                              Group("初期漢字コード", 7, 7, 93, 51),
                              FirstRadio(IDC_JCODE_SJIS, "シフトJIS", 15, 19, 80),
                              Radio(IDC_JCODE_UNICODE, "Unicode", 15, 31, 80),
                              Radio(IDC_JCODE_ASCII, "ASCII（7bit）", 15, 43, 80),
                              Group("同期スクロール", 108, 7, 97, 39),
                              FirstRadio(IDC_SYNC_ADDRESS, "アドレス一致", 116, 19, 84),
                              Radio(IDC_SYNC_RELATIVE, "相対アドレス", 116, 31, 84),
                          });
    d.m_bChild = true;
    return d;
}

// Empty: the view puts its ruler window into it and sets its height.
CDialogDef RulerBar() {
    CDialogDef d = Dialog(IDD_RULER_BAR, "", 200, 14, {});
    d.m_bChild = true;
    return d;
}

CDialogDef MarkListDialog() {
    return Dialog(IDD_MARK_LIST, "マークのリスト", 196, 150,
                  {
                      Make(C::ListView, IDC_MARK_LIST, "", 7, 7, 126, 136, C::kGroup | C::kTabStop),
                      DefButton(IDOK, "OK", 139, 7),
                      Button(IDCANCEL, kCancel, 139, 24),
                  });
}

CDialogDef AboutBox() {
    return Dialog(IDD_ABOUTBOX, "Quelmのﾊﾞｰｼﾞｮﾝ情報", 235, 66,
                  {
                      // Wide enough for the build date appended when the box is shown.
                      Label("Quelm Version 1.0", 14, 10, 166, 8, IDC_ABOUT_VERSION),
                      Label("Copyright (C) 2001 Marlox", 14, 24, 166, 8),
                      DefButton(IDOK, "OK", 186, 7, 42),
                      Button(IDC_SUPPORT_PAGE, "サポートページ", 14, 44, 64),
                      Button(IDC_README, "Readme", 84, 44),
                  });
}
} // namespace

std::vector<CDialogDef> BuildDialogs() {
    return {AboutBox(),           FindDialog(),        ReplaceDialog(),
            InsertStringDialog(), JumpAddressDialog(), OptionEditPage(),
            RulerBar(),           MarkListDialog(),    OptionDisplayPage()};
}
