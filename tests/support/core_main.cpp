#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ovatron::test::prepare(argc, argv);
    return RUN_ALL_TESTS();
}
