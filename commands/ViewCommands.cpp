#include "commands/ViewCommands.h"

#include <memory>

#include "commands/ByteCommands.h"
#include "commands/ClipboardCommands.h"
#include "commands/EditModes.h"
#include "commands/MarkCommands.h"
#include "commands/NavigationCommands.h"
#include "commands/UndoCommands.h"
#include "view/DumpWriter.h"
#include "view/KolvaView.h"

namespace {
template <typename... Sets> void Attach(CKolvaView& view) {
    (view.AttachCommandSet(std::make_unique<Sets>(view)), ...);
}
} // namespace

void CViewCommands::Install(CKolvaView& view) {
    Attach<CEditModes, CByteCommands, CNavigationCommands, CUndoCommands, CClipboardCommands,
           CMarkCommands, CDumpWriter>(view);
}
