#include "runtime/qt/text_box.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include "runtime/form/text_box_rule.h"
#include "runtime/messages.h"
#include "runtime/qt/focus_ring.h"
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

TextBox::TextBox(int max_length, QWidget* parent) : QLineEdit(parent) { setMaxLength(max_length); }

QString TextBox::kept(const QString& inserted) const {
    return qstring(kept_of_insertion(units(inserted), static_cast<std::size_t>(text().size()),
                                     static_cast<std::size_t>(selectedText().size())));
}

// The paste is an undo step of its own, as Qt's own paste makes it.
void TextBox::paste_from(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    const QString inserted = kept(QGuiApplication::clipboard()->text(mode));
    if (inserted.isEmpty() && !hasSelectedText()) return;
    end_undo_step();
    insert(inserted);
    end_undo_step();
}

// QLineEdit joins an insertion to the typing or deleting before it in one
// undo step. It ends a step where its cursor moves or where it is cleared,
// and where it replaces a selection: so the cursor steps away and back, or
// an empty box is cleared, leaving text, cursor and selection as they were.
void TextBox::end_undo_step() {
    if (hasSelectedText()) return;
    if (text().isEmpty()) {
        clear();
        return;
    }
    const int at = cursorPosition();
    setCursorPosition(at == 0 ? 1 : at - 1);
    setCursorPosition(at);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Paste) {
        paste_from(QClipboard::Clipboard);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// X11's middle click pastes the primary selection where the mouse is.
void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        deselect();
        paste_from(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// The drop goes in as Qt would insert it, with only what the rule keeps.
void TextBox::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    QMimeData kept_text;
    kept_text.setText(kept(event->mimeData()->text()));
    QDropEvent kept_drop(event->position(), event->possibleActions(), &kept_text, event->buttons(), event->modifiers(),
                         event->type());
    kept_drop.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&kept_drop);
    event->setDropAction(kept_drop.dropAction());
    event->setAccepted(kept_drop.isAccepted());
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString committed = event->commitString();
    const QString kept_text = kept(committed);
    if (kept_text == committed) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent kept_event(event->preeditString(), event->attributes());
    kept_event.setCommitString(kept_text, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&kept_event);
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
            [this] { paste_from(QClipboard::Clipboard); });
    connect(add_item(*menu, messages::erase, QKeySequence::UnknownKey, selected), &QAction::triggered, this,
            &QLineEdit::del);
    menu->addSeparator();
    connect(
        add_item(*menu, messages::select_all, QKeySequence::SelectAll, !text().isEmpty() && selectedText() != text()),
        &QAction::triggered, this, &QLineEdit::selectAll);
    menu->popup(event->globalPos());
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    draw_focus_ring(*this);
}

}  // namespace runtime::qt
