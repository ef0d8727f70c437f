#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/form/form.h"
#include "runtime/qt/text.h"
#include "runtime/qt/window.h"
#include "window/project.h"

using runtime::qt::to_qstring;

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// The suite's one toolkit (tests/qt/main.cpp).
runtime::Toolkit& toolkit();

// The real Form1 window, loaded and shown on the offscreen platform, and
// what a user does to it.
class Form1 {
public:
    void open() {
        form = std::make_unique<runtime::Form>(window::project, toolkit());
        form->show();
        window = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (dynamic_cast<runtime::qt::Surface*>(top) != nullptr && top->isVisible()) window = top;
        }
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    template <class QtWidget = QWidget>
    QtWidget& control(std::string_view name) const {
        auto* found = window->findChild<QtWidget*>(to_qstring(name), Qt::FindDirectChildrenOnly);
        if (found == nullptr) throw std::out_of_range(std::string(name));
        return *found;
    }

    QLabel& answer() const { return control<QLabel>("Label5"); }

    // As a user does it: click into the box, select all, type over it.
    void type_into(std::string_view name, std::string_view text) const {
        auto& box = control<QLineEdit>(name);
        QTest::mouseClick(&box, Qt::LeftButton);
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_Delete);
        QTest::keyClicks(&box, to_qstring(text));
    }

    // As a user brings text that keys cannot type (control characters, other
    // scripts, thousands of characters): select all, paste over it.
    void paste_into(std::string_view name, const QString& text) const {
        auto& box = control<QLineEdit>(name);
        QTest::mouseClick(&box, Qt::LeftButton);
        QApplication::clipboard()->setText(text);
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    }

    void click_natija() const { QTest::mouseClick(&control<QPushButton>("Command1"), Qt::LeftButton); }

    QString focused_name() const {
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused->objectName() : QString();
    }

    std::unique_ptr<runtime::Form> form;
    QWidget* window = nullptr;
};

// A test on one Form1 window of its own.
class Form1Window : public testing::Test, public Form1 {
protected:
    void SetUp() override { open(); }
};

// Answers the message boxes that open while it lives with OK, noting what
// the last one said. Boxes run their own event loop, so it polls.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer() {
        timer_.callOnTimeout([this] { answer(); });
        timer_.start(5);
    }

    int shown = 0;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    Qt::TextFormat format = Qt::AutoText;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        ++shown;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons().size();
        format = box->textFormat();
        box->button(QMessageBox::Ok)->click();
    }

    QTimer timer_;
};

// Answers each message box with OK the moment it is shown, noting what the
// last one said. Unlike polling, it costs a box no waiting: soaks raise
// thousands of them.
class MessageBoxCloser : public QObject {
public:
    MessageBoxCloser() { QApplication::instance()->installEventFilter(this); }
    ~MessageBoxCloser() override { QApplication::instance()->removeEventFilter(this); }
    MessageBoxCloser(const MessageBoxCloser&) = delete;
    MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

    int shown = 0;
    QString text;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show) {
            ++shown;
            text = box->text();
            // Clicked once the box's own event loop runs; dropped if the box is gone.
            QMetaObject::invokeMethod(
                box, [box] { box->button(QMessageBox::Ok)->click(); }, Qt::QueuedConnection);
        }
        return false;
    }
};
