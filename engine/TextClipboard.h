#pragma once
#include <cstdint>
#include <vector>

// Bytes as text on the clipboard. Other programs read the system's text, which cannot carry
// every byte: it ends at a zero, and bytes that are not code page 932 text (or text with two
// codes) change on the way through Unicode. So the exact bytes go beside it under a format of
// our own, "QXText", which a text paste in this program prefers.

// Returns false on success, true when nothing could be put on the clipboard.
bool PutTextClipboard(int n, const uint8_t* bytes);
// The exact bytes of our own text copy when the clipboard holds one, else the system's text
// up to its first zero; empty when there is no text.
std::vector<uint8_t> GetTextClipboard();
// Whether other programs see exactly these bytes in the system's text.
bool IsExactAsText(int n, const uint8_t* bytes);
