#include "platform/View.h"

#include "platform/FrameWnd.h"

CFrameWnd* CView::GetParentFrame() const {
    return dynamic_cast<CFrameWnd*>(m_pParent);
}
