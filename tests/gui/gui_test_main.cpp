#include <gtest/gtest.h>

#include <QApplication>

// The windows need an application object; the offscreen platform lets them
// run without a display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
