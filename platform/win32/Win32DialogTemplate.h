#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <string>
#include <vector>

#include "platform/base/ResourceTypes.h"

// An in-memory dialog template (DLGTEMPLATE and its items) built from a dialog definition, for
// CreateDialogIndirectParamW: the system makes the controls, tab order, default button and
// keyboard behaviour as it does for a template from a resource file.
class CWin32DialogTemplate {
public:
    enum Frame { Popup, Child };
    CWin32DialogTemplate(const CDialogDef& def, Frame frame);
    // A template with no controls of the given size, for a sheet the backend fills itself.
    CWin32DialogTemplate(const std::string& caption, CSize size);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }
    // The window style and class of a control kind.
    static DWORD ControlStyle(const CControlDef& c);
    static const wchar_t* ControlClass(CControlDef::Kind kind);

    static constexpr WORD kFontPoints = 9;

private:
    void Header(DWORD style, const std::string& caption, CSize size, size_t count);
    void Item(const CControlDef& c);
    void String(const std::wstring& s);
    void AlignToDword();

    std::vector<WORD> m_words;
};
