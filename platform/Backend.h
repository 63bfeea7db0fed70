#pragma once
#include <string>

class CClipboard;
class CProfileStore;

// The window system the program runs on: the real one, or a recording one for tests.
// Exactly one backend is current at a time.
class CBackend {
public:
    virtual ~CBackend() = default;

    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned type) = 0;
    virtual void Beep(unsigned type) = 0;
    virtual CClipboard& Clipboard() = 0;
    virtual CProfileStore& Profile() = 0;

    static CBackend& Current();
    // Makes backend current (not owned); returns the previous one.
    static CBackend* SetCurrent(CBackend* backend);
};
