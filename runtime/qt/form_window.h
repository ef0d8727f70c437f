#pragma once

#include <QWidget>
#include <memory>
#include <string_view>
#include <vector>

#include "runtime/error.h"
#include "runtime/form.h"
#include "runtime/project.h"

namespace runtime::qt {

// The project's start-up form as a Qt window, built from its description
// and nothing else. It binds the project's handlers to their events and is
// their error boundary: an error is shown, the program goes on.
class FormWindow : public QWidget {
public:
    explicit FormWindow(const ProjectDescription& project);

    // Runs the form's Load handler, then shows the window where the
    // windowing system places it, the focus on the first control in tab order.
    void open();

private:
    std::vector<std::unique_ptr<runtime::Widget>> build_controls();
    QWidget& widget(std::string_view name) const;
    void name_inputs_by_their_labels();
    void order_focus_by_tab_index();
    void bind_clicks();
    void run(Handler handler);
    void report(const Error& error);

    const ProjectDescription& project_;
    std::vector<QWidget*> widgets_;  // in creation order; the window owns them as its children
    Form form_;                      // built after widgets_, from the same controls
};

}  // namespace runtime::qt
