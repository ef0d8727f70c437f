#include "window/project.h"

#include <array>

#include "window/form1.h"
#include "window/handlers.h"

namespace window {
namespace {

constexpr std::array<runtime::EventBinding, 2> events{{
    {"Form1", runtime::Event::load, Form_Load},
    {"Command1", runtime::Event::click, Command1_Click},
}};

}  // namespace

const runtime::ProjectDescription project{"tenglama", form1, events};

}  // namespace window
