#include "window/handlers.h"

namespace window {

void Form_Load(runtime::Form& form) {
    form.control("Label5").set_font_size(15);
    form.control("Label1").set_font_size(15);
    form.control("Label2").set_font_size(15);
    form.control("Label3").set_font_size(10);
    form.control("Label4").set_font_size(10);
}

}  // namespace window
