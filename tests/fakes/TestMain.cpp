#include <gtest/gtest.h>

#include <QApplication>

// Test binaries get a QApplication (offscreen unless the test runs under an X server), so owner
// tests and widget tests share one main.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
