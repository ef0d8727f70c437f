#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <string>

// The floor tenglama's start-up is held to: its window as a programmer
// would write it by hand in plain Qt Widgets, built the same way. The same
// title, client size and eight controls at their places at 96 dpi, in the
// same three font sizes, the labels wrapping as they do, the focus in the
// first box and the same tab order. What the program does beyond that (its
// form built from a description, captions fitted to their boxes, Enter and
// the zoom's keys, context menus, the focus ring, names for screen
// readers, the icon) it leaves out.
int main() {
    int argc = 1;
    std::string name = "tenglama_qt_form_floor";
    std::array<char*, 2> argv{name.data(), nullptr};
    QApplication application(argc, argv.data());
    QWidget form;
    form.setWindowTitle(QStringLiteral(" ax=b ko'rinishdagi tenglamalarni yechish"));
    form.resize(507, 314);
    QFont small = form.font();
    small.setPointSize(10);
    QFont large = form.font();
    large.setPointSize(15);

    // Made in tab order, which Qt follows.
    QLabel label1(QStringLiteral("Birinchi darajali bir noma'lumli tenglamalarni yechish"), &form);
    label1.setGeometry(48, 8, 496, 29);
    label1.setFont(large);
    label1.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1.setBackgroundRole(QPalette::Midlight);
    label1.setAutoFillBackground(true);
    QLabel label2(QStringLiteral("Tenglamaning ko'rinishi  ax=b, yechimi x=b/a"), &form);
    label2.setGeometry(80, 40, 393, 33);
    label2.setFont(large);
    label2.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label2.setWordWrap(true);
    QLabel label3(QStringLiteral("a - ning qiymati"), &form);
    label3.setGeometry(144, 88, 81, 33);
    label3.setFont(small);
    label3.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label3.setWordWrap(true);
    QLabel label4(QStringLiteral("b- ning qiymati"), &form);
    label4.setGeometry(144, 136, 81, 33);
    label4.setFont(small);
    label4.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label4.setWordWrap(true);
    QLineEdit text1(&form);
    text1.setGeometry(224, 88, 113, 25);
    QLineEdit text2(&form);
    text2.setGeometry(224, 136, 113, 25);
    QPushButton command1(QStringLiteral("Natija"), &form);
    command1.setGeometry(136, 256, 129, 33);
    QLabel label5(QStringLiteral("Javob"), &form);
    label5.setFont(large);
    label5.move(24, 184);
    label5.adjustSize();

    form.show();
    text1.setFocus();
    return QApplication::exec();
}
