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
    Label(const QString& text, Qt::Alignment alignment, QWidget* parent);

    void set_lines(QStringList lines);
    const QStringList& lines() const { return lines_; }
    void on_click(std::function<void()> clicked) { clicked_ = std::move(clicked); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QStringList lines_;
    std::function<void()> clicked_;
};

}  // namespace runtime::qt
