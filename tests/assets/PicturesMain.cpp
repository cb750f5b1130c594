#include <gtest/gtest.h>
#include <QGuiApplication>

// The picture tests need a GUI application for pixmaps and icons; they run on
// the offscreen platform unless another is asked for.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
