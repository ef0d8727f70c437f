#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <array>
#include <cstdlib>
#include <string>

#include "runtime/messages.h"
#include "runtime/qt/text.h"
#include "runtime/qt/window.h"
#include "runtime/start.h"

namespace runtime {
namespace {

// The display Qt would open, if any is named.
const char* named_display() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return value;
    }
    return nullptr;
}

std::string starting_program;
std::string why_not_started;  // the cause Qt named before its fatal message

// The name in the first pair of double quotes of Qt's message, as it
// names a platform plugin.
std::string quoted_name(const QString& message) {
    const qsizetype open = message.indexOf(QLatin1Char('"'));
    const qsizetype close = message.indexOf(QLatin1Char('"'), open + 1);
    return open < 0 || close < 0 ? std::string("?") : qt::to_utf8(message.mid(open + 1, close - open - 1));
}

// Qt ends the process with a dump when no platform plugin starts, after
// saying why in English. Until the application is up, its messages come
// here instead: the cause is kept, and the fatal message ends start-up
// with one line of ours, in Uzbek, and status 1.
void on_message_while_starting(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (why_not_started.empty()) {
        if (message.contains(QLatin1String("could not connect to display"))) {
            why_not_started = messages::cannot_open_display(starting_program, named_display());
        } else if (message.startsWith(QLatin1String("Could not find the Qt platform plugin"))) {
            why_not_started = messages::no_platform(starting_program, quoted_name(message));
        } else if (message.startsWith(QLatin1String("Could not load the Qt platform plugin"))) {
            why_not_started = messages::platform_failed(starting_program, quoted_name(message));
        }
    }
    if (type != QtFatalMsg) return;
    report_without_window(why_not_started.empty() ? messages::platform_failed(starting_program, "?") : why_not_started);
    std::_Exit(EXIT_FAILURE);
}

class QtToolkit final : public Toolkit {
public:
    explicit QtToolkit(std::string_view program_name) : name_(program_name), argv_{name_.data(), nullptr} {
        starting_program = program_name;
        qInstallMessageHandler(on_message_while_starting);
        application_ = std::make_unique<QApplication>(argc_, argv_.data());
        qInstallMessageHandler(nullptr);
        // The core ends the event loop when the form closes.
        QApplication::setQuitOnLastWindowClosed(false);
        // The installed menu entry and hicolor icon share the program's name.
        QGuiApplication::setDesktopFileName(qt::to_qstring(program_name));
    }

    std::unique_ptr<Window> make_window(std::string_view caption, WindowEvents& events) override {
        auto made = std::make_unique<qt::Window>(caption, events);
        // Looking the icon up walks the whole icon theme, as long as it
        // takes to build and paint the window: it waits until the window
        // has been painted once.
        made->after_first_paint(
            [name = qt::to_qstring(name_)] { QApplication::setWindowIcon(QIcon::fromTheme(name)); });
        return made;
    }

    void show_error(std::string_view title, std::string_view message) override {
        QMessageBox box(QMessageBox::Critical, qt::to_qstring(title), qt::to_qstring(message), QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }

    int run() override { return QApplication::exec(); }
    void quit() override { QApplication::quit(); }

private:
    // The program reads no command line: Qt sees only the program's name.
    std::string name_;
    int argc_ = 1;
    std::array<char*, 2> argv_;
    std::unique_ptr<QApplication> application_;
};

}  // namespace

std::unique_ptr<Toolkit> open_toolkit(std::string_view program_name) {
    if (named_display() == nullptr) throw NoDisplay(messages::no_display(program_name));
    return std::make_unique<QtToolkit>(program_name);
}

}  // namespace runtime
