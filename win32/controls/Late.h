#pragma once

#include <windows.h>

// A function of a system library the program needs seldom or late (the colour picker, the
// sounds), loaded when first asked for rather than at start, where every library linked costs
// start-up time. Null when the library or the function cannot be had.
template <typename Function>
Function* late(const wchar_t* library, const char* name) {
    const HMODULE module = LoadLibraryW(library);  // kept for the rest of the run
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
