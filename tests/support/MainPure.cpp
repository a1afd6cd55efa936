#include <gtest/gtest.h>

#include "TestSupport.h"

int main(int argc, char** argv) {
    qmtest::installFreshXdgFolders();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
