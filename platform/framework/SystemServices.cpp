#include "platform/framework/SystemServices.h"

#include "platform/framework/Backend.h"

int AfxMessageBox(const std::string& text, unsigned type) {
    return CBackend::Current().MessageBox(text, "Quelm", type);
}

void MessageBeep(unsigned type) {
    CBackend::Current().Beep(type);
}

short GetKeyState(int vk) {
    return CBackend::Current().GetKeyState(vk);
}
