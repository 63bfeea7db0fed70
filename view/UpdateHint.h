#pragma once
// What a hex view's OnUpdate is asked to do; the bits may come together.
namespace UpdateHint {
constexpr long kRelayout = 2; // the layout follows the data's length, and the view repaints
constexpr long kClearSelection = 4;
// A new screen font: the rows take its cells, through the relayout bit.
constexpr long kFontChanged = kRelayout | 1;
} // namespace UpdateHint
