#include "Application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "AppIcon.h"
#include "StoreRows.h"

namespace {

QtMessageHandler nextprinter = nullptr;

// A session without a runtime folder costs the game nothing: not worth a line on the console.
bool isnoise(QtMsgType type, const QMessageLogContext&, const QString& message) {
    return type != QtCriticalMsg && type != QtFatalMsg &&
           message.startsWith(QLatin1StringView("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

void printmessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!isnoise(type, context, message)) {
        nextprinter(type, context, message);
    }
}

}  // namespace

// GNOME draws no frames for Wayland programs, and Qt 6.4's own offer maximise and minimise on a
// fixed-size window, cut the titles under their buttons, leave dialogs where the compositor puts
// them and stay at scale 1 when the screen is at 2. Through XWayland GNOME frames the windows
// itself, as on X11. Elsewhere (KDE, wlroots compositors) the compositor draws them: native.
void chooseplatform(int argc, const char* const* argv) {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsSet("DISPLAY") ||
        !qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) {
        return;
    }
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView arg(argv[i]);
        if (arg == "-platform" || arg == "--platform") {
            return;
        }
    }
    const QList<QByteArray> desktops = qgetenv("XDG_CURRENT_DESKTOP").toLower().split(':');
    if (desktops.contains("gnome")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

void quietmessages() {
    nextprinter = qInstallMessageHandler(printmessage);
}

void prepareapplication(QApplication& app) {
    QApplication::setOrganizationName(QString::fromUtf8(ui::kApplication));
    QApplication::setApplicationName(QString::fromUtf8(ui::kApplication));
    // Under Wayland the compositor finds our icon and menu entry by this name.
    QGuiApplication::setDesktopFileName("org.example.tarvelo");
    // Qt's own dialogs keep state of theirs (the colour picker's custom colours) in
    // QtProject.conf beside our store. The game writes nothing but its store, so Qt's per-user
    // settings point where no file can be made; ours name their file outright.
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, "/dev/null");
    }
    // The small UI face with Cyrillic glyphs; any sans with Cyrillic stands in.
    QFont::insertSubstitutions("MS Sans Serif", {"DejaVu Sans", "Liberation Sans", "Sans Serif"});
    QApplication::setFont(QFont("MS Sans Serif", 8));
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Russian), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
    QApplication::setWindowIcon(appicon());
}
