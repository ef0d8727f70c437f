#include "runtime/qt/label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace runtime::qt {

Label::Label(Qt::Alignment alignment, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(alignment | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
}

void Label::set_lines(QStringList lines, int line_height) {
    lines_ = std::move(lines);
    line_height_ = line_height;
    update();
}

void Label::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect box = contentsRect();
    int top = box.top();
    for (const QString& line : lines_) {
        const QRect drawn(box.left(), top, box.width(), line_height_);
        style()->drawItemText(&painter, drawn, static_cast<int>(alignment()) | Qt::TextSingleLine, palette(),
                              isEnabled(), line, foregroundRole());
        top += line_height_;
    }
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && clicked_) clicked_();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace runtime::qt
