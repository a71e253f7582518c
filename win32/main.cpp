#include <windows.h>

#include "GameWindow.h"
#include "RegistryStore.h"

namespace {
// The folder that holds the program, whatever its letters.
std::wstring programfolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    return path.substr(0, path.find_last_of(L'\\'));
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    RegistryStore store;
    GameWindow window(store, programfolder() + L"\\sounds");
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.preprocess(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}
