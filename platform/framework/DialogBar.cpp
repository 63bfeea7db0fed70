#include "platform/framework/DialogBar.h"

#include "platform/base/ResourceSet.h"

bool CDialogBar::Create(CWnd* pParent, UINT templateId, UINT id) {
    CWindowRequest request;
    request.m_kind = CWindowRequest::DialogBar;
    request.m_pParent = pParent;
    request.m_nID = id;
    request.m_pDialog = CResourceSet::Current().FindDialog(templateId);
    return request.m_pDialog && CreatePeer(request);
}
