#pragma once
// Command and string numbers the framework's own handlers answer to. A program's resources use
// the same values so that its menus reach these handlers.
#include "platform/base/Types.h"

namespace FrameworkIds {
constexpr UINT kFileNew = 57600;
constexpr UINT kFileOpen = 57601;
constexpr UINT kFileClose = 57602;
constexpr UINT kFileSave = 57603;
constexpr UINT kFileSaveAs = 57604;
constexpr UINT kFilePrintSetup = 57606;
constexpr UINT kFilePrint = 57607;
constexpr UINT kFilePrintDirect = 57608;
constexpr UINT kFilePrintPreview = 57609;
// Sixteen recent-file entries.
constexpr UINT kFirstRecentFile = 57616;
constexpr UINT kRecentFileCount = 16;
constexpr UINT kLastRecentFile = kFirstRecentFile + kRecentFileCount - 1;
constexpr UINT kEditClear = 57632;
constexpr UINT kEditCopy = 57634;
constexpr UINT kEditCut = 57635;
constexpr UINT kEditFind = 57636;
constexpr UINT kEditPaste = 57637;
constexpr UINT kEditUndo = 57643;
constexpr UINT kEditRedo = 57644;
// Control bars and the pane a document template creates inside each document frame.
constexpr UINT kStatusBar = 0xE801;
constexpr UINT kFirstPane = 0xE900;
// Document windows are numbered from here, in window order.
constexpr UINT kFirstMDIChild = 0xFF00;

// Framework message strings.
constexpr UINT kIdleMessage = 57345;     // the message pane while nothing is highlighted
constexpr UINT kInvalidFileName = 61696; // "無効なﾌｧｲﾙ名です。"
constexpr UINT kSaveChanges = 61699;     // "%1 への変更を保存しますか?"
constexpr UINT kParseIntMessage = 61712;
constexpr UINT kRangeIntMessage = 61714;
constexpr UINT kPagesOutOfRange = 61730;
constexpr UINT kNoPrinter = 61731;   // printing asked for with no printer set up
constexpr UINT kPrintFailed = 61732; // the printer refused the job
} // namespace FrameworkIds
