#pragma once
// The program's resources as one set, built once on first use.
#include <vector>

#include "platform/base/ResourceSet.h"

const CResourceSet& QuelmResources();

// The parts the set is assembled from, one per kind.
std::vector<CMenuDef> BuildMenus();
std::vector<CAccelTableDef> BuildAccelerators();
std::vector<CToolBarDef> BuildToolBars();
std::vector<CToolImageDef> BuildToolImages();
std::vector<CPaletteEntry> BuildToolPalette();
std::vector<CDialogDef> BuildDialogs();
std::vector<CStringDef> BuildStrings();
