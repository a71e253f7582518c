#include <QApplication>
#include <iostream>

#include "Application.h"
#include "CommandLine.h"
#include "EndSignals.h"
#include "MainWindow.h"
#include "QtSettingsStore.h"

int main(int argc, char* argv[]) {
    if (const auto status = commandline(argc, argv, std::cout, std::cerr)) {
        return *status;
    }
    chooseplatform(argc, argv);
    quietmessages();
    QApplication app(argc, argv);
    prepareapplication(app);
    EndSignals ending;
    QtSettingsStore store;
    MainWindow window(store);
    // A signal or a logout saves; the signal then ends the program as "Вы&ход" does.
    QObject::connect(&ending, &EndSignals::received, &window, &MainWindow::exitprogram);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, &MainWindow::savesettings);
    QObject::connect(&window, &MainWindow::programended, &app, [] { QCoreApplication::exit(0); });
    window.show();
    return app.exec();
}
