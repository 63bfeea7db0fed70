#include "commands/ViewCommands.h"

#include "commands/ByteCommands.h"
#include "commands/EditModes.h"
#include "commands/NavigationCommands.h"
#include "view/DumpWriter.h"

void CViewCommands::Install(CKolvaView& view) {
    CEditModes::Install(view);
    CByteCommands::Install(view);
    CNavigationCommands::Install(view);
    CDumpWriter::Install(view);
}
