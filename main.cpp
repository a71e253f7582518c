#include <QApplication>

#include "Application.h"
#include "MainWindow.h"
#include "QtSettingsStore.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    prepareapplication(app);
    QtSettingsStore store;
    MainWindow window(store);
    QObject::connect(&window, &MainWindow::endprogram, &app, [] { QCoreApplication::exit(0); });
    window.show();
    return app.exec();
}
