#include "TextFile.h"

#include "core/TemporaryFile.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace quelvan {

namespace {

// Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves undefined map to
// the C1 control of the same value, so that any byte sequence survives a round trip.
constexpr std::array<char32_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one well-formed UTF-8 sequence at i (advancing i); false when malformed
// (truncated, overlong, surrogate or beyond U+10FFFF).
bool DecodeUtf8(std::string_view s, size_t& i, char32_t& cp)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        cp = b0;
        ++i;
        return true;
    }
    int extra = 0;
    char32_t minimum = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        cp = b0 & 0x1F;
        minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        cp = b0 & 0x0F;
        minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        cp = b0 & 0x07;
        minimum = 0x10000;
    } else {
        return false;
    }
    if (i + static_cast<size_t>(extra) >= s.size())
        return false;
    for (int k = 1; k <= extra; ++k) {
        const unsigned char b = byte(i + static_cast<size_t>(k));
        if ((b & 0xC0) != 0x80)
            return false;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return false;
    i += static_cast<size_t>(extra) + 1;
    return true;
}

// Reads the process's file-creation mask without changing it (umask() cannot be read
// without being set, which would race with other threads).
mode_t CurrentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    }
    return 022;
}

bool WriteAll(int fd, std::string_view bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

bool IsValidUtf8(std::string_view bytes)
{
    size_t i = 0;
    char32_t cp = 0;
    while (i < bytes.size()) {
        if (!DecodeUtf8(bytes, i, cp))
            return false;
    }
    return true;
}

std::string Cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F)
            AppendUtf8(out, kHighTable[b - 0x80]);
        else
            AppendUtf8(out, b);
    }
    return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    char32_t cp = 0;
    while (i < text.size()) {
        if (!DecodeUtf8(text, i, cp))
            return std::nullopt;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        bool found = false;
        for (size_t k = 0; k < kHighTable.size(); ++k) {
            if (kHighTable[k] == cp) {
                out.push_back(static_cast<char>(0x80 + k));
                found = true;
                break;
            }
        }
        if (!found)
            return std::nullopt;
    }
    return out;
}

std::string EncodeForFile(std::string_view utf8Text)
{
    // Windows-1252 only when it reads back as the same text: its bytes may also form valid
    // UTF-8 ("Ã©" is C3 A9, which reads as "é"), and such a file would change when reopened.
    if (auto cp1252 = Utf8ToCp1252(utf8Text); cp1252 && DecodeFromFile(*cp1252) == utf8Text)
        return std::move(*cp1252);
    // A text that starts with U+FEFF would lose it as a byte-order mark: a real mark keeps it.
    if (utf8Text.substr(0, 3) == "\xEF\xBB\xBF")
        return "\xEF\xBB\xBF" + std::string(utf8Text);
    return std::string(utf8Text);
}

std::string DecodeFromFile(std::string_view bytes)
{
    if (IsValidUtf8(bytes)) {
        // A byte-order mark written by some editors is not part of the text.
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
            bytes.remove_prefix(3);
        return std::string(bytes);
    }
    return Cp1252ToUtf8(bytes);
}

TextFileRead ReadTextFile(const std::string& path, std::size_t maxBytes)
{
    TextFileRead result;
    struct stat info { };
    if (::stat(path.c_str(), &info) != 0) {
        const int error = errno;
        if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
            result.fault = ReadFault::BrokenLink; // dangling, or a loop of links
        else
            result.fault = error == ENOENT ? ReadFault::NotFound : ReadFault::Unreadable;
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.fault = ReadFault::NotAFile;
        return result;
    }
    // Opened without waiting: the path may have been replaced by a pipe since the check.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return result;
    bool failed = ::fstat(fd, &info) != 0;
    if (!failed && !S_ISREG(info.st_mode)) {
        result.fault = ReadFault::NotAFile;
        failed = true;
    } else if (!failed && static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        result.fault = ReadFault::TooLarge;
        failed = true;
    }
    std::string bytes;
    std::array<char, 65536> chunk {};
    while (!failed) {
        const ssize_t n = ::read(fd, chunk.data(), chunk.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            failed = true;
            break;
        }
        if (n == 0)
            break;
        if (bytes.size() + static_cast<size_t>(n) > maxBytes) {
            result.fault = ReadFault::TooLarge; // the file grew while it was read
            failed = true;
            break;
        }
        bytes.append(chunk.data(), static_cast<size_t>(n));
    }
    ::close(fd);
    if (!failed)
        result.text = SplitLines(DecodeFromFile(bytes));
    return result;
}

std::optional<TextLines> ReadTextLines(const std::string& path, std::size_t maxBytes)
{
    return ReadTextFile(path, maxBytes).text;
}

TextLines SplitLines(std::string_view text)
{
    TextLines result;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            result.lines.emplace_back(text.substr(start));
            result.lastLineEnded = false;
            break;
        }
        size_t lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == '\r')
            --lineEnd;
        result.lines.emplace_back(text.substr(start, lineEnd - start));
        start = end + 1;
    }
    return result;
}

std::string JoinCrLf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    if (path.empty())
        return false;
    // Replace the file a symbolic link points at, not the link itself.
    std::string target = path;
    struct stat info { };
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    // Only a regular file is replaced: the rename would turn a folder, a named pipe or a device
    // node (as the superuser, even /dev/null) into a regular file.
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode))
        return false;

    const size_t slash = target.find_last_of('/');
    const std::string folder
        = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    TemporaryFile temp(folder);
    const int fd = temp.Descriptor();
    if (fd < 0)
        return false;

    // The new file keeps the permissions of the one it replaces; a new file gets the usual
    // permissions of a created file (the temporary file is created private).
    const mode_t mode = exists ? (info.st_mode & 07777) : (0666 & ~CurrentUmask());
    bool ok = ::fchmod(fd, mode) == 0 || !exists;
    ok = ok && WriteAll(fd, bytes);
    ok = ok && ::fsync(fd) == 0;
    ok = temp.Close() && ok;
    if (!ok || !temp.RenameTo(target))
        return false;
    // Make the rename itself durable; failing here does not undo the write.
    const std::string dir = folder.empty() ? std::string(".") : folder;
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines)
{
    return WriteFileAtomically(path, EncodeForFile(JoinCrLf(lines)));
}

} // namespace quelvan
