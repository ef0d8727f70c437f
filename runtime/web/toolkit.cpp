#include "runtime/web/dom.h"
#include "runtime/web/text.h"
#include "runtime/web/window.h"

namespace runtime {
namespace {

class WebToolkit final : public Toolkit {
public:
    WebToolkit() { web_open(); }

    std::unique_ptr<Window> make_window(std::string_view caption, WindowEvents& events) override {
        return std::make_unique<web::Window>(caption, events);
    }

    void show_error(std::string_view title, std::string_view message) override {
        const web::Utf16 shown_title(title);
        const web::Utf16 text(message);
        web_show_error(shown_title.data(), shown_title.size(), text.data(), text.size(), nullptr);
    }

    // The browser owns the event loop: main() returns, the runtime stays
    // live and the page calls into it.
    int run() override { return 0; }
    bool host_runs_loop() const override { return true; }

    // A page ends when its tab closes; nothing on it asks to quit.
    void quit() override {}
};

}  // namespace

std::unique_ptr<Toolkit> open_toolkit(std::string_view /*program_name*/) { return std::make_unique<WebToolkit>(); }

}  // namespace runtime
