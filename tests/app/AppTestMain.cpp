#include <QApplication>

#include <gtest/gtest.h>

#include <clocale>

// The widget tests need one QApplication (offscreen in the test runs).
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
