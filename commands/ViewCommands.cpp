#include "commands/ViewCommands.h"

#include "commands/ByteCommands.h"
#include "commands/EditModes.h"
#include "commands/NavigationCommands.h"

void CViewCommands::Install(CKolvaView& view) {
    CEditModes::Install(view);
    CByteCommands::Install(view);
    CNavigationCommands::Install(view);
}
