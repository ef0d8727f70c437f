#pragma once

#include <QLineEdit>
#include <QValidator>

namespace runtime::qt {

// What reaches a box is kept as the core's rule for one-line boxes says,
// whatever brings it in: keys, paste, the selection's middle click, a drop.
class OneLineRule final : public QValidator {
public:
    explicit OneLineRule(QObject* parent) : QValidator(parent) {}
    State validate(QString& input, int& position) const override;

private:
    mutable QString before_;  // the box's text before the change being validated
};

// A one-line text box whose context menu speaks the program's language.
class TextBox final : public QLineEdit {
public:
    TextBox(const QString& text, int max_length, QWidget* parent);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace runtime::qt
