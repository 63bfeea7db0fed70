#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <map>
#include <string>
#include <vector>

#include "platform/framework/ToolBarPeer.h"
#include "platform/win32/Win32WindowPeer.h"

struct CToolBarDef;

// A toolbar common control: the main toolbar with the resource's pictures (the system's
// standard ones for the stock commands), or the file-name bar of text buttons.
class CWin32ToolBarPeer : public CWin32WindowPeer, public CToolBarPeer {
public:
    CWin32ToolBarPeer(CWnd* pOwner, HWND parent, const CWindowRequest& request);
    ~CWin32ToolBarPeer() override;

    void SetButtons(const std::vector<Button>& buttons) override;
    void SetButtonImage(int index, int image) override;
    // Buttons follow the owner's command states.
    void UpdateCommandUI();
    // A button's tip: the second line of its command's prompt.
    static std::wstring Tooltip(UINT id);

private:
    int ImageFor(UINT id);
    int AddDrawing(const CToolImageDef& image);

    const CToolBarDef* m_pDef;
    std::vector<Button> m_buttons;
    std::map<UINT, int> m_images; // command to image index in the bar's list
    int m_nStandardBase = -1;
};
