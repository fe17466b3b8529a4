// The Wine tests' main: GoogleTest's flags first, then the test's own
// arguments (directories), with '/' turned into '\\'.
#include <gtest/gtest.h>

#include "test_support.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    auto& args = testing_support::MutableArgs();
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        for (char& c : arg)
            if (c == '/') c = '\\';
        args.push_back(arg);
    }
    return RUN_ALL_TESTS();
}
