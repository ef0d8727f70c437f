#include "runtime/start.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <array>
#include <cstdlib>
#include <iostream>
#include <string>

#include "runtime/messages.h"
#include "runtime/qt/form_window.h"

namespace runtime {
namespace {

// Without any of these Qt has no display to open and aborts the process
// with a dump; the user gets one plain line instead.
bool display_configured() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

}  // namespace

int start(const ProjectDescription& project) {
    if (!display_configured()) {
        std::cerr << messages::no_display() << std::endl;
        return EXIT_FAILURE;
    }
    // The program reads no command line: Qt sees only the program's name.
    int argc = 1;
    std::string program_name = "tenglama";
    std::array<char*, 2> argv{program_name.data(), nullptr};
    QApplication application(argc, argv.data());
    // The installed menu entry and hicolor icon share the program's name.
    QGuiApplication::setDesktopFileName(QStringLiteral("tenglama"));

    qt::FormWindow window(project);
    window.open();
    // Looking the icon up walks the whole icon theme (tens of milliseconds);
    // doing it once the event loop runs lets the window appear first.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tenglama"))); });
    return QApplication::exec();
}

}  // namespace runtime
