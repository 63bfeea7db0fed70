#pragma once

// The toolkit's tooltips. GTK keeps showing those of a window a modal one has just covered, and
// they stay above the dialog: while a modal window is shown, only its own tooltips show.
class CWxToolTips {
public:
    CWxToolTips() = delete;

    // Once for the process; later calls do nothing.
    static void HideUnderModalWindows();
    static void HideAll();
};
