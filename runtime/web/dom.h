#pragma once

// The page's side of the toolkit (library.js). Texts cross as UTF-16 code
// units with their length; a handle names one control's element.
extern "C" {

void web_open();
void web_set_title(const char16_t* text, int length);
// The form's element named `name`, taken over, or else made from `markup`.
int web_make(const char16_t* name, int name_length, const char16_t* markup, int markup_length, void* owner);
void web_remove(int handle);
int web_text_length(int handle);
void web_read_text(int handle, char16_t* out);
void web_set_markup(int handle, const char16_t* markup, int length);  // the element's content
void web_set_style(int handle, const char16_t* declarations, int length);
void web_focus(int handle, bool select_all);
void web_name_by(int handle, int label);
void web_set_menu(int handle, const char16_t* texts, int length);
void web_measure(const char16_t* text, int length, float points, int* size);
int web_page_width();
void web_set_form_style(const char16_t* declarations, int length);
void web_show();
// `events`, if any, hears web_error_closed(events) once the box closes.
void web_show_error(const char16_t* title, int title_length, const char16_t* message, int message_length, void* events);
void web_copy(const char16_t* text, int length);
}
