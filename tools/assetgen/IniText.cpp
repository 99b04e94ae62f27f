// INI text building.
#include "IniText.h"

#include <cmath>
#include <cstdio>

namespace assetgen {

std::string formatNumber(double value) {
    double rounded = std::round(value * 10000.0) / 10000.0;
    if (rounded == 0) rounded = 0;  // no "-0"
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.4f", rounded);  // the C locale: '.' as the point
    std::string text = buffer;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

void IniText::section(const std::string& name) {
    if (!text_.empty()) text_ += "\r\n";
    text_ += "[" + name + "]\r\n";
}

void IniText::set(const std::string& key, const std::string& value) {
    text_ += key + "=" + value + "\r\n";
}

void IniText::set(const std::string& key, int value) { set(key, std::to_string(value)); }

void IniText::set(const std::string& key, double value) { set(key, formatNumber(value)); }

void IniText::set(const std::string& key, bool value) { set(key, std::string(value ? "1" : "0")); }

void IniText::set(const std::string& key, Colour colour) {
    set(key + ".R", colour.r);
    set(key + ".G", colour.g);
    set(key + ".B", colour.b);
    set(key + ".A", colour.a);
}

std::vector<uint8_t> IniText::bytes() const { return std::vector<uint8_t>(text_.begin(), text_.end()); }

}  // namespace assetgen
