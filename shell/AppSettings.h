#pragma once
#include <string>
#include <vector>

#include "engine/BinData.h"
#include "engine/EditMode.h"

// The user's options and remembered window state, read once at start-up and written back when
// the main window closes.
struct AppSettings {
    // A stored window size below this is not a real window (a minimized one).
    static constexpr int kMinFrameSize = 100;

    int InitialMode = kModeView;
    int bBackup = 1;
    int AllowedMode = kModeInsert;
    int bEditShortcut = 0;
    int nMaxOnMemoryFileSize = CBinData::kDefaultMaxOnMemoryMB;
    int bReadLastFiles = 0;
    int nJCode = 0;
    int m_bSyncscrollTYpe = 0;
    std::string m_strSection = "Settings";
    std::string FontFaceName = "FixedSys";
    int FontHeight = -19;
    int FrameSizeX = 0;
    int FrameSizeY = 0;
    int bFileBarVisible = 1;
    int bIndicatorVisible = 1;
    int bStatusBarVisible = 1;
    int nMaxDocuments = 10;
    std::string m_strLastFilesSection = "Last Params";
    int nLastFileIndex = 0;

    // Resets every field to its default, then reads the stored values over them; a value the
    // program cannot use (hand-edited, or from another version) reads as the default.
    void LoadSettings();
    void SaveSettings();
    // Replaces the last-files list by paths in document order; untitled documents ("") are
    // left out, so they do not end the list.
    void SaveLastFiles(const std::vector<std::string>& paths);
    // The next path of the last-files list, or "" at its end or when reopening is off.
    std::string GetNextLastFile();
    void DeleteLastFiles();
};
