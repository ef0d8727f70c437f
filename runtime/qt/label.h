#pragma once

#include <QLabel>
#include <QStringList>
#include <functional>

namespace runtime::qt {

// A label whose text is its caption exactly, for screen readers and
// copying, drawn in the lines the core broke it into. It is never selected
// and never takes the focus; a click on it is reported.
class Label final : public QLabel {
public:
    Label(Qt::Alignment alignment, QWidget* parent);

    // Each line `line_height` pixels below the last, from the top.
    void set_lines(QStringList lines, int line_height);
    void on_click(std::function<void()> clicked) { clicked_ = std::move(clicked); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QStringList lines_;
    int line_height_ = 0;
    std::function<void()> clicked_;
};

}  // namespace runtime::qt
