#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "Application.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Nothing a test does may reach the player's own settings.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareapplication(app);
    return RUN_ALL_TESTS();
}
