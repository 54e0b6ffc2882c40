// Test programs run on Qt's offscreen platform with the real application
// object, so screens are created and driven exactly as in the program.
#include "platform/GuardedApplication.h"
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    GuardedApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
