#include "res/Resource.h"
#include "res/Resources.h"

namespace {
using M = CMenuItemDef;

// The same bar serves the empty frame and open documents; commands nobody handles are disabled
// by the routing, not here.
CMenuDef MainMenu() {
    CMenuDef menu;
    menu.m_nID = IDR_MAINFRAME;
    menu.m_popups = {
        M::Sub("ﾌｧｲﾙ(&F)",
               {
                   M::Item(ID_FILE_NEW, "新規作成(&N)\tCtrl+N"),
                   M::Item(ID_FILE_OPEN, "開く(&O)\tCtrl+O"),
                   M::Item(ID_FILE_CLOSE, "閉じる(&C)"),
                   M::Sep(),
                   M::Item(ID_FILE_SAVE, "上書き保存(&S)\tCtrl+S"),
                   M::Item(ID_FILE_SAVE_AS, "名前を付けて保存(&A)"),
                   M::Sep(),
                   M::Item(ID_FILE_PRINT, "ﾌﾟﾘﾝﾀにﾀﾞﾝﾌﾟ"),
                   M::Item(ID_FILE_PRINT_PREVIEW, "ﾌﾟﾘﾝﾀ出力のﾌﾟﾚﾋﾞｭｰ"),
                   M::Item(ID_FILE_PRINT_SETUP, "ﾌﾟﾘﾝﾀの設定"),
                   M::Sep(),
                   M::Item(ID_FILE_DUMP, "ﾌｧｲﾙにﾀﾞﾝﾌﾟ"),
                   M::Sep(),
                   // The framework puts the recent-file list in place of this item.
                   M::Item(ID_FILE_MRU_FILE1, "最新のﾌｧｲﾙ", true),
                   M::Sep(),
                   M::Item(ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"),
               }),
        M::Sub("編集(&E)",
               {
                   M::Item(ID_EDIT_UNDO, "元に戻す(&U)\tCtrl+Z"),
                   M::Item(ID_EDIT_REDO, "やり直し(&R)\tCtrl+A"),
                   M::Item(ID_EDIT_UNDO_ALL, "最初に戻す"),
                   M::Sep(),
                   M::Item(ID_EDIT_DELETE_CHAR, "１文字消去\tDel"),
                   M::Item(ID_EDIT_DELETE_BACK, "前１文字消去\tBS"),
                   M::Item(ID_EDIT_INSERT_NULL, "NULL文字挿入\tAlt+Ins"),
                   M::Sep(),
                   M::Item(ID_EDIT_CUT, "切り取り(&T)\tCtrl+X"),
                   M::Item(ID_EDIT_COPY, "コピー(&C)\tCtrl+Ins / Ctrl+C"),
                   M::Item(ID_EDIT_PASTE, "貼り付け(&P)\tShift+Ins / Ctrl+V"),
                   M::Item(ID_EDIT_PASTE_OVERWRITE, "上書き貼り付け\tCtrl+W"),
                   M::Item(ID_EDIT_CLEAR, "削除\tDel / BS"),
                   M::Item(ID_EDIT_COPY_ESCAPED, "CF_TEXTへコピー\tCtrl+T"),
                   M::Sep(),
                   M::Sub("テキスト操作",
                          {
                              M::Item(ID_EDIT_TEXT_COPY, "コピー\tCtrl+Alt+C"),
                              M::Item(ID_EDIT_TEXT_PASTE, "貼り付け\tCtrl+Alt+V"),
                          }),
                   M::Sep(),
                   M::Item(ID_EDIT_INSERT_STRING, "挿入文字列入力\tCtrl+I"),
               }),
        M::Sub("検索(&S)",
               {
                   M::Item(ID_EDIT_FIND, "検索\tAlt+F3"),
                   M::Item(ID_SEARCH_UP, "上方向検索\tShift+F3"),
                   M::Item(ID_SEARCH_DOWN, "下方向検索\tF3"),
                   M::Item(ID_EDIT_REPLACE, "置換"),
                   M::Sep(),
                   M::Item(ID_JUMP_ADDRESS, "指定アドレス\tCtrl+J"),
                   M::Item(ID_JUMP_TOP, "ファイルの先頭\tCtrl+HOME"),
                   M::Item(ID_JUMP_END, "ファイルの最後\tCtrl+END"),
                   M::Sep(),
                   M::Item(ID_MARK_TOGGLE, "マークの設定/解除\tCtrl+M"),
                   M::Item(ID_MARK_PREV, "前のマークへ移動\tF7"),
                   M::Item(ID_MARK_NEXT, "次のマークへ移動\tF6"),
                   M::Item(ID_MARK_CLEAR_ALL, "全マークを解除"),
                   M::Sep(),
                   M::Item(ID_REGISTER_RANGE, "選択範囲を登録\tCtrl+R"),
               }),
        M::Sub("表示(&V)",
               {
                   M::Item(ID_VIEW_TOOLBAR, "ツールバー表示"),
                   M::Item(ID_VIEW_STATUSBAR, "ステータスバー表示"),
                   M::Item(ID_VIEW_RULER, "アドレス目盛表示"),
                   M::Item(ID_VIEW_FILEBAR, "ファイル名バー表示"),
                   M::Sep(),
                   M::Item(ID_WINDOW_CASCADE, "重ねて表示"),
                   M::Item(ID_WINDOW_TILE_VERT, "左右に並べて表示\tShift+F4"),
                   M::Item(ID_WINDOW_TILE_HORZ, "上下に並べて表示\tShift+F5"),
                   M::Sep(),
                   M::Item(ID_SYNC_TOGGLE, "同期ｽｸﾛｰﾙを設定/解除"),
                   M::Item(ID_SYNC_ALL, "全ﾄﾞｷｭﾒﾝﾄを同期ｽｸﾛｰﾙ\tCtrl+B"),
                   M::Item(ID_SYNC_RELEASE_ALL, "全ﾄﾞｷｭﾒﾝﾄを同期解除\tCtrl+Shft+B"),
                   M::Sep(),
                   M::Item(ID_JCODE_SJIS, "シフトJIS"),
                   M::Item(ID_JCODE_UNICODE, "Unicode"),
                   M::Item(ID_JCODE_ASCII, "ASCII (7Bit)"),
               }),
        M::Sub("設定（&O）",
               {
                   M::Item(ID_OPTION_SETTINGS, "基本設定"),
                   M::Sep(),
                   M::Item(ID_OPTION_FONT, "フォント"),
                   M::Sep(),
                   M::Item(ID_MODE_VIEW, "VIEWモード"),
                   M::Item(ID_MODE_OVERWRITE, "上書モード"),
                   M::Item(ID_MODE_INSERT, "挿入モード"),
               }),
        M::Sub("ﾍﾙﾌﾟ(&H)",
               {
                   M::Item(ID_HELP_HTML, "HTMLヘルプ\tCtrl+H"),
                   M::Item(ID_APP_ABOUT, "ﾊﾞｰｼﾞｮﾝ情報(&A)..."),
               }),
    };
    return menu;
}
} // namespace

std::vector<CMenuDef> BuildMenus() {
    return {MainMenu()};
}
