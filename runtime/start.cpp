#include "runtime/start.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "runtime/error.h"
#include "runtime/form/form.h"

namespace runtime {

int start(const ProjectDescription& project) {
    std::unique_ptr<Toolkit> toolkit;
    try {
        toolkit = open_toolkit(project.name);
    } catch (const NoDisplay& error) {
        report_without_window(error.what());
        return EXIT_FAILURE;
    }
    return run(project, *toolkit);
}

int run(const ProjectDescription& project, Toolkit& toolkit) {
    try {
        // On the heap: where the host owns the event loop (a web page),
        // toolkit.run() leaves this frame without unwinding it, the stack
        // beneath is reused by every later call, and the form must outlive it.
        const auto form = std::make_unique<Form>(project, toolkit);
        form->show();
        return toolkit.run();
    } catch (...) {
        // The half-built form is gone by now; the box stands alone.
        toolkit.show_error(project.startup_form.caption, current_error().what());
        return EXIT_FAILURE;
    }
}

void report_without_window(std::string_view message) noexcept {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
    std::fflush(stderr);
}

}  // namespace runtime
