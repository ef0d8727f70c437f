#pragma once

// The page's side of the toolkit (library.js). Texts cross as UTF-16 code
// units with their length; a handle names one control's element.
extern "C" {

void web_open();
void web_set_title(const char16_t* text, int length);
int web_make(int kind, const char16_t* name, int name_length, bool centred, bool inactive_border, int max_length,
             bool live, const char16_t* text, int text_length, void* owner);
void web_remove(int handle);
int web_text_length(int handle);
void web_read_text(int handle, char16_t* out);
void web_set_text(int handle, const char16_t* text, int length);
void web_set_edit(int handle, const char16_t* text, int length, int caret);
void web_set_font(int handle, float points);  // 0: the page's default size
void web_place(int handle, int left, int top, int width, int height);
void web_focus(int handle, bool select_all);
void web_name_by(int handle, int label);
void web_set_menu(int handle, const char16_t* texts, int length);
void web_measure(const char16_t* text, int length, float points, int* size);
void web_set_client_size(int width, int height);
void web_show();
void web_show_error(const char16_t* title, int title_length, const char16_t* message, int message_length, void* owner);
void web_copy(const char16_t* text, int length);
}
