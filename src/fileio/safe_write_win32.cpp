#include <cstdio>
#include <random>
#include <vector>

#include "fileio/safe_write.hpp"
#include "fileio/win32_file.hpp"

namespace corvanth {

namespace {

// An old file larger than this is not held in memory to be saved over in place.
constexpr LONGLONG kMostBytesKept = LONGLONG{64} << 20;

std::wstring FolderOf(const std::wstring& name) {
    return name.substr(0, name.find_last_of(L"\\/") + 1);
}

std::wstring LastPartOf(const std::wstring& name) {
    return name.substr(name.find_last_of(L"\\/") + 1);
}

// An unused-looking name next to the target; the random part keeps two saves from meeting.
std::wstring NameBeside(const std::wstring& target, const char* ending) {
    static thread_local std::mt19937_64 random(std::random_device{}());
    char suffix[32];
    const int n = std::snprintf(suffix, sizeof suffix, ".%016llx.%s",
                                static_cast<unsigned long long>(random()), ending);
    return FolderOf(target) + L"." + LastPartOf(target) + std::wstring(suffix, suffix + n);
}

// The name the file really has: a link is followed, so the link itself survives the save.
std::wstring FinalName(HANDLE file, const std::wstring& fallback) {
    std::wstring name(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD n = ::GetFinalPathNameByHandleW(file, name.data(), static_cast<DWORD>(name.size()),
                                                    FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (n == 0) break;
        if (n < name.size()) return name.substr(0, n);
        name.resize(n);  // the length it needs, with the terminating zero
    }
    return fallback;
}

bool Truncate(HANDLE file, std::size_t size) {
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(size);
    return ::SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && ::SetEndOfFile(file);
}

bool WriteFromStart(HANDLE file, std::span<const std::uint8_t> bytes) {
    return ::SetFilePointerEx(file, LARGE_INTEGER{}, nullptr, FILE_BEGIN) && WriteAll(file, bytes);
}

enum class Outcome { Saved, Failed, NeedsInPlace };

// The bytes in a new file next to the target, on disk and closed; its name in tempName. Nothing is left
// behind when that fails.
Outcome WriteTemporary(const std::wstring& target, std::span<const std::uint8_t> bytes,
                       std::wstring& tempName) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        tempName = NameBeside(target, "tmp");
        Handle file(::CreateFileW(tempName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.ok()) {
            if (::GetLastError() == ERROR_FILE_EXISTS) continue;
            return Outcome::NeedsInPlace;  // no file may be made here
        }
        bool ok = WriteAll(file.get(), bytes) && ::FlushFileBuffers(file.get());
        ok = file.close() && ok;
        if (ok) return Outcome::Saved;
        ::DeleteFileW(tempName.c_str());
        return Outcome::Failed;
    }
    return Outcome::NeedsInPlace;
}

// A new file moved to the target's name.
bool SaveNew(const std::wstring& target, std::span<const std::uint8_t> bytes) {
    std::wstring temp;
    if (WriteTemporary(target, bytes, temp) != Outcome::Saved) return false;
    if (::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    ::DeleteFileW(temp.c_str());
    return false;
}

// A new file put in place of the old one, with the old one's attributes and access rights. The system's
// replacement carries both; the attributes are set here as well, as not every implementation of it does.
// The old file passes through a backup name, so a replacement that stops half way can be undone.
Outcome Replace(const std::wstring& target, std::span<const std::uint8_t> bytes, DWORD attributes) {
    std::wstring temp;
    if (const Outcome written = WriteTemporary(target, bytes, temp); written != Outcome::Saved)
        return written;
    constexpr DWORD kKept = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (attributes & kKept) ::SetFileAttributesW(temp.c_str(), attributes & kKept);
    const std::wstring backup = NameBeside(target, "old");
    if (::ReplaceFileW(target.c_str(), temp.c_str(), backup.c_str(), 0, nullptr, nullptr)) {
        ::DeleteFileW(backup.c_str());
        return Outcome::Saved;
    }
    // Here the old file is left under the backup name alone; if it cannot go back, it stays there.
    if (::GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 &&
        !::MoveFileExW(backup.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(temp.c_str());
        return Outcome::Failed;
    }
    ::DeleteFileW(temp.c_str());
    if (::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) ::DeleteFileW(backup.c_str());
    return Outcome::NeedsInPlace;
}

// The bytes over the target itself, which keeps its links, attributes and access rights. Its old bytes stay
// in memory until the new ones are on disk, and go back if anything fails on the way.
bool WriteInPlace(const std::wstring& target, std::span<const std::uint8_t> bytes) {
    Handle file(::CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.ok() || ::GetFileType(file.get()) != FILE_TYPE_DISK || !::GetFileSizeEx(file.get(), &size) ||
        size.QuadPart > kMostBytesKept)
        return false;
    std::vector<std::uint8_t> old(static_cast<std::size_t>(size.QuadPart));
    if (!ReadAll(file.get(), old)) return false;
    if (WriteFromStart(file.get(), bytes) && Truncate(file.get(), bytes.size()) &&
        ::FlushFileBuffers(file.get()))
        return true;
    const bool restored = WriteFromStart(file.get(), old) && Truncate(file.get(), old.size());
    ::FlushFileBuffers(file.get());
    (void)restored;  // false either way: the save failed
    return false;
}

}  // namespace

bool SafeWriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    const auto name = NativePath(path);
    if (path.empty() || !name || !name->has_filename()) return false;  // "dir\" names no file
    std::error_code ec;
    const std::wstring full = std::filesystem::absolute(*name, ec).wstring();
    if (ec) return false;

    const DWORD attributes = ::GetFileAttributesW(full.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return ::GetLastError() == ERROR_FILE_NOT_FOUND && SaveNew(full, bytes);
    // The read-only attribute is the owner's "do not change this file".
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return false;
    // Whoever may not open the file for writing may not replace it either, and a file another program holds
    // open without letting others write stays as it is.
    Handle probe(::CreateFileW(full.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!probe.ok() || ::GetFileType(probe.get()) != FILE_TYPE_DISK ||
        !::GetFileInformationByHandle(probe.get(), &info))
        return false;
    const std::wstring target = FinalName(probe.get(), full);
    probe.close();
    // A replacement would leave the other names of a hard-linked file with the old picture.
    if (info.nNumberOfLinks == 1) {
        const Outcome outcome = Replace(target, bytes, info.dwFileAttributes);
        if (outcome != Outcome::NeedsInPlace) return outcome == Outcome::Saved;
    }
    return WriteInPlace(target, bytes);
}

}  // namespace corvanth
