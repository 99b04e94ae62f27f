// The text of an INI file the game reads through its profile-string service: sections and keys in
// the order they are added, CRLF line ends, numbers in a fixed locale-free notation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Colour.h"

namespace assetgen {

class IniText {
public:
    void section(const std::string& name);  // later keys go into this section
    void set(const std::string& key, const std::string& value);
    void set(const std::string& key, const char* value) { set(key, std::string(value)); }
    void set(const std::string& key, int value);
    void set(const std::string& key, double value);  // at most four decimals, no trailing zeros
    void set(const std::string& key, bool value);    // "1" or "0": false is text starting with 0
    void set(const std::string& key, Colour colour); // key.R, key.G, key.B and key.A

    std::vector<uint8_t> bytes() const;

private:
    std::string text_;
};

std::string formatNumber(double value);

}  // namespace assetgen
