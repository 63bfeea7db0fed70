#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "engine/JCodeTable.h"
#include "platform/base/Types.h"
#include "view/AddressRuler.h"
#include "view/ByteEntry.h"
#include "view/CaretShape.h"
#include "view/HexCaret.h"
#include "view/HexKeyboard.h"
#include "view/HexMouse.h"
#include "view/HexPainter.h"
#include "view/HexSelection.h"
#include "view/PagePrinter.h"
#include "view/RowView.h"
#include "view/ViewCommandSet.h"

class CBinData;
class CKolvaDoc;

// The hex view: rows of address, hexadecimal area and character area, with the caret, the
// selection, keyboard, mouse and input-method entry of bytes, and the character-code commands.
// The caret position, the selection and the bytes belong to the document's data; the caret's
// area, nibble and shape and the character code belong to the view. The window's state lives
// here; painting, the caret, the selection, keys, typed bytes and the mouse each have a
// helper that works on it.
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
    // The caret's cell in its current area, before the shape's offset.
    CPoint GetCaretPoint();
    // Insert: bar; overwrite: block; VIEW: underline of one column or of both hex digits.
    int ShapeForMode() const;

    void EnterByte(uint8_t value);
    void SetCaretFromPoint(UINT flags, int x, int y);
    void StartSelection();
    void ExtendSelection();
    void ClearSelection();
    void InvalidateRows(int r1, int r2, bool bErase);
    bool IsCaretRowVisible();
    bool SelectionTouchesVisibleRows();
    bool IsActiveView() const;
    bool CanTakeCharacter() const;
    // Pixel position of a column and a row of the data.
    int ColumnX(int column) const { return (column - m_nFirstCol) * m_nCharWidth; }
    int RowY(int64_t row) const;
    // What a refused key, character or command gives: the exclamation beep, nothing else.
    static void Refuse();

    // What every change of the bytes by a command is followed by: the layout follows the new
    // length, a pending hex digit is dropped, the caret is placed and the view repainted.
    void RefreshAfterChange();
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

    // Command sets of the layers above join this view's handler table.
    void AddCommandSet(std::unique_ptr<CViewCommandSet> pSet);
    void AddCommandHandler(UINT id, std::function<void()> handler);
    void AddUpdateHandler(UINT id, std::function<void(CCmdUI*)> handler);

    // Printing: the rows on pages, through the page printer.
    bool OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    virtual void PrintPageHeader(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintPageFooter(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}
    virtual void InitPrintLayout();
    CPagePrinter& PagePrinter() { return m_pagePrinter; }

    void OnInitialUpdate() override;
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
    COLORREF m_clrHighlight = 0;
    COLORREF m_clrHighlightText = 0;
    COLORREF m_clrWindow = 0;
    COLORREF m_clrWindowText = 0;
    COLORREF m_brushRange = RGB(255, 0, 0);
    COLORREF m_brushMark = RGB(0, 255, 0);
    JCode m_nJCode;

    int32_t m_bCharArea = 0;
    bool m_bSelecting = false;
    bool m_bShiftKey = false;
    int32_t m_nAnchor = 0;
    int32_t m_nLastCaret = 0;
    int32_t m_nNibble = 0;
    int32_t m_nCaretOffsetX = 0;
    int32_t m_nCaretOffsetY = 0;
    int32_t m_nCaretType = kCaretBar;
    int32_t m_nDragFlags = 0;
    CPoint m_ptDrag;

private:
    void SetJCode(JCode code);

    CHexPainter m_painter{*this};
    CHexCaret m_caret{*this};
    CHexSelection m_selection{*this};
    CByteEntry m_entry{*this};
    CHexKeyboard m_keyboard{*this};
    CHexMouse m_mouse{*this};
    std::vector<std::unique_ptr<CViewCommandSet>> m_commandSets;
    CPagePrinter m_pagePrinter{*this};
};
