// Typed access to one INI file through the profile-string service.
#pragma once

#include <string>

// Each call reads the file anew, so a change on disk shows at once. A missing file, section or key gives the
// default. The path is normally baseDirectory followed by a relative name.
class IniFile {
public:
    explicit IniFile(std::wstring path) : path_(std::move(path)) {}

    int readInt(const std::wstring& section, const std::wstring& key, int fallback) const;       // leading decimal integer
    bool readBool(const std::wstring& section, const std::wstring& key, bool fallback) const;    // false only for a leading '0'
    std::wstring readString(const std::wstring& section, const std::wstring& key) const;         // at most 99 characters
    float readFloat(const std::wstring& section, const std::wstring& key, float fallback) const; // classic-locale prefix
    void writeInt(const std::wstring& section, const std::wstring& key, int value) const;
    void writeBool(const std::wstring& section, const std::wstring& key, bool value) const;      // "1" or "0"

    const std::wstring& path() const { return path_; }

private:
    std::wstring path_;
};
