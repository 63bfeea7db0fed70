#pragma once
#include <functional>
#include <string>
#include <vector>

#include <wx/dnd.h>

// Files dropped on a window, passed on as UTF-8 paths.
class CWxFileDropTarget : public wxFileDropTarget {
public:
    using Handler = std::function<void(const std::vector<std::string>&)>;
    explicit CWxFileDropTarget(Handler handler) : m_handler(std::move(handler)) {}

    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& files) override;

private:
    Handler m_handler;
};
