#include "runtime/qt/label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace runtime::qt {

Label::Label(const QString& text, Qt::Alignment alignment, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(alignment | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
}

void Label::set_lines(QStringList lines) {
    lines_ = std::move(lines);
    update();
}

// Each line as the core measured it: one line high, in the label's font,
// from the top of the box.
void Label::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect box = contentsRect();
    const int line_height = fontMetrics().size(Qt::TextSingleLine, QStringLiteral(" ")).height();
    int top = box.top();
    for (const QString& line : lines_) {
        const QRect drawn(box.left(), top, box.width(), line_height);
        style()->drawItemText(&painter, drawn, static_cast<int>(alignment()) | Qt::TextSingleLine, palette(),
                              isEnabled(), line, foregroundRole());
        top += line_height;
    }
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && clicked_) clicked_();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace runtime::qt
