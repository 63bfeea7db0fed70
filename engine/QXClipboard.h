#pragma once
#include <cstdint>
#include <vector>

// The private clipboard format "QXClipboard": a 32-bit little-endian count, then the bytes.

// Returns false on success, true when nothing could be put on the clipboard.
bool PutQXClipboard(int n, const uint8_t* bytes);
// Returns false on success (bytes may then be empty), true when the clipboard holds no usable
// data in the format. A block whose count claims more bytes than it holds is refused.
bool GetQXClipboard(std::vector<uint8_t>& bytes);
