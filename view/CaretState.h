#pragma once
#include <cstdint>

// Where in its byte the hex view's caret stands: the area and, in the hex area, the digit. The
// keys, the mouse, typed bytes and the caret's shape all read it; the view keeps one.
struct CCaretState {
    int32_t m_bCharArea = 0; // 1: the character area, 0: the hex area
    int32_t m_nNibble = 0;   // the high (0) or the low (1) digit of the byte
};
