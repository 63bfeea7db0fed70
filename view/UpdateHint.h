#pragma once
// What a hex view does when its document tells it of a change (UpdateAllViews); the bits may
// come together.
namespace UpdateHint {
// The layout is computed again (the font changed), the group follows and the view repaints.
constexpr long kRelayout = 2;
// The selection is dropped and its rows repainted.
constexpr long kClearSelection = 4;
// A new screen font: the rows take its cells, through the relayout bit.
constexpr long kFontChanged = kRelayout | 1;
// Sent by the document's edit step. The byte at the caret changed in place: its row repaints.
constexpr long kCaretRow = 8;
// The bytes changed, the length perhaps too (the refresh after every command that changes
// bytes): the rows follow the length, hex entry starts over, the caret takes the shape of the
// mode and the whole view repaints.
constexpr long kAfterChange = 16;
// Bytes were overwritten in place, beyond the caret's row: the whole view repaints, while the
// caret and hex entry stay as they are.
constexpr long kRepaint = 32;
} // namespace UpdateHint
