// The shared main of every test binary: tests run headless on Qt's offscreen
// platform with one application object, as the framework's controls need.
#include <QApplication>
#include <QFont>

#include <cstdlib>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
