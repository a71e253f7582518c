#pragma once

#include <QTemporaryDir>

#include "MainWindow.h"
#include "QtSettingsStore.h"

// The real main window, shown, silent, over a throwaway settings file.
struct BenchWindow {
    QTemporaryDir dir;
    QtSettingsStore store{dir.filePath("bench.conf")};
    MainWindow window{store, TARVELO_SOUNDS_DIR};

    BenchWindow() {
        window.game().setsound(false);
        window.show();
    }
};
