#pragma once
// A small stand-in for GoogleTest, for the Windows builds' tests (our MinGW
// toolchains cannot build GoogleTest itself): the model's tests on real
// windows, the console checks of the Win32 services and the end-to-end
// drivers. It offers what those use: TEST, TEST_F with SetUp/TearDown,
// EXPECT_/ASSERT_ EQ, NE, TRUE, FALSE, STREQ, EXPECT_THROW, FAIL(),
// ADD_FAILURE(), messages streamed after a check, PrintToString, and
// RunAllTests() for a main(). A mismatch prints both values: texts quoted,
// control characters escaped, wide texts as UTF-8.
//
// As in GoogleTest, ASSERT_* and FAIL() return from the function they are
// in; a helper that must end the whole test throws instead (an exception
// fails the test). Beyond GoogleTest, for the drivers: options given as
// --key=value on the command line (testing::option) and lines written into
// the test's output (testing::note).
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace testing {

class Test {
public:
    virtual ~Test() = default;
    virtual void SetUp() {}
    virtual void TearDown() {}
    virtual void TestBody() = 0;
};

// Thrown where a test reaches something this build cannot do: the rest of
// that test is left out, and the run reports it with the reason.
class Skipped : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Message {
public:
    template <class T>
    Message& operator<<(const T& value) {
        out_ << value;
        return *this;
    }
    Message& operator<<(const std::wstring& value);
    std::string str() const { return out_.str(); }

private:
    std::ostringstream out_;
};

// A value as a failed check shows it.
template <class T>
std::string PrintToString(const T& value);

namespace internal {

struct TestInfo {
    std::string name;
    std::function<Test*()> make;
};
inline std::vector<TestInfo>& registry() {
    static std::vector<TestInfo> tests;
    return tests;
}
inline bool registerTest(const char* suite, const char* name, std::function<Test*()> make) {
    registry().push_back({std::string(suite) + "." + name, std::move(make)});
    return true;
}

struct Outcome {
    int failures = 0;
    bool fatal = false;
};
inline Outcome& outcome() {
    static Outcome current;
    return current;
}

struct Result {
    bool passed;
    std::string text;
    explicit operator bool() const { return passed; }
};

// Reports a failed check; `= Message()` takes what the test streamed after it.
class AssertHelper {
public:
    AssertHelper(const char* file, int line, std::string text, bool fatal)
        : file_(file), line_(line), text_(std::move(text)), fatal_(fatal) {}
    void operator=(const Message& message) const {
        std::cout << file_;
        if (line_) std::cout << ":" << line_;
        std::cout << ": Failure\n" << text_;
        std::string extra = message.str();
        if (!extra.empty()) std::cout << "\n" << extra;
        std::cout << std::endl;
        ++outcome().failures;
        if (fatal_) outcome().fatal = true;
    }

private:
    const char* file_;
    int line_;
    std::string text_;
    bool fatal_;
};

template <class T, class = void>
struct Printable : std::false_type {};
template <class T>
struct Printable<T, std::void_t<decltype(std::declval<std::ostream&>() << std::declval<const T&>())>>
    : std::true_type {};

// A UTF-8 text quoted, with line breaks, tabs and other control characters escaped.
inline void printText(std::ostream& out, const std::string& utf8) {
    out << '"';
    for (unsigned char c : utf8) {
        if (c == '\r') out << "\\r";
        else if (c == '\n') out << "\\n";
        else if (c == '\t') out << "\\t";
        else if (c == '"' || c == '\\') out << '\\' << c;
        else if (c < 0x20 || c == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out << hex;
        } else out << c;
    }
    out << '"';
}

// UTF-16 (as wchar_t holds it on Windows) to UTF-8.
inline std::string utf8(const std::wstring& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        std::uint32_t cp = static_cast<std::uint32_t>(text[i]);
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size()) {
            const std::uint32_t low = static_cast<std::uint32_t>(text[i + 1]);
            if (low >= 0xDC00 && low < 0xE000) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        static const unsigned lead[] = {0x00, 0xC0, 0xE0, 0xF0};
        const int extra = cp < 0x80 ? 0 : cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
        out += static_cast<char>(lead[extra] | (cp >> (6 * extra)));
        for (int k = extra - 1; k >= 0; --k) out += static_cast<char>(0x80 | ((cp >> (6 * k)) & 0x3F));
    }
    return out;
}

template <class T> void print(std::ostream& out, const T& value);
template <class A, class B> void print(std::ostream& out, const std::pair<A, B>& value);
template <class T> void print(std::ostream& out, const std::vector<T>& value);
template <class T> void print(std::ostream& out, const std::optional<T>& value);
inline void print(std::ostream& out, const std::string& value) { printText(out, value); }
inline void print(std::ostream& out, const std::wstring& value) { printText(out, utf8(value)); }

template <class T>
void print(std::ostream& out, const T& value) {
    if constexpr (std::is_same_v<T, bool>) out << (value ? "true" : "false");
    else if constexpr (std::is_convertible_v<const T&, const char*>) {
        const char* text = value;
        if (text) print(out, std::string(text));
        else out << "null";
    } else if constexpr (std::is_convertible_v<const T&, const wchar_t*>) {
        const wchar_t* text = value;
        if (text) print(out, std::wstring(text));
        else out << "null";
    } else if constexpr (std::is_enum_v<T>) out << static_cast<long long>(value);
    else if constexpr (std::is_pointer_v<T> || std::is_null_pointer_v<T>) out << static_cast<const void*>(value);
    else if constexpr (Printable<T>::value) out << value;
    else out << "(an unprintable " << sizeof(T) << "-byte value)";
}
template <class A, class B>
void print(std::ostream& out, const std::pair<A, B>& value) {
    out << "(";
    print(out, value.first);
    out << ", ";
    print(out, value.second);
    out << ")";
}
template <class T>
void print(std::ostream& out, const std::vector<T>& value) {
    out << "{";
    for (size_t i = 0; i < value.size(); ++i) {
        const T& item = value[i];
        out << (i ? ", " : " ");
        print(out, item);
    }
    out << " }";
}
template <class T>
void print(std::ostream& out, const std::optional<T>& value) {
    if (value) print(out, *value);
    else out << "nullopt";
}

template <class A, class B>
Result checkEq(const char* a, const char* b, const A& valueA, const B& valueB, bool equal) {
    if ((valueA == valueB) == equal) return {true, {}};
    return {false, std::string("Expected: (") + a + ") " + (equal ? "==" : "!=") + " (" + b + ")\n  " + a +
                       " is " + ::testing::PrintToString(valueA) + "\n  " + b + " is " + ::testing::PrintToString(valueB)};
}
inline Result checkStrEq(const char* a, const char* b, const char* valueA, const char* valueB) {
    bool same = valueA && valueB ? std::strcmp(valueA, valueB) == 0 : valueA == valueB;
    if (same) return {true, {}};
    return {false, std::string("Expected equal strings: ") + a + " and " + b + "\n  " +
                       ::testing::PrintToString(valueA ? std::string(valueA) : "(null)") + "\n  " +
                       ::testing::PrintToString(valueB ? std::string(valueB) : "(null)")};
}
inline Result checkBool(const char* text, bool value, bool expected) {
    if (value == expected) return {true, {}};
    return {false, std::string("Value of: ") + text + "\n  Actual: " + (value ? "true" : "false") +
                       "\n  Expected: " + (expected ? "true" : "false")};
}

template <class Expected, class Body>
Result checkThrows(const char* statement, const char* expected, Body&& body) {
    std::string what = "it throws nothing";
    try {
        body();
    } catch (const Expected&) {
        return {true, {}};
    } catch (const Skipped&) {
        throw;
    } catch (const std::exception& error) {
        what = std::string("it throws another exception: ") + error.what();
    } catch (...) {
        what = "it throws an exception of another type";
    }
    return {false, std::string("Expected: ") + statement + " throws an exception of type " + expected + "\n  Actual: " + what};
}

// Whether a test's name matches a pattern in which '*' stands for any text.
inline bool matches(const char* pattern, const char* name) {
    if (*pattern == '*') return matches(pattern + 1, name) || (*name && matches(pattern, name + 1));
    if (!*pattern) return !*name;
    return *pattern == *name && matches(pattern + 1, name + 1);
}

}  // namespace internal

template <class T>
std::string PrintToString(const T& value) {
    std::ostringstream out;
    internal::print(out, value);
    return out.str();
}

inline Message& Message::operator<<(const std::wstring& value) {
    out_ << internal::utf8(value);
    return *this;
}

namespace internal {

inline std::map<std::string, std::string>& options() {
    static std::map<std::string, std::string> all;
    return all;
}

// Whether the test chosen by `pattern`: its full name Suite.name, or (for a
// pattern without a dot) its name alone, so that a driver runs one test by
// the name it has in its file.
inline bool chosen(const std::string& pattern, const std::string& fullName) {
    if (matches(pattern.c_str(), fullName.c_str())) return true;
    const size_t dot = fullName.find('.');
    return pattern.find('.') == std::string::npos && matches(pattern.c_str(), fullName.c_str() + dot + 1);
}

}  // namespace internal

// The value of --key=value on the command line, or `fallback`.
inline std::string option(const std::string& key, const std::string& fallback = "") {
    const auto found = internal::options().find(key);
    return found == internal::options().end() ? fallback : found->second;
}

// Writes a line into the test's output: what a driver saw, where a file went.
inline void note(const std::string& line) { std::cout << "  " << line << std::endl; }

// --gtest_filter=P or --filter=P (patterns separated by ':') or plain
// arguments choose tests; --gtest_list_tests (or --list) lists them; any
// other --key=value is an option for the tests. Returns 1 on a failure.
inline int RunAllTests(int argc, char** argv) {
    std::vector<std::string> patterns;
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i], value;
        if (arg == "--gtest_list_tests" || arg == "--list") list = true;
        else if (arg.rfind("--gtest_filter=", 0) == 0) value = arg.substr(15);
        else if (arg.rfind("--filter=", 0) == 0) value = arg.substr(9);
        else if (arg.rfind("--", 0) != 0) value = arg;
        else {
            const size_t equals = arg.find('=');
            internal::options()[arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2)] =
                equals == std::string::npos ? "" : arg.substr(equals + 1);
        }
        for (size_t start = 0; !value.empty() && start <= value.size();) {
            size_t end = value.find(':', start);
            if (end == std::string::npos) end = value.size();
            patterns.push_back(value.substr(start, end - start));
            start = end + 1;
        }
    }
    int ran = 0;
    std::vector<std::string> failed, leftOut;
    for (const auto& test : internal::registry()) {
        bool chosen = patterns.empty();
        for (const auto& pattern : patterns) chosen = chosen || internal::chosen(pattern, test.name);
        if (!chosen) continue;
        if (list) {
            std::cout << test.name << std::endl;
            continue;
        }
        ++ran;
        internal::outcome() = {};
        std::string skipped;
        std::cout << "[ RUN      ] " << test.name << std::endl;
        const auto start = std::chrono::steady_clock::now();
        auto guarded = [&](const std::function<void()>& step) {
            try {
                step();
            } catch (const Skipped& reason) {
                skipped = reason.what();
            } catch (const std::exception& error) {
                internal::AssertHelper(test.name.c_str(), 0, std::string("Uncaught exception: ") + error.what(), true) =
                    Message();
            } catch (...) {
                internal::AssertHelper(test.name.c_str(), 0, "Uncaught exception of unknown type", true) = Message();
            }
        };
        std::unique_ptr<Test> instance;
        guarded([&] { instance.reset(test.make()); });
        if (instance) {
            guarded([&] { instance->SetUp(); });
            if (!internal::outcome().fatal && skipped.empty()) guarded([&] { instance->TestBody(); });
            guarded([&] { instance->TearDown(); });
            guarded([&] { instance.reset(); });
        }
        const std::string took = " (" + std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                          std::chrono::steady_clock::now() - start)
                                                          .count()) +
                                 " ms)";
        if (internal::outcome().failures) {
            failed.push_back(test.name);
            std::cout << "[  FAILED  ] " << test.name << took << std::endl;
        } else if (!skipped.empty()) {
            leftOut.push_back(test.name + ": the rest left out, " + skipped);
            std::cout << "[ SKIPPED  ] " << test.name << " (the rest left out: " << skipped << ")" << std::endl;
        } else {
            std::cout << "[       OK ] " << test.name << took << std::endl;
        }
    }
    if (list) return 0;
    std::cout << "[==========] " << ran << " tests ran, " << failed.size() << " failed, " << leftOut.size()
              << " partly left out." << std::endl;
    for (const auto& name : leftOut) std::cout << "[ SKIPPED  ] " << name << std::endl;
    for (const auto& name : failed) std::cout << "[  FAILED  ] " << name << std::endl;
    return failed.empty() && ran > 0 ? 0 : 1;
}

}  // namespace testing

#define GTEST_CLASS_(suite, name) suite##_##name##_Test
#define GTEST_DEFINE_(base, suite, name)                                                                     \
    class GTEST_CLASS_(suite, name) : public base {                                                          \
    public:                                                                                                  \
        void TestBody() override;                                                                            \
    };                                                                                                       \
    static const bool suite##_##name##_registered_ = ::testing::internal::registerTest(                      \
        #suite, #name, []() -> ::testing::Test* { return new GTEST_CLASS_(suite, name); });                  \
    void GTEST_CLASS_(suite, name)::TestBody()
#define TEST_F(fixture, name) GTEST_DEFINE_(fixture, fixture, name)
#define TEST(suite, name) GTEST_DEFINE_(::testing::Test, suite, name)

#define GTEST_CHECK_(check, fatal, onFailure)                                  \
    switch (0)                                                                 \
    case 0:                                                                    \
    default:                                                                   \
        if (const ::testing::internal::Result gtest_result_ = (check))         \
            ;                                                                  \
        else                                                                   \
            onFailure ::testing::internal::AssertHelper(__FILE__, __LINE__, gtest_result_.text, fatal) = \
                ::testing::Message()

#define EXPECT_EQ(a, b) GTEST_CHECK_(::testing::internal::checkEq(#a, #b, a, b, true), false, )
#define EXPECT_NE(a, b) GTEST_CHECK_(::testing::internal::checkEq(#a, #b, a, b, false), false, )
#define EXPECT_TRUE(c) GTEST_CHECK_(::testing::internal::checkBool(#c, static_cast<bool>(c), true), false, )
#define EXPECT_FALSE(c) GTEST_CHECK_(::testing::internal::checkBool(#c, static_cast<bool>(c), false), false, )
#define EXPECT_STREQ(a, b) GTEST_CHECK_(::testing::internal::checkStrEq(#a, #b, a, b), false, )
#define EXPECT_THROW(statement, type) \
    GTEST_CHECK_(::testing::internal::checkThrows<type>(#statement, #type, [&] { statement; }), false, )
#define ASSERT_EQ(a, b) GTEST_CHECK_(::testing::internal::checkEq(#a, #b, a, b, true), true, return)
#define ASSERT_NE(a, b) GTEST_CHECK_(::testing::internal::checkEq(#a, #b, a, b, false), true, return)
#define ASSERT_TRUE(c) GTEST_CHECK_(::testing::internal::checkBool(#c, static_cast<bool>(c), true), true, return)
#define ASSERT_FALSE(c) GTEST_CHECK_(::testing::internal::checkBool(#c, static_cast<bool>(c), false), true, return)
#define ASSERT_STREQ(a, b) GTEST_CHECK_(::testing::internal::checkStrEq(#a, #b, a, b), true, return)
#define FAIL() return ::testing::internal::AssertHelper(__FILE__, __LINE__, "Failed", true) = ::testing::Message()
#define ADD_FAILURE() ::testing::internal::AssertHelper(__FILE__, __LINE__, "Failed", false) = ::testing::Message()
