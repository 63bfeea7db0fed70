// A small program on the wx backend: a main window with a menu, accelerators and a toolbar,
// and document windows whose views draw code-page-932 text on the cell grid with a caret.
// Options: --tile-columns, --tile-rows (arrange the windows), --dialog (show a dialog),
// --message (ask a question first), --sheet (show a property sheet), --documents N (how many to
// open, 2 by default).
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/base/Afx.h"
#include "platform/base/VirtualKeys.h"
#include "platform/framework/Backend.h"
#include "platform/framework/ControlBars.h"
#include "platform/framework/DC.h"
#include "platform/framework/Dialog.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/Document.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/PropertySheet.h"
#include "platform/framework/View.h"
#include "platform/framework/WinApp.h"
#include "platform/wx/WxApplication.h"

namespace {
constexpr UINT kMainId = 128;
constexpr UINT kFileNew = 57600;
constexpr UINT kFileClose = 57602;
constexpr UINT kAppExit = 57665;
constexpr UINT kCascade = 57650;
constexpr UINT kTileRows = 57651;
constexpr UINT kTileColumns = 57652;
constexpr UINT kMarkToggle = 32828;
constexpr UINT kShowDialog = 32900;
constexpr UINT kRulerBar = 146;
constexpr UINT kDialogId = 200;
constexpr UINT kPageId = 201;

CResourceSet MakeResources() {
    using M = CMenuItemDef;
    CResourceSet res;
    CMenuDef menu;
    menu.m_nID = kMainId;
    menu.m_popups = {
        M::Sub("ﾌｧｲﾙ(&F)",
               {M::Item(kFileNew, "新規作成(&N)\tCtrl+N"), M::Item(kFileClose, "閉じる(&C)"),
                M::Sep(), M::Item(57616, "最新のﾌｧｲﾙ", true), M::Sep(),
                M::Item(kAppExit, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)")}),
        M::Sub("編集(&E)", {M::Item(kMarkToggle, "マークの設定/解除\tCtrl+M"),
                            M::Item(57643, "元に戻す(&U)\tCtrl+Z"),
                            M::Sub("テキスト操作", {M::Item(57634, "コピー\tCtrl+Ins / Ctrl+C")}),
                            M::Item(kShowDialog, "検索(&F)...\tAlt+F3")}),
        M::Sub("表示(&V)", {M::Item(kCascade, "重ねて表示"),
                            M::Item(kTileColumns, "左右に並べて表示\tShift+F4"),
                            M::Item(kTileRows, "上下に並べて表示\tShift+F5")}),
    };
    res.m_menus = {menu};
    CAccelTableDef accel;
    accel.m_nID = kMainId;
    accel.m_entries = {{FVIRTKEY | FCONTROL, 'N', kFileNew},
                       {FVIRTKEY | FCONTROL, 'M', kMarkToggle},
                       {FVIRTKEY | FALT, VK_F3, kShowDialog},
                       {FVIRTKEY | FSHIFT, VK_F4, kTileColumns},
                       {FVIRTKEY | FSHIFT, VK_F5, kTileRows}};
    res.m_accelerators = {accel};
    CToolBarDef bar;
    bar.m_nID = kMainId;
    bar.m_buttons = {kFileNew, 57601, 57603, 0,     57635, 57634, 57637, 0,     57643, 57644,
                     0,        32782, 32783, 32828, 0,     32804, 32802, 32803, 0,     32800};
    res.m_toolbars = {bar};
    using C = CControlDef;
    auto control = [](C::Kind kind, UINT id, const char* text, CRect r, unsigned style = 0) {
        C c;
        c.m_kind = kind;
        c.m_nID = id;
        c.m_text = text;
        c.m_rect = r;
        c.m_style = style;
        return c;
    };
    CDialogDef dialog;
    dialog.m_nID = kDialogId;
    dialog.m_caption = "検索";
    dialog.m_size = CSize(223, 96);
    dialog.m_controls = {
        control(C::Static, 0xFFFF, "検索文字列", CRect(7, 9, 52, 17)),
        control(C::ComboBox, 1001, "", CRect(54, 7, 160, 19)),
        control(C::CheckBox, 1002, "大文字/小文字を区別する", CRect(7, 26, 117, 36)),
        control(C::GroupBox, 0xFFFF, "検索範囲", CRect(122, 30, 216, 70)),
        control(C::RadioButton, 1003, "登録範囲", CRect(130, 42, 208, 52), C::kGroup),
        control(C::RadioButton, 1004, "ﾌｧｲﾙ全体", CRect(130, 55, 208, 65)),
        control(C::Static, 0xFFFF, "上限（MB)", CRect(7, 44, 60, 52)),
        control(C::Edit, 1005, "", CRect(62, 42, 92, 54), C::kNumber),
        control(C::Spin, 1006, "", CRect(92, 42, 102, 54)),
        control(C::PushButton, 1007, "上方向検索", CRect(166, 7, 216, 21)),
        control(C::DefPushButton, 1, "下方向検索", CRect(166, 76, 216, 90)),
        control(C::PushButton, 2, "ｷｬﾝｾﾙ", CRect(110, 76, 160, 90)),
    };
    CDialogDef page;
    page.m_nID = kPageId;
    page.m_size = CSize(212, 80);
    page.m_bChild = true;
    page.m_controls = {
        control(C::GroupBox, 0xFFFF, "初期モード", CRect(7, 7, 100, 60)),
        control(C::RadioButton, 1016, "ＶＩＥＷモード", CRect(14, 19, 96, 29), C::kGroup),
        control(C::RadioButton, 1017, "上書モード", CRect(14, 32, 96, 42)),
        control(C::RadioButton, 1018, "挿入モード", CRect(14, 45, 96, 55)),
        control(C::CheckBox, 1022, "バックアップファイルを作る", CRect(108, 12, 205, 22)),
    };
    CDialogDef ruler;
    ruler.m_nID = kRulerBar;
    ruler.m_size = CSize(200, 14);
    ruler.m_bChild = true;
    res.m_dialogs = {dialog, ruler, page};
    return res;
}

class CSmokeDialog : public CDialog {
public:
    explicit CSmokeDialog(CWnd* pParent) : CDialog(kDialogId, pParent) {}
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        SetComboItems(1001, {"ABC", "日本語", "ｶﾀｶﾅ"});
        SetDlgItemText(1001, "日本語");
        CheckDlgButton(1003, 1);
        SetDlgItemText(1005, "16");
        if (m_pPeer) m_pPeer->SetSpinRange(1006, 1, 256);
        return true;
    }
};

// Column numbers above the view, drawn by the program.
class CRuler : public CWnd {
public:
    void OnPaint(CDC* pDC) override {
        CRect r = GetClientRect();
        pDC->FillSolidRect(r, RGB(230, 230, 240));
        pDC->SetBkColor(RGB(230, 230, 240));
        pDC->TextOut(0, 0, "+0 +1 +2 +3 +4 +5 +6 +7");
    }
};

class CSmokeView : public CView {
public:
    void OnCreate() override {
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMax = 0x7FFFFFF0; // a 32-bit range
        si.nPage = 40;
        SetScrollInfo(SB_VERT, si);
    }
    void OnInitialUpdate() override {
        if (m_rulerBar.Create(GetParent(), kRulerBar, kRulerBar)) {
            m_ruler.CreatePeer(RulerSpec(&m_rulerBar));
            m_ruler.MoveWindow(CRect(0, 0, 600, 20));
            m_rulerBar.MoveWindow(CRect(0, 0, m_rulerBar.GetClientRect().Width(), 21));
        }
        CView::OnInitialUpdate();
    }
    void OnDraw(CDC* pDC) override {
        CFont* old = pDC->SelectObject(&m_font);
        TEXTMETRIC tm;
        pDC->GetTextMetrics(tm);
        m_cell = CSize(tm.tmAveCharWidth, tm.tmHeight);
        const char* rows[] = {"A\x82\xA0"
                              "B ASCII and \x82\xA0\x82\xA2\x82\xA4 hiragana",
                              "stray lead \x82| half-width \xB1\xB2\xB3 kana",
                              "kanji \x93\xFA\x96\x7B\x8C\xEA and \x81\x9A marks",
                              "0123456789ABCDEF0123456789ABCDEF"};
        int y = 0;
        for (const char* row : rows) {
            pDC->SetTextColor(RGB(0, 0, 0));
            pDC->SetBkColor(RGB(255, 255, 255));
            pDC->TextOut(0, y, row, static_cast<int>(std::strlen(row)));
            y += tm.tmHeight;
        }
        pDC->PatBlt(CRect(0, 0, 8 * tm.tmAveCharWidth, tm.tmHeight), RGB(255, 255, 0), ROP_DPa);
        pDC->PatBlt(CRect(0, tm.tmHeight, 8 * tm.tmAveCharWidth, 2 * tm.tmHeight), RGB(0, 0, 255),
                    ROP_DPo);
        pDC->TextOut(0, y, m_typed);
        pDC->SelectObject(old);
    }
    void OnSetFocus() override {
        CreateSolidCaret(std::max(m_cell.cx, 2), std::max(m_cell.cy, 2));
        SetCaretPos(CPoint(m_nCaret * m_cell.cx, 4 * m_cell.cy));
        ShowCaret();
    }
    void OnKillFocus() override { DestroyCaret(); }
    void OnKeyDown(UINT vk, UINT, UINT) override {
        if (vk == VK_LEFT && m_nCaret > 0) --m_nCaret;
        if (vk == VK_RIGHT) ++m_nCaret;
        SetCaretPos(CPoint(m_nCaret * m_cell.cx, 4 * m_cell.cy));
    }
    void OnChar(UINT ch, UINT, UINT) override { Type(std::string(1, static_cast<char>(ch))); }
    void OnImeChar(UINT ch, UINT) override {
        std::string bytes;
        if (ch > 0xFF) bytes += static_cast<char>(ch >> 8);
        bytes += static_cast<char>(ch & 0xFF);
        Type(bytes);
    }

private:
    CWindowSpec RulerSpec(CWnd* bar) {
        CWindowSpec ws;
        ws.m_kind = CWindowSpec::Control;
        ws.m_pParent = bar;
        return ws;
    }
    void Type(const std::string& bytes) {
        if (static_cast<unsigned char>(bytes[0]) < 0x20) return;
        m_typed += bytes;
        m_nCaret = static_cast<int>(m_typed.size());
        SetCaretPos(CPoint(m_nCaret * m_cell.cx, 4 * m_cell.cy));
        Invalidate(false);
    }

    CFont m_font{CLogFont{"FixedSys", -19, 400, 128, true}};
    CSize m_cell{10, 20};
    int m_nCaret = 0;
    std::string m_typed;
    CDialogBar m_rulerBar;
    CRuler m_ruler;
};

class CSmokeChild : public CMDIChildWnd {
public:
    void OnCreate() override {
        if (m_status.Create(this, 59393)) {
            m_status.SetPanes({100, 30, 30, 120});
            m_status.SetPaneText(0, "ﾚﾃﾞｨ");
            m_status.SetPaneText(1, "VIEW");
            m_status.SetPaneText(2, "SJIS");
            m_status.SetPaneText(3, "0000/012C");
        }
    }

private:
    CStatusBar m_status;
};

class CSmokeFrame : public CMDIFrameWnd {
public:
    CSmokeFrame() {
        OnCommand(kAppExit, [this] { OnClose(); });
        OnCommand(kCascade, [this] { MDICascade(); });
        OnCommand(kTileRows, [this] { MDITile(true); });
        OnCommand(kTileColumns, [this] { MDITile(false); });
        OnCommand(kMarkToggle, [this] { m_bMark = !m_bMark; });
        OnUpdate(kMarkToggle, [this](CCmdUI* ui) { ui->SetCheck(m_bMark); });
        OnCommand(kShowDialog, [this] { ShowDialog(); });
    }
    void OnCreate() override {
        m_toolBar.Create(this, 59392, CResourceSet::Current().FindToolBar(kMainId));
    }
    void ShowDialog() {
        m_pDialog = std::make_unique<CSmokeDialog>(this);
        if (m_pDialog->Create()) m_pDialog->ShowWindow(true);
    }

private:
    CToolBar m_toolBar;
    bool m_bMark = true;
    std::unique_ptr<CSmokeDialog> m_pDialog;
};

class CSmokeApp : public CWinApp {
public:
    CSmokeApp() {
        OnCommand(kFileNew, [this] { OnFileNew(); });
    }
    bool InitInstance() override {
        CResourceSet::SetCurrent(&m_resources);
        AddDocTemplate(new CMultiDocTemplate(
            kMainId, [] { return new CDocument; }, [] { return new CSmokeChild; },
            [] { return new CSmokeView; }));
        auto* frame = new CSmokeFrame;
        if (!frame->LoadFrame(kMainId)) return false;
        m_pMainWnd = frame;
        frame->ShowWindow(true);
        LoadStdProfileSettings(0);
        frame->GetPeer()->SetRecentFiles({"/tmp/sample.bin", "/home/user/データ.bin"});
        int documents = 2;
        for (size_t i = 0; i < m_argv.size(); ++i)
            if (m_argv[i] == "--documents" && i + 1 < m_argv.size())
                documents = std::atoi(m_argv[i + 1].c_str());
        for (int i = 0; i < documents; ++i)
            OnFileNew();
        for (const std::string& arg : m_argv) {
            if (arg == "--tile-columns") frame->MDITile(false);
            if (arg == "--tile-rows") frame->MDITile(true);
            if (arg == "--dialog") frame->ShowDialog();
            if (arg == "--sheet") ShowSheet();
            if (arg == "--message")
                AfxMessageBox("ファイルは変更されています。保存しますか?",
                              MB_YESNOCANCEL | MB_ICONEXCLAMATION);
        }
        return true;
    }
    void ShowSheet() {
        CPropertyPage edit(kPageId, "編集"), display(kPageId, "表示");
        CPropertySheet sheet("基本設定", nullptr);
        sheet.AddPage(&edit);
        sheet.AddPage(&display);
        sheet.DoModal();
    }
    int ExitInstance() override {
        delete m_pMainWnd;
        m_pMainWnd = nullptr;
        return 0;
    }

private:
    CResourceSet m_resources = MakeResources();
};
} // namespace

int main(int argc, char** argv) {
    CSmokeApp app;
    return RunWxApplication(app, argc, argv);
}
