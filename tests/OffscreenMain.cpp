#include <gtest/gtest.h>
#include <QApplication>

// Tests of windows, pictures and sounds run in an application on the offscreen
// platform unless another platform is asked for.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
