// Test main for both programs: a QApplication on the offscreen platform (unless another is
// chosen), then every GoogleTest case.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char* argv[])
{
    // Test discovery runs the binary at build time without the test environment.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
