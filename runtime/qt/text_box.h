#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace runtime::qt {

// A one-line text box. Whatever brings text in (the keys that paste, the
// menu, the selection's middle click, a drop, an input method) inserts
// what the core's rule keeps, as one edit that undo takes back; a paste
// is an undo step of its own. Its context menu speaks the program's
// language, and the focus shows as a ring.
class TextBox final : public QLineEdit {
public:
    TextBox(int max_length, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString kept(const QString& inserted) const;
    void paste_from(QClipboard::Mode mode);
    void end_undo_step();
};

}  // namespace runtime::qt
