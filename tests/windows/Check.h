// A minimal test harness for the Windows backend's tests, which run under Wine from the cross
// build (GoogleTest has no cross package). TEST_CASE registers a case, CHECK and CHECK_EQ record
// failures and let the case go on, REQUIRE ends the case.
#pragma once

#include <functional>
#include <sstream>
#include <string>

namespace wintest {

void registerCase(const char* name, std::function<void()> body);
void recordFailure(const char* file, int line, const std::string& what);
struct Abort {};  // thrown by REQUIRE; caught by the runner

struct Registrar {
    Registrar(const char* name, std::function<void()> body) { registerCase(name, std::move(body)); }
};

template <typename A, typename B>
std::string describe(const A& a, const B& b) {
    std::ostringstream out;
    out << a << " vs " << b;
    return out.str();
}

// An empty folder of that name below the working directory (emptied when it exists), with a
// trailing backslash.
std::wstring freshFolder(const std::wstring& name);
std::string narrow(const std::wstring& text);  // for messages only
const std::string& exePath();                  // the game's tallix.exe, from the command line
const std::string& gameDataPath();             // its Data folder, from the command line

}  // namespace wintest

#define WT_CONCAT2(a, b) a##b
#define WT_CONCAT(a, b) WT_CONCAT2(a, b)
#define TEST_CASE(name)                                              \
    static void WT_CONCAT(testBody_, __LINE__)();                    \
    static ::wintest::Registrar WT_CONCAT(registrar_, __LINE__)(     \
        name, WT_CONCAT(testBody_, __LINE__));                       \
    static void WT_CONCAT(testBody_, __LINE__)()

#define CHECK(condition) \
    ((condition) ? (void)0 : ::wintest::recordFailure(__FILE__, __LINE__, #condition))
#define CHECK_EQ(actual, expected)                                                          \
    (((actual) == (expected)) ? (void)0                                                     \
                              : ::wintest::recordFailure(__FILE__, __LINE__,                \
                                    #actual " == " #expected " (" +                         \
                                    ::wintest::describe((actual), (expected)) + ")"))
#define REQUIRE(condition)                                                        \
    do {                                                                          \
        if (!(condition)) {                                                       \
            ::wintest::recordFailure(__FILE__, __LINE__, "required: " #condition); \
            throw ::wintest::Abort();                                             \
        }                                                                         \
    } while (0)
