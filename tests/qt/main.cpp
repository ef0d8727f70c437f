#include <gtest/gtest.h>

#include <QApplication>

// One application for the whole suite; each test builds its own window.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // a closed test window must not end later message loops
    return RUN_ALL_TESTS();
}
