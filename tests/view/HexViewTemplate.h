#pragma once
#include <memory>

#include "commands/ViewCommands.h"
#include "engine/KolvaDoc.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/MDIChildWnd.h"
#include "res/Resource.h"
#include "view/KolvaView.h"

// The program's document template with plain child frames and the view's commands, for tests
// and benchmarks that run views without the shell.
template <typename View = CKolvaView, typename Frame = CMDIChildWnd>
std::unique_ptr<CMultiDocTemplate> NewHexViewTemplate() {
    return std::make_unique<CMultiDocTemplate>([] { return std::make_unique<CKolvaDoc>(); },
                                               [] { return std::make_unique<Frame>(); },
                                               [] {
                                                   auto view = std::make_unique<View>();
                                                   CViewCommands::Install(*view);
                                                   return view;
                                               });
}
