// The model's event-rule tests, run on the real windows of the Win32 backend.
#include <gtest/gtest.h>

int main(int argc, char** argv) { return testing::RunAllTests(argc, argv); }
