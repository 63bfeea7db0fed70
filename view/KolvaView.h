#pragma once
#include <cstdint>
#include <memory>

#include "engine/JCodeTable.h"
#include "platform/base/Types.h"
#include "view/AddressRuler.h"
#include "view/CaretState.h"
#include "view/RowView.h"

class CBinData;
class CByteEntry;
class CHexCaret;
class CHexKeyboard;
class CHexMouse;
class CHexPainter;
class CHexSelection;
class CKolvaDoc;
class CPagePrinter;
class CViewCommandSet;

// The hex view: rows of address, hexadecimal area and character area, with the caret, the
// selection, keyboard, mouse and input-method entry of bytes, and the character-code commands.
// The caret position, the selection and the bytes belong to the document's data; the caret's
// area, nibble and shape and the character code belong to the view. Painting, the caret, the
// selection, keys, typed bytes and the mouse each have a helper that keeps its own state and
// calls the others directly; the view hands them the window's messages.
class CKolvaView : public CRowView {
public:
    static constexpr UINT kDragTimer = 1;

    CKolvaView();
    ~CKolvaView() override;

    CKolvaDoc* GetDocument() const;
    // The document's data, or null when it has none.
    CBinData* GetData() const;
    int EditMode() const;

    // CRowView
    int GetLastColumn() override;
    int ScrollColumns(int n) override;
    CFont* GetRowFont() override;
    void UsePrinterFont(bool bPrinter) override;
    CRowSource* GetRowSource() override;
    void SetCaretShape(int type) override;
    void PlaceCaret(CDC* pDC, int type) override;

    virtual CPoint GetHexCaretPoint();
    // Insert: bar; overwrite: block; VIEW: underline of one column or of both hex digits.
    int ShapeForMode() const;

    void InvalidateRows(int r1, int r2, bool bErase);
    bool IsCaretRowVisible();
    bool IsActiveView() const;
    // Pixel position of a column and a row of the data.
    int ColumnX(int column) const { return (column - m_nFirstCol) * m_nCharWidth; }
    int RowY(int64_t row) const;
    // What a refused key, character or command gives: the exclamation beep, nothing else.
    static void Refuse();

    CCaretState& CaretState() { return m_caretState; }
    CHexSelection& Selection() { return *m_pSelection; }

    // A bar of the document window was shown or hidden: the view lays out for its new client
    // area, hex entry starts over, and the caret is placed and the rows repainted.
    void OnClientAreaChanged();
    // Scrolls to the caret's row (if the group allows) and shows the caret there.
    void BringCaretIntoView();
    // The document's mode changed: hex entry starts over and the caret takes the mode's shape.
    void OnModeChanged();
    // Header text, font, bar and size of the address ruler, as at the first update; again after
    // the font or the shown areas changed.
    void RefreshRuler();

    void AttachCommandSet(std::unique_ptr<CViewCommandSet> pSet);
    // A command of the view places the caret once, however often its steps move it.
    bool RunCommand(UINT id) override;

    // Printing: the rows on pages, through the page printer.
    bool OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    virtual void PrintPageHeader(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintPageFooter(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}
    virtual void InitPrintLayout();
    CPagePrinter& PagePrinter() { return *m_pPagePrinter; }

    void OnInitialUpdate() override;
    // The document's edit step and the shell tell the view what changed (UpdateHint).
    void OnUpdate(CView* pSender, long lHint) override;
    void OnDraw(CDC* pDC) override;
    void OnActivateView(bool bActivate, CView* pActivate, CView* pDeactive) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // Shift released: a keyboard selection is finished.
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnImeStartComposition() override;
    void OnImeChar(UINT nChar, UINT nRepCnt) override;
    void OnLButtonDown(UINT nFlags, CPoint pt) override;
    void OnLButtonUp(UINT nFlags, CPoint pt) override;
    void OnMouseMove(UINT nFlags, CPoint pt) override;
    void OnTimer(UINT nIDEvent) override;
    void OnDestroy() override;

    CAddressRuler m_wndRuler;
    JCode m_nJCode;

private:
    void SetJCode(JCode code);
    // The refresh after a command changed bytes: the rows follow the length, hex entry starts
    // over, the caret takes the mode's shape and the whole view repaints.
    void FollowChange();

    CCaretState m_caretState;
    std::unique_ptr<CHexPainter> m_pPainter;
    std::unique_ptr<CHexCaret> m_pCaret;
    std::unique_ptr<CHexSelection> m_pSelection;
    std::unique_ptr<CByteEntry> m_pEntry;
    std::unique_ptr<CHexKeyboard> m_pKeyboard;
    std::unique_ptr<CHexMouse> m_pMouse;
    std::unique_ptr<CPagePrinter> m_pPagePrinter;
};
