#include "runtime/qt/text_box.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

#include "runtime/form/text_box_rule.h"
#include "runtime/messages.h"
#include "runtime/qt/text.h"

namespace runtime::qt {
namespace {

// An item of the box's menu: its Uzbek name, with the key that does the
// same after a tab, as menus show it.
QAction* add_item(QMenu& menu, std::string_view text, QKeySequence::StandardKey key, bool enabled) {
    QString title = to_qstring(text);
    if (const QKeySequence keys(key); !keys.isEmpty())
        title += QLatin1Char('\t') + keys.toString(QKeySequence::NativeText);
    QAction* action = menu.addAction(title);
    action->setEnabled(enabled);
    return action;
}

}  // namespace

QValidator::State OneLineRule::validate(QString& input, int& position) const {
    const Edit kept = keep_first_line(units(before_), units(input), static_cast<std::size_t>(position));
    if (kept.text.size() != static_cast<std::size_t>(input.size())) {
        input = QString::fromUtf16(kept.text.data(), static_cast<qsizetype>(kept.text.size()));
        position = static_cast<int>(kept.cursor);
    }
    before_ = input;
    return Acceptable;
}

TextBox::TextBox(const QString& text, int max_length, QWidget* parent) : QLineEdit(parent) {
    setMaxLength(max_length);
    setValidator(new OneLineRule(this));
    setText(text);
}

// The menu Qt would show, with the same actions and the same rules for
// when each can be chosen, in Uzbek.
void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool selected = hasSelectedText();
    const bool can_paste = !QGuiApplication::clipboard()->text().isEmpty();
    connect(add_item(*menu, messages::undo, QKeySequence::Undo, isUndoAvailable()), &QAction::triggered, this,
            &QLineEdit::undo);
    connect(add_item(*menu, messages::redo, QKeySequence::Redo, isRedoAvailable()), &QAction::triggered, this,
            &QLineEdit::redo);
    menu->addSeparator();
    connect(add_item(*menu, messages::cut, QKeySequence::Cut, selected), &QAction::triggered, this, &QLineEdit::cut);
    connect(add_item(*menu, messages::copy, QKeySequence::Copy, selected), &QAction::triggered, this, &QLineEdit::copy);
    connect(add_item(*menu, messages::paste, QKeySequence::Paste, can_paste), &QAction::triggered, this,
            &QLineEdit::paste);
    connect(add_item(*menu, messages::erase, QKeySequence::UnknownKey, selected), &QAction::triggered, this,
            &QLineEdit::del);
    menu->addSeparator();
    connect(
        add_item(*menu, messages::select_all, QKeySequence::SelectAll, !text().isEmpty() && selectedText() != text()),
        &QAction::triggered, this, &QLineEdit::selectAll);
    menu->popup(event->globalPos());
}

}  // namespace runtime::qt
