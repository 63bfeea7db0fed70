#include "platform/framework/View.h"

#include <memory>

#include "platform/framework/Backend.h"
#include "platform/framework/FrameWnd.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/framework/PrintJob.h"
#include "platform/framework/PrintService.h"

CView::CView() {
    OnCommand(FrameworkIds::kFilePrint, [this] { OnFilePrint(false); });
    OnCommand(FrameworkIds::kFilePrintDirect, [this] { OnFilePrint(true); });
    OnCommand(FrameworkIds::kFilePrintPreview, [this] { OnFilePrintPreview(); });
}

CFrameWnd* CView::GetParentFrame() const {
    return dynamic_cast<CFrameWnd*>(m_pParent);
}

void CView::OnFilePrint(bool bDirect) {
    CPrintInfo info;
    info.m_bDirect = bDirect;
    if (!OnPreparePrinting(&info)) return;
    CPrintJob job(*this, info);
    CBackend::Current().Printing().Print(job, !bDirect);
}

void CView::OnFilePrintPreview() {
    CPrintInfo info;
    info.m_bPreview = true;
    if (!OnPreparePrinting(&info)) return;
    CBackend::Current().Printing().Preview(std::make_unique<CPrintJob>(*this, info));
}
