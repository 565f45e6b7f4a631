#pragma once
// A minimal check for the console checks that run under Wine (GoogleTest does
// not build with the win32 thread model). A failed check prints where and what
// and the run goes on; main returns non-zero when any check failed.
#include <cstdio>
#include <string>

namespace check {

inline int& failures() {
    static int count = 0;
    return count;
}

inline void fail(const char* file, int line, const char* expression) {
    std::fprintf(stderr, "%s:%d: CHECK failed: %s\n", file, line, expression);
    ++failures();
}

// Texts are printed whole when they differ, to show what came instead.
inline void compareText(const char* file, int line, const char* expression,
                        const std::string& actual, const std::string& expected) {
    if (actual == expected) return;
    fail(file, line, expression);
    std::fprintf(stderr, "  actual:   \"%s\"\n  expected: \"%s\"\n", actual.c_str(), expected.c_str());
}

}  // namespace check

#define CHECK(condition) \
    ((condition) ? (void)0 : check::fail(__FILE__, __LINE__, #condition))

#define CHECK_TEXT(actual, expected) \
    check::compareText(__FILE__, __LINE__, #actual, (actual), (expected))
