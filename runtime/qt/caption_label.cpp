#include "runtime/qt/caption_label.h"

#include <QAccessible>
#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace runtime::qt {
namespace {

// Shrinking stops here: smaller type is no longer worth reading.
constexpr qreal smallest_points = 6.0;
constexpr qreal points_step = 0.5;

}  // namespace

CaptionLabel::CaptionLabel(const QString& caption, bool sizes_itself, QWidget* parent)
    : QLabel(parent), sizes_itself_(sizes_itself) {
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(!sizes_itself);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setText(caption);  // the stored box stays until the caption or font changes
}

void CaptionLabel::set_caption(const QString& caption) {
    const bool same_text = caption == text();
    setText(caption);
    if (sizes_itself_) fit_box_to_caption();
    // QLabel announces a changed text itself; the same answer written
    // again is announced here, so that every click is heard.
    if (same_text) {
        QAccessibleEvent written(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&written);
    }
}

void CaptionLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (sizes_itself_ && event->type() == QEvent::FontChange) fit_box_to_caption();
}

void CaptionLabel::fit_box_to_caption() { resize(fontMetrics().size(Qt::TextSingleLine, text())); }

QRect CaptionLabel::shown_area() const {
    QRect area = contentsRect();
    area.setWidth(std::clamp(shown_width_, 0, area.width()));
    return area;
}

int CaptionLabel::text_flags() const {
    return static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment()).toInt()) | Qt::TextWordWrap;
}

QFont CaptionLabel::font_that_fits(QRect area) const {
    QFont candidate = font();
    for (qreal points = candidate.pointSizeF(); points >= smallest_points; points -= points_step) {
        candidate.setPointSizeF(points);
        const QRect needed = QFontMetrics(candidate, this).boundingRect(area, text_flags(), text());
        if (needed.width() <= area.width() && needed.height() <= area.height()) break;
    }
    return candidate;
}

// A caption that fits is QLabel's to draw. One that does not (a large font
// in a small stored box) is drawn whole in the largest type that fits the
// shown part of the box: a smaller title can still be read, a cut one not.
void CaptionLabel::paintEvent(QPaintEvent* event) {
    const QRect area = shown_area();
    if (sizes_itself_ || font().pointSizeF() <= 0 || area.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    const QFont fitted = font_that_fits(area);
    if (fitted.pointSizeF() == font().pointSizeF()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(fitted);
    style()->drawItemText(&painter, area, text_flags(), palette(), isEnabled(), text(), foregroundRole());
}

}  // namespace runtime::qt
