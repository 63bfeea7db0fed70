#pragma once
#include "commands/ViewCommands.h"
#include "engine/KolvaDoc.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/MDIChildWnd.h"
#include "res/Resource.h"
#include "view/KolvaView.h"

// The program's document template with plain child frames and the view's commands, for tests
// and benchmarks that run views without the shell.
template <typename View = CKolvaView> CMultiDocTemplate* NewHexViewTemplate() {
    return new CMultiDocTemplate(
        IDR_MAINFRAME, [] { return new CKolvaDoc; }, [] { return new CMDIChildWnd; },
        [] {
            auto* view = new View;
            CViewCommands::Install(*view);
            return view;
        });
}
