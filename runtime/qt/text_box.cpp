#include "runtime/qt/text_box.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <array>

#include "runtime/messages.h"
#include "runtime/qt/text.h"
#include "runtime/text_box.h"

namespace runtime::qt {
namespace {

struct Translation {
    const char* action;  // the object name Qt gives the standard action
    std::string_view text;
};

constexpr std::array<Translation, 7> menu_texts{{
    {"edit-undo", messages::undo},
    {"edit-redo", messages::redo},
    {"edit-cut", messages::cut},
    {"edit-copy", messages::copy},
    {"edit-paste", messages::paste},
    {"edit-delete", messages::erase},
    {"select-all", messages::select_all},
}};

}  // namespace

QValidator::State OneLineRule::validate(QString& input, int& position) const {
    const std::string after = to_utf8(input);
    const Edit kept = keep_first_line(to_utf8(before_), after, to_utf8(input.left(position)).size());
    if (kept.text.size() != after.size()) {
        input = to_qstring(kept.text);
        position = static_cast<int>(to_qstring(std::string_view(kept.text).substr(0, kept.cursor)).size());
    }
    before_ = input;
    return Acceptable;
}

TextBox::TextBox(const QString& text, int max_length, QWidget* parent) : QLineEdit(parent) {
    setMaxLength(max_length);
    setValidator(new OneLineRule(this));
    setText(text);
}

// Qt's own menu, its actions named in Uzbek; their shortcuts stay as Qt
// writes them, after a tab.
void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        for (const Translation& translation : menu_texts) {
            if (action->objectName() != QLatin1String(translation.action)) continue;
            const auto tab = action->text().indexOf(QLatin1Char('\t'));
            action->setText(to_qstring(translation.text) + (tab < 0 ? QString() : action->text().mid(tab)));
        }
    }
    menu->popup(event->globalPos());
}

}  // namespace runtime::qt
