#pragma once
// Shapes of the hex view's caret, as PlaceCaret and SetCaretShape take them.
enum CaretShape : int {
    kCaretKeep = 0,          // the caret keeps its shape
    kCaretUnderline = 1,     // under one column
    kCaretBar = 2,           // insert mode
    kCaretBlock = 3,         // overwrite mode
    kCaretWideBlock = 4,     // over both hex digits
    kCaretLast = 5,          // the shape set last
    kCaretWideUnderline = 6, // under both hex digits
};
