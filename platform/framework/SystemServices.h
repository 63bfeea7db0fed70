#pragma once
// The window system's free functions the program calls, answered by the current backend. They
// live above the plain types because only a backend can answer them: a layer that may not show
// anything to the user cannot include this.
#include <string>

#include "platform/base/Afx.h"
#include "platform/base/VirtualKeys.h"

// Shows a modal message box and returns the answer.
int AfxMessageBox(const std::string& text, unsigned type = MB_OK | MB_ICONEXCLAMATION);

// The refusal sound.
void MessageBeep(unsigned type);

// Negative while the key is down (the high bit of the platform's 16-bit state).
short GetKeyState(int vk);
