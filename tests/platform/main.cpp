// Test entry point: the framework layer's windows need a QApplication.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QtGlobal>

namespace {

QtMessageHandler standardHandler = nullptr;

// Offscreen windows cannot be raised; Qt says so once for every window shown.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support"))) {
        standardHandler(type, context, message);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Test discovery runs the binary outside CTest's environment, without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Text areas that check spelling make the spelling library keep its word
    // lists here, not in the user's folder.
    const QTemporaryDir spelling;
    qputenv("ENCHANT_CONFIG_DIR", spelling.path().toUtf8());
    standardHandler = qInstallMessageHandler(QuietMessages);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
