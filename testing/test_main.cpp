// Test main for both programs: a QApplication on the offscreen platform (unless another is
// chosen), then every GoogleTest case.
#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

namespace {

// The offscreen platform cannot raise windows and says so on every show; that is expected here.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("does not support raise()")) ||
        message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    // Test discovery runs the binary at build time without the test environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
