#include "commands/ViewCommands.h"

#include "commands/ByteCommands.h"
#include "commands/ClipboardCommands.h"
#include "commands/EditModes.h"
#include "commands/MarkCommands.h"
#include "commands/NavigationCommands.h"
#include "commands/UndoCommands.h"
#include "view/DumpWriter.h"

void CViewCommands::Install(CKolvaView& view) {
    CEditModes::Install(view);
    CByteCommands::Install(view);
    CNavigationCommands::Install(view);
    CUndoCommands::Install(view);
    CClipboardCommands::Install(view);
    CMarkCommands::Install(view);
    CDumpWriter::Install(view);
}
