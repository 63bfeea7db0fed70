#include "platform/wx/WxFileDropTarget.h"

bool CWxFileDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& files) {
    std::vector<std::string> paths;
    for (const wxString& file : files)
        paths.emplace_back(file.utf8_str());
    m_handler(paths);
    return true;
}
