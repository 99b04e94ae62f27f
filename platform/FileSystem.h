// The system's own file functions, beneath the game's (platform/Files.cpp), which add the per-user
// folder of an installed game. Only platform/*.cpp includes this header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform::os {

// The contracts of readWholeFile, writeFileAtomically, fileExists, deleteFile and listFolder in
// Platform.h, on the path exactly as given.
bool readFile(const std::wstring& path, std::vector<uint8_t>& bytes);
bool writeFile(const std::wstring& path, const void* data, size_t size);
bool isFile(const std::wstring& path);
bool removeFile(const std::wstring& path);
std::vector<std::wstring> listNames(const std::wstring& folder);  // its files' names ("": the working directory)

bool makeFolders(const std::wstring& path);         // with every missing parent; true if it exists
bool canWriteIn(const std::wstring& folder);        // a new file can be made there, right now
bool changeDirectory(const std::wstring& folder);
std::wstring executableFolder();                    // empty when unknown
std::wstring defaultUserFolder();                   // where the player's files go; empty when unknown
bool isAbsolute(const std::wstring& path);

}  // namespace platform::os

namespace platform {

// For services that open files by name themselves (the profile functions): the files a read of
// `path` consults, first to last (the per-user copy when there is one, then `path`), and the file a
// write replaces (the per-user one, its folder made, while the per-user folder is in use). Files.cpp.
std::vector<std::wstring> readingPaths(const std::wstring& path);
std::wstring writingPath(const std::wstring& path);

}  // namespace platform
