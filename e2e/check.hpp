#pragma once
// A tiny test framework for the programs that run under Wine: the end-to-end
// drivers and the console checks of the Win32 libraries (GoogleTest does not
// build with the win32 thread model).
//
//   TEST(picks_a_machine) { CHECK_EQ(e2e::text(label), L"picked"); }
//
// CHECK and CHECK_EQ report the expression, both values and file:line and let
// the test go on; REQUIRE and REQUIRE_EQ end the test when they fail (for
// steps the rest depends on). An exception thrown by a test fails it.
// check::main runs every test, or only those named on the command line,
// prints a summary and returns non-zero when anything failed. Arguments of
// the form --key=value are options for the tests: check::option("key").
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace check {

struct Test {
  const char* name;
  void (*body)();
};

inline std::vector<Test>& tests() {
  static std::vector<Test> all;
  return all;
}

struct Registrar {
  Registrar(const char* name, void (*body)()) { tests().push_back({name, body}); }
};

// Thrown by REQUIRE to end the current test.
struct Abort {};

inline int& failures() {
  static int count = 0;
  return count;
}

inline std::map<std::string, std::string>& options() {
  static std::map<std::string, std::string> all;
  return all;
}

// The value of --key=value from the command line, or fallback.
inline std::string option(const std::string& key, const std::string& fallback = "") {
  const auto it = options().find(key);
  return it == options().end() ? fallback : it->second;
}

// ---- Showing values: strings quoted, control characters escaped ----

inline void appendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

inline std::string quoted(const std::string& utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else if (c == '"' || c == '\\') { out += '\\'; out += static_cast<char>(c); }
    else if (c < 0x20 || c == 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else out += static_cast<char>(c);
  }
  return out + "\"";
}

inline std::string show(const std::wstring& s) {
  std::string utf8;
  for (size_t i = 0; i < s.size(); ++i) {
    uint32_t cp = static_cast<uint16_t>(s[i]);
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size()) {
      const uint32_t low = static_cast<uint16_t>(s[i + 1]);
      if (low >= 0xDC00 && low < 0xE000) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    appendUtf8(utf8, cp);
  }
  return quoted(utf8);
}
inline std::string show(const wchar_t* s) { return s ? show(std::wstring(s)) : "null"; }
inline std::string show(const std::string& s) { return quoted(s); }
inline std::string show(const char* s) { return s ? quoted(s) : "null"; }
inline std::string show(bool b) { return b ? "true" : "false"; }
inline std::string show(std::nullptr_t) { return "null"; }

template <class T>
auto show(const T& value) -> decltype(std::declval<std::ostream&>() << value, std::string()) {
  std::ostringstream out;
  if constexpr (std::is_pointer_v<T>) out << static_cast<const void*>(value);
  else out << value;
  return out.str();
}

template <class A, class B>
std::string show(const std::pair<A, B>& pair) {
  return "(" + show(pair.first) + ", " + show(pair.second) + ")";
}

template <class T>
std::string show(const std::optional<T>& value) {
  return value ? show(*value) : "nothing";
}

template <class T>
std::string show(const std::vector<T>& items) {
  std::string out = "{";
  for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + show(items[i]);
  return out + "}";
}

// ---- Reporting ----

inline void fail(const char* file, int line, const std::string& message) {
  ++failures();
  std::printf("%s:%d: FAILED %s\n", file, line, message.c_str());
  std::fflush(stdout);
}

// Prints a line into the test's output (what a driver saw, where a file went).
inline void note(const std::string& message) {
  std::printf("  %s\n", message.c_str());
  std::fflush(stdout);
}

inline bool check(bool ok, const char* expr, const char* file, int line) {
  if (!ok) fail(file, line, std::string("CHECK(") + expr + ")");
  return ok;
}

template <class A, class B>
bool checkEq(const A& a, const B& b, const char* ea, const char* eb, const char* file, int line) {
  if (a == b) return true;
  fail(file, line,
       std::string("CHECK_EQ(") + ea + ", " + eb + ")\n    left:  " + show(a) + "\n    right: " + show(b));
  return false;
}

// ---- Running ----

inline bool runOne(const Test& t) {
  std::printf("[ RUN  ] %s\n", t.name);
  std::fflush(stdout);
  const int before = failures();
  const auto start = std::chrono::steady_clock::now();
  try {
    t.body();
  } catch (const Abort&) {
    // already reported by REQUIRE
  } catch (const std::exception& e) {
    fail(t.name, 0, std::string("exception: ") + e.what());
  } catch (...) {
    fail(t.name, 0, "unknown exception");
  }
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  const bool ok = failures() == before;
  std::printf("[ %s ] %s (%lld ms)\n", ok ? " OK " : "FAIL", t.name, static_cast<long long>(ms));
  std::fflush(stdout);
  return ok;
}

// Runs the tests named in argv (all when none is named); --list prints names.
inline int main(int argc, char** argv) {
  std::vector<std::string> wanted;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--list") {
      for (const auto& t : tests()) std::printf("%s\n", t.name);
      return 0;
    }
    if (arg.rfind("--", 0) == 0) {
      const auto eq = arg.find('=');
      options()[arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2)] =
          eq == std::string::npos ? "" : arg.substr(eq + 1);
    } else {
      wanted.push_back(arg);
    }
  }
  for (const auto& name : wanted) {
    bool known = false;
    for (const auto& t : tests()) known = known || name == t.name;
    if (!known) {
      std::printf("no test named %s (--list shows them)\n", name.c_str());
      return 2;
    }
  }
  std::vector<std::string> failed;
  int ran = 0;
  for (const auto& t : tests()) {
    bool selected = wanted.empty();
    for (const auto& name : wanted) selected = selected || name == t.name;
    if (!selected) continue;
    ++ran;
    if (!runOne(t)) failed.push_back(t.name);
  }
  std::printf("%d test(s) run, %d failed", ran, static_cast<int>(failed.size()));
  for (size_t i = 0; i < failed.size(); ++i) std::printf("%s%s", i ? ", " : ": ", failed[i].c_str());
  std::printf("\n");
  std::fflush(stdout);
  return (failed.empty() && ran > 0) ? 0 : 1;
}

}  // namespace check

#define CHECK_CONCAT2(a, b) a##b
#define CHECK_CONCAT(a, b) CHECK_CONCAT2(a, b)

#define TEST(name)                                                           \
  static void name();                                                        \
  static ::check::Registrar CHECK_CONCAT(check_registrar_, name)(#name, name); \
  static void name()

#define CHECK(expr) ::check::check(static_cast<bool>(expr), #expr, __FILE__, __LINE__)
#define CHECK_EQ(a, b) ::check::checkEq((a), (b), #a, #b, __FILE__, __LINE__)
#define REQUIRE(expr) \
  do {                \
    if (!CHECK(expr)) throw ::check::Abort{}; \
  } while (0)
#define REQUIRE_EQ(a, b) \
  do {                   \
    if (!CHECK_EQ(a, b)) throw ::check::Abort{}; \
  } while (0)
