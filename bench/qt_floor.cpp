#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <array>
#include <string>

// The floor tenglama's start-up is measured against: the least a Qt Widgets
// program can show, an empty window with one label, built the same way.
int main() {
    int argc = 1;
    std::string name = "tenglama_qt_floor";
    std::array<char*, 2> argv{name.data(), nullptr};
    QApplication application(argc, argv.data());
    QWidget window;
    QLabel label(QStringLiteral("Javob"), &window);
    window.show();
    return QApplication::exec();
}
