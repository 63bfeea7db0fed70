#pragma once
// What a document lets the user do with its bytes; the values are also the stored setting's.
enum EditMode : int { kModeView = 0, kModeOverwrite = 1, kModeInsert = 2 };
