#pragma once
// Hints a document sends its views with UpdateAllViews; the bits may come together.
namespace UpdateHint {
constexpr long kRelayout = 2; // the layout follows the data's length, and the view repaints
constexpr long kClearSelection = 4;
// After a font change; the relayout bit does the work.
constexpr long kFontChanged = kRelayout | 1;
} // namespace UpdateHint
