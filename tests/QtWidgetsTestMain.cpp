// main() of the GoogleTest programs that drive Qt widgets: one QApplication
// for all tests, on the offscreen platform unless another one is asked for.
#include <QApplication>
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
