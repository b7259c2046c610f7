// The process entry point of every program built on this layer.
#include "CWinApp.h"
#include "SystemLibrary.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    RemoveCurrentFolderFromLibrarySearch();
    CWinApp* app = AfxGetApp();
    if (!app) return 1;
    app->InitAppName();
    // No message loop here: our programs run their windows modally inside
    // InitInstance, and its false answer means "done, shut down now".
    app->InitInstance();
    return app->ExitInstance();
}
