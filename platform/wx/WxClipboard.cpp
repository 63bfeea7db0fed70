#include "platform/wx/WxClipboard.h"

#include <algorithm>
#include <memory>

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include "platform/base/Afx.h"
#include "platform/base/CodePage932.h"

namespace {
constexpr unsigned kFirstRegistered = 0xC000;

// Opens the clipboard for the lifetime of the object.
class ClipboardLock {
public:
    ClipboardLock() : m_bOpen(wxTheClipboard->Open()) {}
    ~ClipboardLock() {
        if (m_bOpen) wxTheClipboard->Close();
    }
    explicit operator bool() const { return m_bOpen; }

private:
    bool m_bOpen;
};

wxDataObjectSimple* MakeItem(const wxDataFormat& format, const std::vector<uint8_t>& block) {
    if (format == wxDF_UNICODETEXT)
        return new wxTextDataObject(wxString::FromUTF8(CWxClipboard::TextOfBlock(block)));
    auto* custom = new wxCustomDataObject(format);
    custom->SetData(block.size(), block.data());
    return custom;
}
} // namespace

unsigned CWxClipboard::RegisterFormat(const std::string& name) {
    auto it = m_formats.find(name);
    if (it != m_formats.end()) return it->second;
    unsigned number = kFirstRegistered + static_cast<unsigned>(m_names.size());
    m_formats.emplace(name, number);
    m_names.push_back(name);
    return number;
}

bool CWxClipboard::FormatOf(unsigned format, wxDataFormat& out) const {
    if (format == CF_TEXT) {
        out = wxDataFormat(wxDF_UNICODETEXT);
        return true;
    }
    if (format < kFirstRegistered || format - kFirstRegistered >= m_names.size()) return false;
    out = wxDataFormat(wxString::FromUTF8(m_names[format - kFirstRegistered]));
    return true;
}

bool CWxClipboard::SetData(CClipboardData data) {
    auto composite = std::make_unique<wxDataObjectComposite>();
    for (const auto& [number, block] : data.m_items) {
        wxDataFormat format;
        if (FormatOf(number, format)) composite->Add(MakeItem(format, block));
    }
    ClipboardLock lock;
    return lock && wxTheClipboard->SetData(composite.release());
}

bool CWxClipboard::IsFormatAvailable(unsigned format) {
    wxDataFormat wanted;
    if (!FormatOf(format, wanted)) return false;
    ClipboardLock lock;
    return lock && wxTheClipboard->IsSupported(wanted);
}

bool CWxClipboard::GetData(unsigned format, std::vector<uint8_t>& block) {
    wxDataFormat wanted;
    if (!FormatOf(format, wanted)) return false;
    ClipboardLock lock;
    if (!lock || !wxTheClipboard->IsSupported(wanted)) return false;
    if (format == CF_TEXT) {
        wxTextDataObject text;
        if (!wxTheClipboard->GetData(text)) return false;
        block = BlockOfText(std::string(text.GetText().utf8_str()));
        return true;
    }
    wxCustomDataObject custom(wanted);
    if (!wxTheClipboard->GetData(custom)) return false;
    const auto* bytes = static_cast<const uint8_t*>(custom.GetData());
    block.assign(bytes, bytes + custom.GetSize());
    return true;
}

std::string CWxClipboard::TextOfBlock(const std::vector<uint8_t>& block) {
    auto end = std::find(block.begin(), block.end(), uint8_t(0));
    return CCodePage932::ToUtf8(reinterpret_cast<const char*>(block.data()),
                                static_cast<size_t>(end - block.begin()));
}

std::vector<uint8_t> CWxClipboard::BlockOfText(const std::string& utf8) {
    std::string bytes = CCodePage932::FromUtf8(utf8);
    std::vector<uint8_t> block(bytes.begin(), bytes.end());
    block.push_back(0);
    return block;
}
