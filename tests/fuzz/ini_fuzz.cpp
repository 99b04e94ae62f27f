// libFuzzer target for INI files: any bytes parse; written back unedited they are the same bytes;
// a value set reads back, from the document and from its bytes parsed again, and leaves keys of
// other sections alone. Built without libFuzzer, replay_main.cpp feeds it files.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "platform/IniDocument.h"

using platform::IniDocument;

namespace {

// The value, or a text no file can produce (a lone NUL unit followed by a marker) when missing.
std::wstring lookup(const IniDocument& document, const std::wstring& section, const std::wstring& key) {
    std::wstring value;
    return document.find(section, key, value) ? value : std::wstring(1, L'\0') + L"missing";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> input(data, data + size);
    IniDocument document(input);
    require(document.bytes() == input, "unedited bytes differ");

    const std::wstring before = lookup(document, L"S", L"k");
    const std::wstring otherSection = lookup(document, L"T", L"k");
    const std::wstring noSection = lookup(document, L"", L"k");
    require(lookup(document, L"s", L"K") == before, "names are not matched without regard to case");

    require(document.set(L"S", L"k", L"v"), "set refused");
    require(lookup(document, L"S", L"k") == L"v", "set value does not read back");
    require(lookup(document, L"T", L"k") == otherSection, "set changed another section");
    require(lookup(document, L"", L"k") == noSection, "set changed the keys before any section");

    const IniDocument reread(document.bytes());
    require(reread.encoding() == document.encoding(), "encoding changed");
    require(lookup(reread, L"S", L"k") == L"v", "set value does not read back from the bytes");
    require(lookup(reread, L"T", L"k") == otherSection, "bytes changed another section");
    require(reread.bytes() == document.bytes(), "written bytes do not parse to themselves");
    return 0;
}
