// Case-insensitive comparison of names, shared by the INI document and the file functions.
#pragma once

#include <string>

namespace platform {

wchar_t foldCase(wchar_t unit);                                        // Text.cpp
bool equalIgnoringCase(const std::wstring& a, const std::wstring& b);  // Text.cpp
// '*' matches any run of characters, '?' any one, others match without regard to case.
bool matchesWildcard(const std::wstring& pattern, const std::wstring& name);  // Wildcard.cpp

}  // namespace platform
