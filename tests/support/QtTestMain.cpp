#include <gtest/gtest.h>

#include <QApplication>

#include "app/widgets/Accessibility.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The windows answer a screen reader as in the program.
    pelmar::installAccessibleInterfaces();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
