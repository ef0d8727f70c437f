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
    } catch (...) {
        // With no toolkit there is no box to show it in either.
        report_without_window(current_error().what());
        return EXIT_FAILURE;
    }
    const int status = run(project, *toolkit);
    if (toolkit->host_runs_loop()) static_cast<void>(toolkit.release());  // the form holds it
    return status;
}

int run(const ProjectDescription& project, Toolkit& toolkit) {
    try {
        auto form = std::make_unique<Form>(project, toolkit);
        form->show();
        const int status = toolkit.run();
        // The host calls into the form from now on; the page's end ends it.
        if (toolkit.host_runs_loop()) static_cast<void>(form.release());
        return status;
    } catch (...) {
        // The half-built form is gone by now; the box stands alone.
        toolkit.show_error(project.startup_form.caption, current_error().what());
        return EXIT_FAILURE;
    }
}

void report_without_window(std::string_view message) noexcept {
    std::fwrite(message.data(), 1, message.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace runtime
