#include <gtest/gtest.h>
#include <QCoreApplication>

// These tests never reach a sound server, even on a machine that runs one:
// they check how the game behaves when there is none.
int main(int argc, char* argv[])
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/vermilo-tests/native");
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
