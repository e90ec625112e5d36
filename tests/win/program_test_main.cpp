// The entry point of the tests that drive the built program: GoogleTest's, with two arguments of
// their own after GoogleTest's.
#include "tests/win/program_test_main.h"

#include <gtest/gtest.h>

#include <cstdio>

std::string programPath;
std::string sampleFolder;

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s PROGRAM SAMPLE_FOLDER\n", argv[0]);
    return 2;
  }
  programPath = argv[1];
  sampleFolder = argv[2];
  return RUN_ALL_TESTS();
}
