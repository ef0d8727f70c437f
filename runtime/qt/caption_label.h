#pragma once

#include <QLabel>

namespace runtime::qt {

// A label as a form description declares it: plain text that never takes
// the focus. A fixed box wraps its caption at word breaks from the top; a
// self-sizing one keeps its caption on one line, and its box follows that
// line whenever the caption or the font changes (left and top stay).
class CaptionLabel : public QLabel {
public:
    CaptionLabel(const QString& caption, bool sizes_itself, QWidget* parent);

    // Sets the caption and tells screen readers, which would otherwise miss
    // a text that appears without the focus moving.
    void set_caption(const QString& caption);

    // How much of the box's width the window shows at its designed size.
    // A caption too big for that part is drawn smaller rather than cut.
    void set_shown_width(int width) { shown_width_ = width; }

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fit_box_to_caption();
    QRect shown_area() const;
    int text_flags() const;
    QFont font_that_fits(QRect area) const;

    bool sizes_itself_;
    int shown_width_ = QWIDGETSIZE_MAX;
};

}  // namespace runtime::qt
