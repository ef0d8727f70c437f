#include <QApplication>
#include <QClipboard>
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

// Qt ends the process with a dump when it cannot open the display it was
// given. Until the application is up, its messages come here instead, and
// a fatal one ends start-up with one line of ours and status 1.
void on_message_while_starting(QtMsgType type, const QMessageLogContext& /*context*/, const QString& /*message*/) {
    if (type != QtFatalMsg) return;
    report_without_window(messages::cannot_open_display(starting_program, named_display()));
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
    void copy(std::string_view text) override { QGuiApplication::clipboard()->setText(qt::to_qstring(text)); }

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
