#include "solver/solver.h"
#include "window/handlers.h"

namespace window {

// No error trap: an error leaves before Label5 is written, so the previous
// answer stays on screen. An error about a or b names its box, where the
// user is sent back.
void Command1_Click(runtime::Form& form) {
    const std::string a = form.control("Text1").text();
    const std::string b = form.control("Text2").text();
    form.control("Label5").set_caption(solver::answer({a, "Text1"}, {b, "Text2"}));
}

}  // namespace window
