// The real program: the application object on the wxWidgets backend.
#include "platform/wx/WxApplication.h"
#include "shell/KolvaApp.h"

int main(int argc, char** argv) {
    CKolvaApp app;
    return RunWxApplication(app, argc, argv);
}
