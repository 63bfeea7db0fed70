#include "platform/win32/Win32Clipboard.h"

#include <cstring>
#include <windows.h>

#include "platform/base/CodePage932.h"
#include "platform/base/win32/WinPath.h"

namespace {
// The program's text format has the number CF_TEXT has in Windows; its bytes are code page 932.
constexpr unsigned kProgramText = CF_TEXT;
constexpr int kOpenAttempts = 20; // another program may hold the clipboard for a moment
constexpr DWORD kOpenRetryMs = 10;
const wchar_t kOwnerClass[] = L"QuelmClipboardOwner";

HWND MakeOwner() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kOwnerClass;
    RegisterClassW(&wc); // fails harmlessly when a second clipboard object registers it again
    return CreateWindowExW(0, kOwnerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                           nullptr);
}

// Closes the clipboard when it goes out of scope.
class ClipboardOpen {
public:
    explicit ClipboardOpen(bool bOpen) : m_bOpen(bOpen) {}
    ~ClipboardOpen() {
        if (m_bOpen) CloseClipboard();
    }
    explicit operator bool() const { return m_bOpen; }

private:
    bool m_bOpen;
};

HGLOBAL GlobalCopy(const void* data, size_t size) {
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    if (!mem) return nullptr;
    void* p = GlobalLock(mem);
    if (size) memcpy(p, data, size);
    GlobalUnlock(mem);
    return mem;
}

// The program's text block, up to its first zero byte, as UTF-16 text with its terminator.
HGLOBAL UnicodeOfBlock(const std::vector<uint8_t>& block) {
    size_t length = 0;
    while (length < block.size() && block[length] != 0)
        ++length;
    std::wstring text =
        CWinPath::ToWide(CCodePage932::ToUtf8(reinterpret_cast<const char*>(block.data()), length));
    return GlobalCopy(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

// A block of ours from what the clipboard holds.
std::vector<uint8_t> BlockOf(unsigned format, const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    if (format != kProgramText) return std::vector<uint8_t>(bytes, bytes + size);
    std::wstring text(static_cast<const wchar_t*>(data), size / sizeof(wchar_t));
    text.resize(wcsnlen(text.c_str(), text.size()));
    std::string cp932 = CCodePage932::FromUtf8(CWinPath::ToUtf8(text));
    std::vector<uint8_t> block(cp932.begin(), cp932.end());
    block.push_back(0);
    return block;
}
} // namespace

CWin32Clipboard::CWin32Clipboard() : m_hOwner(MakeOwner()) {}

CWin32Clipboard::~CWin32Clipboard() {
    if (m_hOwner) DestroyWindow(static_cast<HWND>(m_hOwner));
}

unsigned CWin32Clipboard::RegisterFormat(const std::string& name) {
    return RegisterClipboardFormatW(CWinPath::ToWide(name).c_str());
}

unsigned CWin32Clipboard::SystemFormat(unsigned format) {
    return format == kProgramText ? CF_UNICODETEXT : format;
}

bool CWin32Clipboard::Open() const {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (OpenClipboard(static_cast<HWND>(m_hOwner))) return true;
        Sleep(kOpenRetryMs);
    }
    return false;
}

bool CWin32Clipboard::SetData(CClipboardData data) {
    ClipboardOpen open(Open());
    if (!open || !EmptyClipboard()) return false;
    bool all = true;
    for (const auto& [format, block] : data.m_items) {
        HGLOBAL mem =
            format == kProgramText ? UnicodeOfBlock(block) : GlobalCopy(block.data(), block.size());
        // The clipboard owns the memory once it takes it.
        if (!mem || !SetClipboardData(SystemFormat(format), mem)) {
            if (mem) GlobalFree(mem);
            all = false;
        }
    }
    return all;
}

bool CWin32Clipboard::IsFormatAvailable(unsigned format) {
    return IsClipboardFormatAvailable(SystemFormat(format)) != 0;
}

bool CWin32Clipboard::GetData(unsigned format, std::vector<uint8_t>& block) {
    ClipboardOpen open(Open());
    if (!open) return false;
    HANDLE mem = GetClipboardData(SystemFormat(format));
    if (!mem) return false;
    const void* p = GlobalLock(mem);
    if (!p) return false;
    block = BlockOf(format, p, GlobalSize(mem));
    GlobalUnlock(mem);
    return true;
}
