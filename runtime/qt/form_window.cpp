#include "runtime/qt/form_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "runtime/event_boundary.h"
#include "runtime/qt/controls.h"
#include "runtime/qt/text.h"

namespace runtime::qt {

FormWindow::FormWindow(const ProjectDescription& project)
    : project_(project), form_(project.startup_form, build_controls()) {
    const FormDescription& form = project.startup_form;
    setWindowTitle(to_qstring(form.caption));
    // Only the client size is set: where the window first appears is the
    // windowing system's choice, and with no layout a resize moves nothing.
    resize(to_device_independent_pixels(form.client_width), to_device_independent_pixels(form.client_height));
    name_inputs_by_their_labels();
    order_focus_by_tab_index();
    bind_clicks();
}

std::vector<std::unique_ptr<runtime::Widget>> FormWindow::build_controls() {
    const FormDescription& form = project_.startup_form;
    const int client_width = to_device_independent_pixels(form.client_width);
    std::vector<std::unique_ptr<runtime::Widget>> handles;
    for (const ControlDescription& control : form.controls) {
        BuiltControl built = build_control(control, client_width, *this);
        widgets_.push_back(built.widget);
        handles.push_back(std::move(built.handle));
    }
    return handles;
}

QWidget& FormWindow::widget(std::string_view name) const {
    const auto controls = project_.startup_form.controls;
    const auto found = std::find_if(controls.begin(), controls.end(), [&](const auto& c) { return c.name == name; });
    return *widgets_.at(static_cast<std::size_t>(found - controls.begin()));
}

// Screen readers read a text box by the label beside it.
void FormWindow::name_inputs_by_their_labels() {
    for (const ControlDescription& control : project_.startup_form.controls) {
        if (control.labelled_by.empty()) continue;
        auto& label = static_cast<QLabel&>(widget(control.labelled_by));
        QWidget& input = widget(control.name);
        label.setBuddy(&input);
        input.setAccessibleName(label.text());
    }
}

// Labels hold tab indexes too, but never take the focus.
void FormWindow::order_focus_by_tab_index() {
    std::vector<const ControlDescription*> focusable;
    for (const ControlDescription& control : project_.startup_form.controls) {
        if (control.kind != ControlKind::label) focusable.push_back(&control);
    }
    if (focusable.empty()) return;
    std::sort(focusable.begin(), focusable.end(), [](auto* x, auto* y) { return x->tab_index < y->tab_index; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        setTabOrder(&widget(focusable[i - 1]->name), &widget(focusable[i]->name));
    }
    widget(focusable.front()->name).setFocus();
}

void FormWindow::bind_clicks() {
    for (const ControlDescription& control : project_.startup_form.controls) {
        const Handler handler = handler_for(project_, control.name, Event::click);
        if (control.kind != ControlKind::push_button || handler == nullptr) continue;
        auto& button = static_cast<QPushButton&>(widget(control.name));
        connect(&button, &QPushButton::clicked, this, [this, handler] { run(handler); });
    }
}

void FormWindow::open() {
    run(handler_for(project_, project_.startup_form.name, Event::load));
    show();
}

void FormWindow::run(Handler handler) {
    if (const std::optional<Error> error = run_handler(handler, form_)) report(*error);
}

// The user reads the error, then lands where it can be put right: in the
// box it is about, its text selected for retyping, or where the focus was.
void FormWindow::report(const Error& error) {
    QWidget* had_focus = focusWidget();
    QMessageBox box(QMessageBox::Critical, windowTitle(), to_qstring(error.what()), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);  // the message may quote what the user typed
    box.exec();

    if (const Control* input = form_.input_for(error.about())) {
        auto& text_box = static_cast<QLineEdit&>(widget(input->description().name));
        text_box.setFocus();
        text_box.selectAll();
    } else if (had_focus != nullptr) {
        had_focus->setFocus();
    }
}

}  // namespace runtime::qt
