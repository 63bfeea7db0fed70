#include "res/Resource.h"
#include "res/Resources.h"

// A command's string is its status-bar prompt, a line break and its tooltip.
std::vector<CStringDef> BuildStrings() {
    std::vector<CStringDef> strings = {
        // The document string: title, no base name, new-file name, no filter or extension,
        // registry file type and its name.
        {IDR_MAINFRAME, "Quelm\n\nQuelm\n\n\nQuelm.Document\nQuelm Document"},
        {IDS_TOO_MANY_DOCUMENTS, "開いているﾌｧｲﾙが多すぎるため、%1 を開けませんでした。"},
        {IDS_OPTION_SHEET, "基本設定"},
        {IDS_TEXT_NOT_EXACT, "コピーしたデータにはテキストとして扱えないﾊﾞｲﾄが含まれています。\n"
                             "このﾌﾟﾛｸﾞﾗﾑのテキスト貼り付けでは元のデータに戻りますが、"
                             "他のｱﾌﾟﾘｹｰｼｮﾝには変換されたテキストが渡ります。"},
        {IDS_APP_TITLE, "Quelm"},
        {IDS_IDLE_MESSAGE, "ﾚﾃﾞｨ"},
        {IDS_UNTITLED, "無題"},
        {IDP_INVALID_FILENAME, "無効なﾌｧｲﾙ名です。"},
        {IDP_ASK_TO_SAVE, "%1 への変更を保存しますか?"},
        {IDP_PARSE_INT, "整数を入力してください。"},
        {IDP_PARSE_INT_RANGE, "%1 から %2 までの整数を入力してください。"},
        {IDP_PAGES_OUT_OF_RANGE, "指定したページは範囲外です。"},
        {IDP_NO_PRINTER, "ﾌﾟﾘﾝﾀがありません。印刷するにはﾌﾟﾘﾝﾀを設定してください。"},
        {IDP_PRINT_FAILED, "印刷できませんでした。"},
        {IDS_VIEW_ONLY_NO_REPLACE, "このﾌｧｲﾙは表示専用のため、置換できません。"},
        {IDS_CHAR_NOT_IN_CP932, "文字「%1」(%2) はShift-JISで表せません。\n\n"
                                "「文字列をUnicodeとみなす」をチェックすると、"
                                "この文字をUnicodeとして扱います。"},
        {ID_INDICATOR_MODE, "MODE"},
        {ID_INDICATOR_ADDRESS, "Address"},
        {ID_INDICATOR_JCODE, "JCode"},

        // File
        {ID_FILE_NEW, "新規にﾌｧｲﾙを作成\n新規作成"},
        {ID_FILE_OPEN, "既存のﾌｧｲﾙを開く\n開く"},
        {ID_FILE_CLOSE, "作業中のﾌｧｲﾙを閉じる\n閉じる"},
        {ID_FILE_SAVE, "作業中のﾌｧｲﾙを上書きして保存\n上書き保存"},
        {ID_FILE_SAVE_AS, "作業中のﾌｧｲﾙを新しい名前で保存\n名前を付けて保存"},
        {ID_FILE_PRINT, "ﾌｧｲﾙ全体をﾌﾟﾘﾝﾀにﾀﾞﾝﾌﾟ\nﾌﾟﾘﾝﾀにﾀﾞﾝﾌﾟ"},
        {ID_FILE_PRINT_DIRECT, "ﾌｧｲﾙ全体を現在のﾌﾟﾘﾝﾀにそのままﾀﾞﾝﾌﾟ\nﾀﾞｲﾚｸﾄ印刷"},
        {ID_FILE_PRINT_PREVIEW, "ﾌﾟﾘﾝﾀ出力のｲﾒｰｼﾞを表示\nﾌﾟﾚﾋﾞｭｰ"},
        {ID_FILE_PRINT_SETUP, "ﾌﾟﾘﾝﾀと印刷ｵﾌﾟｼｮﾝの設定\nﾌﾟﾘﾝﾀの設定"},
        {ID_FILE_DUMP, "登録範囲または全体を*.dmpﾌｧｲﾙにﾀﾞﾝﾌﾟ\nﾌｧｲﾙにﾀﾞﾝﾌﾟ"},
        {ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を確認\n終了"},

        // Edit
        {ID_EDIT_UNDO, "直前に行った動作を元に戻す\n元に戻す"},
        {ID_EDIT_REDO, "直前に行った動作を繰り返す\nやり直し"},
        // One line with a tab and no tooltip: there is no button for it.
        {ID_EDIT_UNDO_ALL, "最初の状態に戻す\t最初に戻す"},
        {ID_EDIT_DELETE_CHAR, "カレット位置の１文字を消去する\n１文字消去"},
        {ID_EDIT_DELETE_BACK, "カレット位置の前の文字を消去\n前１文字消去"},
        {ID_EDIT_INSERT_NULL, "カレット位置に１文字(初期値は０)挿入する\nNULL文字挿入"},
        {ID_EDIT_CUT, "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\n切り取り"},
        {ID_EDIT_COPY, "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nコピー"},
        {ID_EDIT_PASTE, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け\n貼り付け"},
        {ID_EDIT_PASTE_OVERWRITE, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を上書きで貼り付け\n上書き貼り付け"},
        {ID_EDIT_CLEAR, "選択範囲を削除\n削除"},
        {ID_EDIT_COPY_ESCAPED, "検索・置換のために、データをCF_TEXTにコピー。"
                               "非ASCII文字は０ｘHH」のように変換する。\nCF_TEXTへコピー"},
        {ID_EDIT_TEXT_COPY, "CF_TEXTへの通常のコピー。データは変換しない\nテキストコピー"},
        // ID_EDIT_TEXT_PASTE has no string: it shows no prompt.
        {ID_EDIT_INSERT_STRING, "挿入する文字列を入力（クリップボードへコピー）\n挿入文字列入力"},

        // Search
        {ID_EDIT_FIND, "指定した文字列の検索\n検索"},
        {ID_SEARCH_UP, "指定した文字列をファイルの前方に向けて検索\n上方向検索"},
        {ID_SEARCH_DOWN, "指定した文字列をファイルの後方に向けて検索\n下方向検索"},
        {ID_EDIT_REPLACE, "指定した文字列を他の文字列で置換\n置換"},
        {ID_JUMP_ADDRESS, "指定アドレスへ移動\n指定アドレス"},
        {ID_JUMP_TOP, "ファイルの先頭へ移動\nファイルの先頭"},
        {ID_JUMP_END, "ファイルの最後へ移動\nファイルの最後"},
        {ID_MARK_TOGGLE, "マークの設定/解除\nマークの設定/解除"},
        {ID_MARK_NEXT, "次のマークへ移動\n次のマーク"},
        {ID_MARK_PREV, "前のマークへ移動\n前のマーク"},
        {ID_MARK_NEXT_SELECT, "次のマークまでを選択\n次のマークまで選択"},
        {ID_MARK_PREV_SELECT, "前のマークまでを選択\n前のマークまで選択"},
        {ID_MARK_CLEAR_ALL, "全てのマークを解除\n全マーク解除"},
        {ID_REGISTER_RANGE, "選択範囲を登録\n範囲登録"},

        // View
        {ID_VIEW_TOOLBAR, "ツールバーの表示/非表示を切り替える\nツールバー"},
        {ID_VIEW_STATUSBAR, "ステータスバーの表示/非表示を切り替える\nステータスバー"},
        {ID_VIEW_RULER, "アドレス目盛の表示/非表示を切り替える\nアドレス目盛"},
        {ID_VIEW_FILEBAR, "ファイル名バーの表示/非表示を切り替える\nファイル名バー"},
        {ID_WINDOW_CASCADE, "ｳｨﾝﾄﾞｳを重ねて表示\n重ねて表示"},
        {ID_WINDOW_TILE_VERT, "ｳｨﾝﾄﾞｳを左右に並べて表示\n左右に並べて表示"},
        {ID_WINDOW_TILE_HORZ, "ｳｨﾝﾄﾞｳを上下に並べて表示\n上下に並べて表示"},
        {ID_SYNC_TOGGLE, "ｱｸﾃｨﾌﾞなﾄﾞｷｭﾒﾝﾄの同期ｽｸﾛｰﾙを設定/解除\n同期ｽｸﾛｰﾙ"},
        {ID_SYNC_ALL, "全ﾄﾞｷｭﾒﾝﾄを同期ｽｸﾛｰﾙ\n全て同期"},
        {ID_SYNC_RELEASE_ALL, "全ﾄﾞｷｭﾒﾝﾄの同期ｽｸﾛｰﾙを解除\n同期解除"},
        {ID_SYNC_ALIGN, "同期ｽｸﾛｰﾙ中のﾄﾞｷｭﾒﾝﾄをアドレスで揃える\nアドレス一致"},
        {ID_JCODE_SJIS, "文字表示領域をシフトＪＩＳで表示する\nシフトJIS"},
        {ID_JCODE_UNICODE, "文字表示領域をUnicodeに表示する\nUnicode"},
        {ID_JCODE_ASCII, "文字表示領域をASCII(7bit)コードで表示する\nASCII"},

        // Options
        {ID_OPTION_SETTINGS, "編集と表示の基本設定を変更\n基本設定"},
        {ID_OPTION_FONT, "画面表示のフォントを変更\nフォント"},
        {ID_OPTION_PRINTER_FONT, "ﾌﾟﾘﾝﾀ出力のフォントを変更\n印刷フォント"},
        {ID_MODE_VIEW, "VIEWモード（変更不可）\nVIEWモード"},
        {ID_MODE_OVERWRITE, "上書モード（上書のみ：アドレス変更不可）\n上書モード"},
        {ID_MODE_INSERT, "挿入モード（挿入/消去/置換：アドレスの変更可）\n挿入モード"},
        {ID_MODE_TOGGLE, "上書モードと挿入モードを切り替える\n上書/挿入"},

        // Help
        {ID_HELP_HTML, "HTMLヘルプを表示\nHTMLヘルプ"},
        {ID_APP_ABOUT, "ﾌﾟﾛｸﾞﾗﾑのﾊﾞｰｼﾞｮﾝ情報を表示\nﾊﾞｰｼﾞｮﾝ情報"},
    };
    for (UINT id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_LAST; ++id)
        strings.push_back({id, "このﾌｧｲﾙを開く\n最新のﾌｧｲﾙ"});
    for (UINT id = ID_TEST_SCROLL_LOCK; id <= ID_TEST_LAST; ++id)
        strings.push_back({id, "テスト用メニューアイテム\nテスト"});
    for (UINT id = ID_FILEBAR_FIRST; id <= ID_FILEBAR_LAST; ++id)
        strings.push_back({id, "このﾌｧｲﾙのｳｨﾝﾄﾞｳをｱｸﾃｨﾌﾞにする（Ctrl+ｸﾘｯｸで同期ｽｸﾛｰﾙを設定/"
                               "解除）\nﾌｧｲﾙ切り替え"});
    return strings;
}
