// main() for the tests built with the stand-in: runs every test, or those the
// command line names.
#include "gtest/gtest.h"

int main(int argc, char** argv) { return testing::RunAllTests(argc, argv); }
