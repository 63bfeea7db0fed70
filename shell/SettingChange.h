#pragma once

// A setting that open document windows show, changed while they are open: each window
// redoes what depends on it.
enum class SettingChange {
    kRulerBar,   // bIndicatorVisible
    kStatusBar,  // bStatusBarVisible
    kScreenFont, // rows and rulers are measured again
};
