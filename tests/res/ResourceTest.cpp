#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/base/FrameworkIds.h"
#include "platform/base/ResourceSet.h"
#include "platform/base/VirtualKeys.h"
#include "res/Resource.h"
#include "res/Resources.h"

// Expected values are written with the plain numbers and texts the program is known by, not with
// the names from res/Resource.h, so a wrong constant shows up too.

namespace {
const CResourceSet& Res() {
    return QuelmResources();
}

template <typename T> const T* Find(const std::vector<T>& items, UINT id) {
    for (const T& item : items)
        if (item.m_nID == id) return &item;
    return nullptr;
}

// One line per entry: popups by title, commands as "id text", separators as "---".
void Render(const std::vector<CMenuItemDef>& items, int depth, std::vector<std::string>& out) {
    const std::string indent(static_cast<size_t>(depth) * 2, ' ');
    for (const CMenuItemDef& item : items) {
        switch (item.m_kind) {
        case CMenuItemDef::Separator:
            out.push_back(indent + "---" + item.m_text);
            break;
        case CMenuItemDef::Popup:
            out.push_back(indent + "[" + item.m_text + "]");
            Render(item.m_children, depth + 1, out);
            break;
        case CMenuItemDef::Command:
            out.push_back(indent + std::to_string(item.m_nID) + " " + item.m_text +
                          (item.m_bDisabled ? " (disabled)" : ""));
            break;
        }
    }
}

void CollectCommands(const std::vector<CMenuItemDef>& items, std::vector<UINT>& out) {
    for (const CMenuItemDef& item : items) {
        if (item.m_kind == CMenuItemDef::Command) out.push_back(item.m_nID);
        CollectCommands(item.m_children, out);
    }
}

std::vector<UINT> MenuCommands() {
    std::vector<UINT> ids;
    CollectCommands(Find(Res().m_menus, 128)->m_popups, ids);
    return ids;
}
} // namespace

TEST(ResourceMenu, MainMenuIsTheDocumentedTree) {
    const std::vector<std::string> expected = {
        "[ﾌｧｲﾙ(&F)]",
        "  57600 新規作成(&N)\tCtrl+N",
        "  57601 開く(&O)\tCtrl+O",
        "  57602 閉じる(&C)",
        "  ---",
        "  57603 上書き保存(&S)\tCtrl+S",
        "  57604 名前を付けて保存(&A)",
        "  ---",
        "  57607 ﾌﾟﾘﾝﾀにﾀﾞﾝﾌﾟ",
        "  57609 ﾌﾟﾘﾝﾀ出力のﾌﾟﾚﾋﾞｭｰ",
        "  57606 ﾌﾟﾘﾝﾀの設定",
        "  ---",
        "  32840 ﾌｧｲﾙにﾀﾞﾝﾌﾟ",
        "  ---",
        "  57616 最新のﾌｧｲﾙ (disabled)",
        "  ---",
        "  57665 ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)",
        "[編集(&E)]",
        "  57643 元に戻す(&U)\tCtrl+Z",
        "  57644 やり直し(&R)\tCtrl+A",
        "  32810 最初に戻す",
        "  ---",
        "  32779 １文字消去\tDel",
        "  32809 前１文字消去\tBS",
        "  32771 NULL文字挿入\tAlt+Ins",
        "  ---",
        "  57635 切り取り(&T)\tCtrl+X",
        "  57634 コピー(&C)\tCtrl+Ins / Ctrl+C",
        "  57637 貼り付け(&P)\tShift+Ins / Ctrl+V",
        "  32805 上書き貼り付け\tCtrl+W",
        "  57632 削除\tDel / BS",
        "  32871 CF_TEXTへコピー\tCtrl+T",
        "  ---",
        "  [テキスト操作]",
        "    32872 コピー\tCtrl+Alt+C",
        "    32873 貼り付け\tCtrl+Alt+V",
        "  ---",
        "  32801 挿入文字列入力\tCtrl+I",
        "[検索(&S)]",
        "  57636 検索\tAlt+F3",
        "  32783 上方向検索\tShift+F3",
        "  32782 下方向検索\tF3",
        "  57641 置換",
        "  ---",
        "  32811 指定アドレス\tCtrl+J",
        "  32807 ファイルの先頭\tCtrl+HOME",
        "  32806 ファイルの最後\tCtrl+END",
        "  ---",
        "  32828 マークの設定/解除\tCtrl+M",
        "  32830 前のマークへ移動\tF7",
        "  32829 次のマークへ移動\tF6",
        "  32834 全マークを解除",
        "  ---",
        "  32833 選択範囲を登録\tCtrl+R",
        "[表示(&V)]",
        "  59392 ツールバー表示",
        "  32838 ステータスバー表示",
        "  32836 アドレス目盛表示",
        "  32837 ファイル名バー表示",
        "  ---",
        "  57650 重ねて表示",
        "  57652 左右に並べて表示\tShift+F4",
        "  57651 上下に並べて表示\tShift+F5",
        "  ---",
        "  32866 同期ｽｸﾛｰﾙを設定/解除",
        "  32867 全ﾄﾞｷｭﾒﾝﾄを同期ｽｸﾛｰﾙ\tCtrl+B",
        "  32865 全ﾄﾞｷｭﾒﾝﾄを同期解除\tCtrl+Shft+B",
        "  ---",
        "  32822 シフトJIS",
        "  32823 Unicode",
        "  32824 ASCII (7Bit)",
        "[設定（&O）]",
        "  32814 基本設定",
        "  ---",
        "  32775 フォント",
        "  ---",
        "  32804 VIEWモード",
        "  32802 上書モード",
        "  32803 挿入モード",
        "[ﾍﾙﾌﾟ(&H)]",
        "  32800 HTMLヘルプ\tCtrl+H",
        "  57664 ﾊﾞｰｼﾞｮﾝ情報(&A)...",
    };
    ASSERT_EQ(Res().m_menus.size(), 1u);
    const CMenuDef* menu = Find(Res().m_menus, 128);
    ASSERT_NE(menu, nullptr);
    for (const CMenuItemDef& popup : menu->m_popups)
        EXPECT_EQ(popup.m_kind, CMenuItemDef::Popup) << popup.m_text;
    std::vector<std::string> actual;
    Render(menu->m_popups, 0, actual);
    EXPECT_EQ(actual, expected);
}

TEST(ResourceMenu, NoCommandAppearsTwice) {
    std::vector<UINT> ids = MenuCommands();
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
}

namespace {
// "Ctrl+Shift+B" -> modifier flags and virtual key, read the way the keyboard names them.
CAccelDef ParseKeys(const std::string& keys, UINT cmd) {
    CAccelDef a;
    a.m_fVirt = FVIRTKEY;
    a.m_cmd = cmd;
    size_t start = 0;
    for (;;) {
        size_t plus = keys.find('+', start);
        std::string part = keys.substr(start, plus == std::string::npos ? plus : plus - start);
        if (plus == std::string::npos) {
            static const std::map<std::string, unsigned> named = {
                {"Backspace", VK_BACK}, {"Delete", VK_DELETE}, {"End", VK_END},
                {"Home", VK_HOME},      {"Insert", VK_INSERT},
            };
            if (part.size() == 1)
                a.m_key = static_cast<unsigned char>(part[0]);
            else if (part[0] == 'F')
                a.m_key = VK_F1 + static_cast<unsigned>(std::stoi(part.substr(1))) - 1;
            else
                a.m_key = named.at(part);
            return a;
        }
        a.m_fVirt |= part == "Ctrl" ? FCONTROL : part == "Shift" ? FSHIFT : FALT;
        start = plus + 1;
    }
}

// Key, modifiers, command: sorts by key so a failure lists related entries together.
using AccelKey = std::tuple<unsigned, unsigned, UINT>;
AccelKey KeyOf(const CAccelDef& a) {
    return {a.m_key, a.m_fVirt, a.m_cmd};
}
} // namespace

TEST(ResourceAccelerators, TableMatchesTheKeyList) {
    const std::vector<std::pair<const char*, UINT>> keys = {
        {"Ctrl+0", 32784},
        {"Ctrl+1", 32785},
        {"Ctrl+2", 32786},
        {"Ctrl+3", 32787},
        {"Ctrl+4", 32788},
        {"Ctrl+5", 32789},
        {"Ctrl+A", 57644},
        {"Ctrl+B", 32867},
        {"Ctrl+Shift+B", 32865},
        {"Ctrl+C", 57634},
        {"Ctrl+Alt+C", 32872},
        {"Ctrl+H", 32800},
        {"Ctrl+I", 32801},
        {"Ctrl+J", 32811},
        {"Ctrl+M", 32828},
        {"Ctrl+N", 57600},
        {"Ctrl+O", 57601},
        {"Ctrl+R", 32833},
        {"Ctrl+S", 57603},
        {"Ctrl+W", 32805},
        {"Ctrl+X", 57635},
        {"Ctrl+T", 32871},
        {"Ctrl+V", 57637},
        {"Ctrl+Alt+V", 32873},
        {"Alt+Backspace", 57643},
        {"Shift+Delete", 57635},
        {"Ctrl+End", 32806},
        {"F3", 32782},
        {"Alt+F3", 57636},
        {"Shift+F3", 32783},
        {"Shift+F4", 57652},
        {"Shift+F5", 57651},
        {"F6", 32829},
        {"Shift+F6", 32831},
        {"F7", 32830},
        {"Shift+F7", 32832},
        {"Ctrl+Home", 32807},
        {"Insert", 32821},
        {"Ctrl+Insert", 57634},
        {"Alt+Insert", 32771},
        {"Shift+Insert", 57637},
        {"Ctrl+Z", 57643},
    };
    std::vector<AccelKey> expected;
    for (const auto& [name, cmd] : keys)
        expected.push_back(KeyOf(ParseKeys(name, cmd)));
    const CAccelTableDef* table = Find(Res().m_accelerators, 128);
    ASSERT_NE(table, nullptr);
    std::vector<AccelKey> actual;
    for (const CAccelDef& a : table->m_entries)
        actual.push_back(KeyOf(a));
    std::sort(expected.begin(), expected.end());
    std::sort(actual.begin(), actual.end());
    EXPECT_EQ(actual, expected);

    // A key combination bound twice would make one of the commands unreachable.
    std::set<std::pair<unsigned, unsigned>> seen;
    for (const auto& [key, virt, cmd] : actual)
        EXPECT_TRUE(seen.insert({virt, key}).second) << key << " " << cmd;
}

TEST(ResourceToolBar, ButtonsInOrderWithSeparators) {
    const std::vector<UINT> expected = {
        57600, 57601, 57603, 57607, 0, 57635, 57634, 57637, 32805, 57632, 0, 57643, 57644,
        0,     57636, 32782, 32783, 0, 32828, 0,     32804, 32802, 32803, 0, 32800};
    const CToolBarDef* bar = Find(Res().m_toolbars, 128);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->m_buttons, expected);
    EXPECT_EQ(bar->m_cxImage, 16);
    EXPECT_EQ(bar->m_cyImage, 15);
}

TEST(ResourceToolBar, EveryButtonHasAPictureInTheBarsPaletteOrInk) {
    const CToolBarDef* bar = Find(Res().m_toolbars, 128);
    ASSERT_NE(bar, nullptr);
    std::set<char> letters = {'.'};
    for (const CPaletteEntry& entry : bar->m_palette)
        letters.insert(entry.m_letter);
    for (UINT id : bar->m_buttons) {
        if (id == 0) continue;
        const CToolImageDef* image = bar->FindImage(id);
        ASSERT_NE(image, nullptr) << id;
        int kinds = (image->m_stock != CToolImageDef::NoStock) + !image->m_rows.empty() +
                    !image->m_coverage.empty();
        EXPECT_EQ(kinds, 1) << id;
        if (!image->m_coverage.empty()) {
            ASSERT_EQ(image->m_coverage.size(), size_t(bar->m_cyImage)) << id;
            for (const std::string& row : image->m_coverage) {
                EXPECT_EQ(row.size(), 2 * size_t(bar->m_cxImage)) << id; // two digits a pixel
                EXPECT_EQ(row.find_first_not_of("0123456789abcdef"), std::string::npos) << id;
            }
        }
        if (image->m_rows.empty()) continue;
        ASSERT_EQ(image->m_rows.size(), size_t(bar->m_cyImage)) << id;
        for (const std::string& row : image->m_rows) {
            EXPECT_EQ(row.size(), size_t(bar->m_cxImage)) << id;
            for (char c : row)
                EXPECT_TRUE(letters.count(c)) << id << " '" << c << "'";
        }
    }
}

TEST(ResourceIds, FrameworkCommandsKeepTheFrameworksValues) {
    // The framework's handlers answer to its own numbers; a menu item with another never
    // reaches them.
    const std::pair<UINT, UINT> pairs[] = {
        {ID_FILE_NEW, FrameworkIds::kFileNew},
        {ID_FILE_OPEN, FrameworkIds::kFileOpen},
        {ID_FILE_CLOSE, FrameworkIds::kFileClose},
        {ID_FILE_SAVE, FrameworkIds::kFileSave},
        {ID_FILE_SAVE_AS, FrameworkIds::kFileSaveAs},
        {ID_FILE_PRINT, FrameworkIds::kFilePrint},
        {ID_FILE_MRU_FILE1, FrameworkIds::kFirstRecentFile},
        {ID_FILE_MRU_LAST, FrameworkIds::kLastRecentFile},
        {ID_EDIT_CLEAR, FrameworkIds::kEditClear},
        {ID_EDIT_COPY, FrameworkIds::kEditCopy},
        {ID_EDIT_CUT, FrameworkIds::kEditCut},
        {ID_EDIT_FIND, FrameworkIds::kEditFind},
        {ID_EDIT_PASTE, FrameworkIds::kEditPaste},
        {ID_EDIT_UNDO, FrameworkIds::kEditUndo},
        {ID_EDIT_REDO, FrameworkIds::kEditRedo},
        {IDP_INVALID_FILENAME, FrameworkIds::kInvalidFileName},
        {IDP_ASK_TO_SAVE, FrameworkIds::kSaveChanges},
        {IDP_PARSE_INT, FrameworkIds::kParseIntMessage},
        {IDP_PARSE_INT_RANGE, FrameworkIds::kRangeIntMessage},
        {IDP_PAGES_OUT_OF_RANGE, FrameworkIds::kPagesOutOfRange},
        {IDP_NO_PRINTER, FrameworkIds::kNoPrinter},
        {IDP_PRINT_FAILED, FrameworkIds::kPrintFailed},
    };
    for (auto [program, framework] : pairs)
        EXPECT_EQ(program, framework);
}

TEST(ResourceStrings, EveryReachableCommandHasPromptAndTooltip) {
    std::set<UINT> commands;
    for (UINT id : MenuCommands())
        commands.insert(id);
    for (const CAccelDef& a : Find(Res().m_accelerators, 128)->m_entries)
        commands.insert(a.m_cmd);
    for (UINT id : Find(Res().m_toolbars, 128)->m_buttons)
        if (id != 0) commands.insert(id);

    for (UINT id : commands) {
        const CStringDef* s = Find(Res().m_strings, id);
        if (id == 32873) { // the text paste shows no prompt
            EXPECT_EQ(s, nullptr);
            continue;
        }
        ASSERT_NE(s, nullptr) << id;
        if (id == 32810) { // one line with a tab: no button, so no tooltip
            EXPECT_EQ(s->m_text, "最初の状態に戻す\t最初に戻す");
            continue;
        }
        const size_t nl = s->m_text.find('\n');
        ASSERT_NE(nl, std::string::npos) << id << " " << s->m_text;
        EXPECT_GT(nl, 0u) << id;
        EXPECT_LT(nl + 1, s->m_text.size()) << id << ": empty tooltip";
        EXPECT_EQ(s->m_text.find('\n', nl + 1), std::string::npos) << id;
    }
}

TEST(ResourceStrings, QuotedPromptsAndMessages) {
    // Prompts: the text before the line break.
    const std::vector<std::pair<UINT, const char*>> prompts = {
        {32822, "文字表示領域をシフトＪＩＳで表示する"},
        {32823, "文字表示領域をUnicodeに表示する"},
        {32824, "文字表示領域をASCII(7bit)コードで表示する"},
        {32840, "登録範囲または全体を*.dmpﾌｧｲﾙにﾀﾞﾝﾌﾟ"},
        {32804, "VIEWモード（変更不可）"},
        {32802, "上書モード（上書のみ：アドレス変更不可）"},
        {32803, "挿入モード（挿入/消去/置換：アドレスの変更可）"},
        {32771, "カレット位置に１文字(初期値は０)挿入する"},
        {32779, "カレット位置の１文字を消去する"},
        {32809, "カレット位置の前の文字を消去"},
        {57632, "選択範囲を削除"},
        {57643, "直前に行った動作を元に戻す"},
        {57644, "直前に行った動作を繰り返す"},
        {57635, "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存"},
        {57634, "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存"},
        {57637, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け"},
        {32805, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を上書きで貼り付け"},
        {32871,
         "検索・置換のために、データをCF_TEXTにコピー。非ASCII文字は０ｘHH」のように変換する。"},
        {32872, "CF_TEXTへの通常のコピー。データは変換しない"},
        {32811, "指定アドレスへ移動"},
        {32807, "ファイルの先頭へ移動"},
        {32806, "ファイルの最後へ移動"},
        {32828, "マークの設定/解除"},
        {32829, "次のマークへ移動"},
        {32830, "前のマークへ移動"},
        {32833, "選択範囲を登録"},
        {57636, "指定した文字列の検索"},
        {57641, "指定した文字列を他の文字列で置換"},
        {32782, "指定した文字列をファイルの後方に向けて検索"},
        {32783, "指定した文字列をファイルの前方に向けて検索"},
        {32801, "挿入する文字列を入力（クリップボードへコピー）"},
        {32784, "テスト用メニューアイテム"},
    };
    for (const auto& [id, prompt] : prompts) {
        const CStringDef* s = Find(Res().m_strings, id);
        ASSERT_NE(s, nullptr) << id;
        EXPECT_EQ(s->m_text.substr(0, s->m_text.find('\n')), prompt) << id;
    }

    const std::vector<std::pair<UINT, const char*>> whole = {
        {128, "Quelm\n\nQuelm\n\n\nQuelm.Document\nQuelm Document"},
        {61696, "無効なﾌｧｲﾙ名です。"},
        {61699, "%1 への変更を保存しますか?"},
        {61449, "MODE"},
        {61450, "Address"},
        {61451, "JCode"},
        {57345, "ﾚﾃﾞｨ"},
        {57344, "Quelm"},
    };
    for (const auto& [id, text] : whole) {
        const CStringDef* s = Find(Res().m_strings, id);
        ASSERT_NE(s, nullptr) << id;
        EXPECT_EQ(s->m_text, text) << id;
    }
}

TEST(ResourceStrings, IdsAreUnique) {
    std::set<UINT> ids;
    for (const CStringDef& s : Res().m_strings)
        EXPECT_TRUE(ids.insert(s.m_nID).second) << s.m_nID;
}

namespace {
// Push and default buttons compare alike here; which one is the default is checked apart.
const char* KindName(CControlDef::Kind kind) {
    switch (kind) {
    case CControlDef::Static:
        return "label";
    case CControlDef::GroupBox:
        return "group";
    case CControlDef::PushButton:
    case CControlDef::DefPushButton:
        return "button";
    case CControlDef::CheckBox:
        return "check";
    case CControlDef::RadioButton:
        return "radio";
    case CControlDef::Edit:
        return "edit";
    case CControlDef::ComboBox:
        return "combo";
    case CControlDef::DropList:
        return "droplist";
    case CControlDef::ListBox:
        return "listbox";
    case CControlDef::ListView:
        return "listview";
    case CControlDef::Spin:
        return "spin";
    }
    return "?";
}

struct DialogCase {
    UINT id;
    const char* caption;
    int cx, cy;                        // 0: size left open
    std::vector<std::string> controls; // "kind id text"; texts that are not given are left out
    std::vector<std::vector<UINT>> radioGroups;
    UINT defaultButton; // 0: none required
};

const char kHint0A[] = "非表示文字は \\x0A のように、\\xに\n続けて16進２桁で表記してください";
const char kHint1B[] = "非表示文字は \\x1B のように、\\xに\n続けて16進２桁で表記してください";

std::string Ctl(const char* kind, UINT id, const std::string& text = "") {
    return std::string(kind) + " " + std::to_string(id) + (text.empty() ? "" : " " + text);
}

const std::vector<DialogCase>& DialogCases() {
    static const std::vector<DialogCase> cases = {
        {134,
         "検索",
         223,
         114,
         {Ctl("combo", 1008), Ctl("button", 1001, "上方向検索"), Ctl("button", 1003, "下方向検索"),
          Ctl("button", 2, "ｷｬﾝｾﾙ"), Ctl("check", 1015, "大文字/小文字を区別する"),
          Ctl("check", 1036, "文字列をUnicodeとみなす"),
          Ctl("check", 1052, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞのﾃﾞｰﾀを検索"), Ctl("radio", 1042, "登録範囲"),
          Ctl("radio", 1043, "ﾌｧｲﾙ全体"), Ctl("group", 0xFFFF, "検索範囲"),
          Ctl("label", 0xFFFF, "検索文字列"), Ctl("label", 0xFFFF, kHint0A)},
         {{1042, 1043}},
         0},
        {135,
         "置換",
         223,
         132,
         {Ctl("combo", 1008), Ctl("label", 0xFFFF, "検索文字列"), Ctl("combo", 1004),
          Ctl("label", 0xFFFF, "置換文字列"), Ctl("button", 1005, "次を検索"),
          Ctl("button", 1006, "置換"), Ctl("button", 1007, "すべて置換"), Ctl("button", 2, "ｷｬﾝｾﾙ"),
          Ctl("check", 1015, "大文字/小文字を区別する"),
          Ctl("check", 1036, "文字列をUnicodeとみなす"), Ctl("radio", 1042, "登録範囲"),
          Ctl("radio", 1043, "ﾌｧｲﾙ全体"), Ctl("group", 0xFFFF, "置換範囲"),
          Ctl("label", 0xFFFF, kHint1B)},
         {{1042, 1043}},
         0},
        {136,
         "挿入文字列（クリップボードへコピー）",
         223,
         85,
         {Ctl("edit", 1011), Ctl("label", 0xFFFF, "挿入文字列"), Ctl("button", 1, "OK"),
          Ctl("button", 2, "ｷｬﾝｾﾙ"), Ctl("label", 0xFFFF, kHint1B),
          Ctl("check", 1036, "文字列をUnicodeとみなす")},
         {},
         1},
        {137,
         "指定アドレスへ移動",
         135,
         53,
         {Ctl("edit", 1012), Ctl("button", 1, "移動"), Ctl("button", 2, "ｷｬﾝｾﾙ"),
          Ctl("label", 0xFFFF, "アドレス"), Ctl("label", 0xFFFF, "16進で入力")},
         {},
         1},
        {138,
         "編集",
         0,
         0,
         {Ctl("group", 0xFFFF, "初期モード"), Ctl("radio", 1016, "ＶＩＥＷモード"),
          Ctl("radio", 1017, "上書モード"), Ctl("radio", 1018, "挿入モード"),
          Ctl("group", 0xFFFF, "許容モード"), Ctl("radio", 1019, "ＶＩＥＷのみ"),
          Ctl("radio", 1020, "ＶＩＥＷと上書"), Ctl("radio", 1021, "全て"),
          Ctl("label", 0xFFFF, "オンメモリ編集の上限（MB)"), Ctl("edit", 1051), Ctl("spin", 1050),
          Ctl("check", 1022, "バックアップファイルを作る"), Ctl("check", 1023, "ｼｮｰﾄｶｯﾄを編集する"),
          Ctl("check", 1053, "立ち上げ時に前のファイルを読み込む")},
         {{1016, 1017, 1018}, {1019, 1020, 1021}},
         0},
        {161,
         "表示",
         0,
         0,
         {Ctl("group", 0xFFFF, "初期漢字コード"), Ctl("radio", 1032, "シフトJIS"),
          Ctl("radio", 1033, "Unicode"), Ctl("radio", 1034, "ASCII（7bit）"),
          Ctl("group", 0xFFFF, "同期スクロール"), Ctl("radio", 1056, "アドレス一致"),
          Ctl("radio", 1057, "相対アドレス")},
         {{1032, 1033, 1034}, {1056, 1057}},
         0},
        {146, "", 200, 14, {}, {}, 0},
        {153,
         "マークのリスト",
         0,
         0,
         {Ctl("listview", 1054), Ctl("button", 1, "OK"), Ctl("button", 2, "ｷｬﾝｾﾙ")},
         {},
         0},
    };
    return cases;
}

// Rough width in dialog units: half-width characters (ASCII, half-width katakana) 4, others 8.
int TextWidth(const std::string& line) {
    int width = 0;
    for (size_t i = 0; i < line.size();) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        const size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        unsigned cp = c;
        if (n == 3) cp = (c & 0x0F) << 12 | (line[i + 1] & 0x3F) << 6 | (line[i + 2] & 0x3F);
        width += (n == 1 || (cp >= 0xFF61 && cp <= 0xFF9F)) ? 4 : 8;
        i += n;
    }
    return width;
}

bool Overlaps(const CRect& a, const CRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool Contains(const CRect& outer, const CRect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}
} // namespace

TEST(ResourceDialogs, TemplatesHaveTheirControls) {
    for (const DialogCase& c : DialogCases()) {
        SCOPED_TRACE(c.id);
        const CDialogDef* d = Find(Res().m_dialogs, c.id);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->m_caption, c.caption);
        if (c.cx != 0) {
            EXPECT_EQ(d->m_size, CSize(c.cx, c.cy));
        }
        std::vector<std::string> actual;
        for (const CControlDef& ctl : d->m_controls)
            actual.push_back(Ctl(KindName(ctl.m_kind), ctl.m_nID, ctl.m_text));
        std::vector<std::string> expected = c.controls;
        std::sort(actual.begin(), actual.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(actual, expected);

        int defaults = 0;
        for (const CControlDef& ctl : d->m_controls)
            if (ctl.m_kind == CControlDef::DefPushButton) {
                ++defaults;
                if (c.defaultButton != 0) {
                    EXPECT_EQ(ctl.m_nID, c.defaultButton);
                }
            }
        EXPECT_LE(defaults, 1);
        if (c.defaultButton != 0) {
            EXPECT_EQ(defaults, 1);
        }
    }
}

TEST(ResourceDialogs, PagesAndBarsAreChildTemplates) {
    for (UINT id : {138u, 161u, 146u})
        EXPECT_TRUE(Find(Res().m_dialogs, id)->m_bChild) << id;
    for (UINT id : {100u, 134u, 135u, 136u, 137u, 153u})
        EXPECT_FALSE(Find(Res().m_dialogs, id)->m_bChild) << id;
}

TEST(ResourceDialogs, RadioGroupsAndSpinBuddy) {
    for (const DialogCase& c : DialogCases()) {
        SCOPED_TRACE(c.id);
        const auto& controls = Find(Res().m_dialogs, c.id)->m_controls;
        auto indexOf = [&](UINT id) {
            for (size_t i = 0; i < controls.size(); ++i)
                if (controls[i].m_nID == id) return i;
            return controls.size();
        };
        for (const std::vector<UINT>& group : c.radioGroups) {
            // Consecutive, only the first starts the group, and the next control ends it.
            const size_t first = indexOf(group.front());
            ASSERT_LT(first + group.size(), controls.size() + 1);
            for (size_t k = 0; k < group.size(); ++k) {
                const CControlDef& r = controls[first + k];
                EXPECT_EQ(r.m_nID, group[k]);
                EXPECT_EQ((r.m_style & CControlDef::kGroup) != 0, k == 0) << r.m_nID;
            }
            if (first + group.size() < controls.size()) {
                EXPECT_TRUE(controls[first + group.size()].m_style & CControlDef::kGroup);
            }
        }
    }
    const auto& page = Find(Res().m_dialogs, 138)->m_controls;
    for (size_t i = 0; i < page.size(); ++i)
        if (page[i].m_nID == 1050) {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(page[i - 1].m_nID, 1051u); // the spin control takes the control before it
            EXPECT_TRUE(page[i - 1].m_style & CControlDef::kNumber);
        }
}

TEST(ResourceDialogs, AboutBoxHasItsButtons) {
    const CDialogDef* about = Find(Res().m_dialogs, 100);
    ASSERT_NE(about, nullptr);
    std::set<UINT> buttons;
    for (const CControlDef& ctl : about->m_controls)
        if (ctl.m_kind == CControlDef::PushButton || ctl.m_kind == CControlDef::DefPushButton)
            buttons.insert(ctl.m_nID);
    EXPECT_EQ(buttons, (std::set<UINT>{1, 1031, 1032}));
}

TEST(ResourceDialogs, ControlsFitAndDoNotOverlap) {
    for (const CDialogDef& d : Res().m_dialogs) {
        SCOPED_TRACE(d.m_nID);
        const CRect client(0, 0, d.m_size.cx, d.m_size.cy);
        std::set<UINT> ids;
        for (size_t i = 0; i < d.m_controls.size(); ++i) {
            const CControlDef& a = d.m_controls[i];
            EXPECT_FALSE(a.m_rect.IsRectEmpty()) << a.m_text;
            EXPECT_TRUE(Contains(client, a.m_rect)) << a.m_nID << " " << a.m_text;
            if (a.m_nID != 0xFFFF) {
                EXPECT_TRUE(ids.insert(a.m_nID).second) << a.m_nID;
            }
            for (size_t j = i + 1; j < d.m_controls.size(); ++j) {
                const CControlDef& b = d.m_controls[j];
                if (!Overlaps(a.m_rect, b.m_rect)) continue;
                // A group box may only frame controls wholly inside it.
                const bool framed =
                    (a.m_kind == CControlDef::GroupBox && Contains(a.m_rect, b.m_rect)) ||
                    (b.m_kind == CControlDef::GroupBox && Contains(b.m_rect, a.m_rect));
                EXPECT_TRUE(framed)
                    << a.m_nID << " " << a.m_text << " / " << b.m_nID << " " << b.m_text;
            }
        }
    }
}

TEST(ResourceDialogs, TextsFitTheirControls) {
    for (const CDialogDef& d : Res().m_dialogs) {
        SCOPED_TRACE(d.m_nID);
        for (const CControlDef& c : d.m_controls) {
            int extra = 0;
            if (c.m_kind == CControlDef::CheckBox || c.m_kind == CControlDef::RadioButton)
                extra = 12; // the box and the gap before the text
            else if (c.m_kind == CControlDef::GroupBox)
                extra = 8;
            else if (c.m_kind == CControlDef::PushButton || c.m_kind == CControlDef::DefPushButton)
                extra = 4;
            int lines = 0;
            size_t start = 0;
            for (;;) {
                const size_t nl = c.m_text.find('\n', start);
                const std::string line = c.m_text.substr(start, nl - start);
                ++lines;
                EXPECT_LE(TextWidth(line) + extra, c.m_rect.Width()) << line;
                if (nl == std::string::npos) break;
                start = nl + 1;
            }
            if (c.m_kind == CControlDef::Static) {
                EXPECT_GE(c.m_rect.Height(), 8 * lines) << c.m_text;
            }
        }
    }
}
