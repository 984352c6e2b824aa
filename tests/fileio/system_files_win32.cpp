#include <gtest/gtest.h>

#include <filesystem>

#include "system_files.hpp"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace corvanth::testing {

namespace {

// Kept apart from the program's headers, whose names (RGB) the system's headers take for macros.
std::wstring Native(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).wstring();
}

DWORD Flag(Attribute attribute) {
    return attribute == Attribute::ReadOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_HIDDEN;
}

}  // namespace

std::shared_ptr<void> HoldOpen(const std::string& name, bool othersMayWrite) {
    const DWORD share = othersMayWrite ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
    const HANDLE file = ::CreateFileW(Native(name).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << name;
    return {file, ::CloseHandle};
}

void SetAttribute(const std::string& name, Attribute attribute, bool on) {
    const std::wstring native = Native(name);
    const DWORD now = ::GetFileAttributesW(native.c_str());
    EXPECT_TRUE(::SetFileAttributesW(native.c_str(), on ? now | Flag(attribute) : now & ~Flag(attribute)));
}

bool HasAttribute(const std::string& name, Attribute attribute) {
    const DWORD now = ::GetFileAttributesW(Native(name).c_str());
    return now != INVALID_FILE_ATTRIBUTES && (now & Flag(attribute));
}

std::shared_ptr<void> ListeningPipe(const std::string& name) {
    const HANDLE server = ::CreateNamedPipeW(Native(name).c_str(), PIPE_ACCESS_DUPLEX,
                                             PIPE_TYPE_BYTE | PIPE_WAIT, 4, 0, 0, 0, nullptr);
    EXPECT_NE(server, INVALID_HANDLE_VALUE) << name;
    return {server, ::CloseHandle};
}

}  // namespace corvanth::testing
