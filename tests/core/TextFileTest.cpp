#include "core/TextFile.h"
#include "support/CaseNames.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace quelvan {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

size_t EntryCount(const fs::path& folder)
{
    return static_cast<size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// ---- Encodings ---------------------------------------------------------------------------

struct EncodingCase {
    const char* utf8;
    const char* cp1252;
    friend void PrintTo(const EncodingCase& c, std::ostream* os)
    {
        *os << quelvan::test::Quoted(c.utf8);
    }
};

class Cp1252Test : public ::testing::TestWithParam<EncodingCase> { };

TEST_P(Cp1252Test, ConvertsBothWays)
{
    const EncodingCase& c = GetParam();
    const std::optional<std::string> bytes = Utf8ToCp1252(c.utf8);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, c.cp1252);
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8);
    EXPECT_EQ(EncodeForFile(c.utf8), c.cp1252);
    EXPECT_EQ(DecodeFromFile(c.cp1252), c.utf8);
}

// Byte values from the Windows-1252 code chart.
INSTANTIATE_TEST_SUITE_P(Texts, Cp1252Test,
    ::testing::Values(EncodingCase { "Béton lourd", "B\xE9ton lourd" },
        EncodingCase { "Mâcon",
            "M\xE2"
            "con" },
        EncodingCase { "€", "\x80" },
        EncodingCase { "Œuvre – « été »", "\x8Cuvre \x96 \xAB \xE9t\xE9 \xBB" },
        EncodingCase { "W/m²·K", "W/m\xB2\xB7K" }, EncodingCase { "ÿŸ", "\xFF\x9F" },
        EncodingCase { "plain ASCII\t1.5", "plain ASCII\t1.5" }));

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    const std::optional<std::string> back = Utf8ToCp1252(utf8);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
    // Bytes the code page leaves undefined become the C1 control of the same value.
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(Cp1252, TextOutsideTheCodePageStaysUtf8)
{
    EXPECT_FALSE(Utf8ToCp1252("λ = 0,5 W/(m·K)").has_value());
    EXPECT_FALSE(Utf8ToCp1252("\u0080").has_value()); // no byte stands for U+0080
    EXPECT_FALSE(Utf8ToCp1252("\xE9").has_value()); // not UTF-8 at all
    EXPECT_EQ(EncodeForFile("λ = 0,5"), "λ = 0,5");
    EXPECT_EQ(DecodeFromFile("λ = 0,5"), "λ = 0,5");
    EXPECT_EQ(DecodeFromFile("\xEF\xBB\xBF"
                             "abc"),
        "abc"); // the byte-order mark goes
}

// Texts whose Windows-1252 bytes are also valid UTF-8 (a project once decoded with the wrong
// code page holds such text) must still come back unchanged from the file.
struct Text {
    const char* utf8;
    friend void PrintTo(const Text& c, std::ostream* os) { *os << quelvan::test::Quoted(c.utf8); }
};
class EncodeForFileTest : public ::testing::TestWithParam<Text> { };

TEST_P(EncodeForFileTest, TextReadsBackUnchanged)
{
    const std::string text = GetParam().utf8;
    EXPECT_EQ(DecodeFromFile(EncodeForFile(text)), text);
}

INSTANTIATE_TEST_SUITE_P(Texts, EncodeForFileTest,
    ::testing::Values(Text { "RÃ©fÃ©rence" }, // C3 A9 in Windows-1252 is "é" in UTF-8
        Text { "Ã©" }, Text { "Ã© et é" }, Text { "ï»¿abc" }, // the Windows-1252 reading of a BOM
        Text { "\uFEFFabc" }, Text { "Béton" }, Text { "λ" }, Text { "" }, Text { "plain" }));

TEST(EncodeForFile, KeepsWindows1252WhenItCannotBeTakenForUtf8)
{
    EXPECT_EQ(EncodeForFile("Ã©"), "\xC3\x83\xC2\xA9"); // UTF-8, since C3 A9 would read as "é"
    EXPECT_EQ(EncodeForFile("Ã© et é"), "\xC3\xA9 et \xE9"); // E9 alone is not UTF-8
}

struct Utf8Case {
    std::string bytes;
    bool valid;
    friend void PrintTo(const Utf8Case& c, std::ostream* os)
    {
        *os << quelvan::test::Quoted(c.bytes, false);
    }
};

class IsValidUtf8Test : public ::testing::TestWithParam<Utf8Case> { };

TEST_P(IsValidUtf8Test, ChecksEverySequence)
{
    EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Sequences, IsValidUtf8Test,
    ::testing::Values(Utf8Case { "", true }, Utf8Case { "Béton", true },
        Utf8Case { "\xF0\x9F\x98\x80", true }, // four bytes
        Utf8Case { "\xE9", false }, // a lone Windows-1252 byte
        Utf8Case { "\xC0\xAF", false }, // overlong "/"
        Utf8Case { "\xE0\x80\xAF", false }, // overlong, three bytes
        Utf8Case { "\xED\xA0\x80", false }, // surrogate
        Utf8Case { "\xE2\x82", false }, // truncated euro sign
        Utf8Case { "\xF4\x90\x80\x80", false }, // beyond U+10FFFF
        Utf8Case { "\x80", false }, // continuation without a start
        Utf8Case { std::string("a\0b", 3), true })); // NUL is a character

// ---- ReadTextLines -----------------------------------------------------------------------

TEST(ReadTextLines, SplitsAtLineFeedsAndDropsCarriageReturns)
{
    TempFolder folder;
    const std::string path = folder.File("lines.txt");
    WriteBytes(path, "a\r\nb\nc");
    std::optional<TextLines> text = ReadTextLines(path);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->lines, (std::vector<std::string> { "a", "b", "c" }));
    EXPECT_FALSE(text->lastLineEnded);

    WriteBytes(path, "a\r\n\r\nx\ry\n");
    text = ReadTextLines(path);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->lines, (std::vector<std::string> { "a", "", "x\ry" }));
    EXPECT_TRUE(text->lastLineEnded);

    WriteBytes(path, "");
    text = ReadTextLines(path);
    ASSERT_TRUE(text.has_value());
    EXPECT_TRUE(text->lines.empty());
    EXPECT_TRUE(text->lastLineEnded);
}

TEST(ReadTextLines, DecodesWindows1252Files)
{
    TempFolder folder;
    const std::string path = folder.File("cp1252.txt");
    WriteBytes(path,
        "B\xE9ton lourd\r\nM\xE2"
        "con\r\n");
    const std::optional<TextLines> text = ReadTextLines(path);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->lines, (std::vector<std::string> { "Béton lourd", "Mâcon" }));
}

// Each refusal says why; a named pipe with no writer is refused at once instead of blocking.
TEST(ReadTextFile, SaysWhyAFileIsRefused)
{
    TempFolder folder;
    const std::string pipe = folder.File("tube");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string path = folder.File("big.txt");
    WriteBytes(path, std::string(100, 'x'));
    fs::create_symlink(folder.File("missing.txt"), folder.File("dangling"));
    fs::create_symlink(folder.File("loop"), folder.File("loop"));
    const std::pair<std::string, ReadFault> refusals[] = {
        { folder.File("missing.txt"), ReadFault::NotFound },
        { folder.Path().string(), ReadFault::NotAFile },
        { pipe, ReadFault::NotAFile },
        { "/dev/null", ReadFault::NotAFile },
        { folder.File("dangling"), ReadFault::BrokenLink },
        { folder.File("loop"), ReadFault::BrokenLink },
    };
    for (const auto& [name, fault] : refusals) {
        const TextFileRead read = ReadTextFile(name);
        EXPECT_FALSE(read.text.has_value()) << name;
        EXPECT_EQ(read.fault, fault) << name;
    }
    EXPECT_EQ(ReadTextFile(path, 99).fault, ReadFault::TooLarge);
    EXPECT_FALSE(ReadTextLines(path, 99).has_value());
    EXPECT_TRUE(ReadTextLines(path, 100).has_value());
    EXPECT_EQ(ReadFaultReason(ReadFault::TooLarge, kMaxTextFileBytes),
        "fichier trop volumineux (au plus 64 Mo)");
    EXPECT_EQ(ReadFaultText(ReadFault::BrokenLink), "lien brisé");
}

// ---- Writing -----------------------------------------------------------------------------

TEST(WriteTextLines, WritesCrLfInWindows1252WhenEverythingFits)
{
    TempFolder folder;
    const std::string path = folder.File("out.txt");
    ASSERT_TRUE(WriteTextLines(path, { "Béton", "", "1,5\t€" }));
    EXPECT_EQ(ReadBytes(path), "B\xE9ton\r\n\r\n1,5\t\x80\r\n");
    ASSERT_TRUE(WriteTextLines(path, { "λ", "é" }));
    EXPECT_EQ(ReadBytes(path), "λ\r\né\r\n");
    const std::optional<TextLines> back = ReadTextLines(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->lines, (std::vector<std::string> { "λ", "é" }));
    EXPECT_EQ(EntryCount(folder.Path()), 1u); // no temporary file left behind
}

TEST(WriteFileAtomically, ReplacesTheContentAndKeepsPermissions)
{
    TempFolder folder;
    const std::string path = folder.File("project.ksl");
    WriteBytes(path, "old content that is longer than the new one");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(ReadBytes(path), "new");
    struct stat info { };
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

TEST(WriteFileAtomically, NewFilesGetTheUsualPermissions)
{
    TempFolder folder;
    const std::string path = folder.File("new.res");
    const mode_t previous = ::umask(022);
    const bool written = WriteFileAtomically(path, "x");
    ::umask(previous);
    ASSERT_TRUE(written);
    struct stat info { };
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
}

TEST(WriteFileAtomically, WritesThroughASymbolicLink)
{
    TempFolder folder;
    const std::string real = folder.File("real.ksl");
    const std::string link = folder.File("link.ksl");
    WriteBytes(real, "old");
    fs::create_symlink(real, link);
    ASSERT_TRUE(WriteFileAtomically(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), "new");
}

TEST(WriteFileAtomically, FailsCleanlyWhenTheTargetCannotBeReplaced)
{
    TempFolder folder;
    EXPECT_FALSE(WriteFileAtomically("", "x"));
    EXPECT_FALSE(WriteFileAtomically(folder.File("missing/sub.ksl"), "x"));
    // A non-empty folder in the way: the rename fails and the temporary file is removed.
    const fs::path blocker = folder.Path() / "blocker.ksl";
    fs::create_directory(blocker);
    WriteBytes((blocker / "inside").string(), "keep");
    EXPECT_FALSE(WriteFileAtomically(blocker.string(), "x"));
    EXPECT_EQ(ReadBytes((blocker / "inside").string()), "keep");
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

// Renaming over a named pipe or a device node would make a regular file of it (as the
// superuser, /dev/null itself); a device node is made here when the system allows it.
TEST(WriteFileAtomically, NeverReplacesWhatIsNotARegularFile)
{
    TempFolder folder;
    const std::string pipe = folder.File("tube");
    const std::string device = folder.File("nul");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const bool madeDevice = ::mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    fs::create_symlink(pipe, folder.File("lien"));
    for (const std::string& target : { pipe, folder.File("lien"), device }) {
        if (target == device && !madeDevice)
            continue;
        EXPECT_FALSE(WriteFileAtomically(target, "x")) << target;
        EXPECT_FALSE(fs::is_regular_file(target)) << target;
    }
    EXPECT_EQ(EntryCount(folder.Path()), madeDevice ? 3u : 2u);
}

// The temporary name is short whatever the target's: a name of 255 bytes, the longest a
// folder takes, is written.
TEST(WriteFileAtomically, WritesTheLongestLegalName)
{
    TempFolder folder;
    const std::string path = folder.File(std::string(251, 'm') + ".ksl");
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    ASSERT_TRUE(WriteFileAtomically(path, "newer"));
    EXPECT_EQ(ReadBytes(path), "newer");
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

TEST(WriteFileAtomically, AFailedWriteLeavesTheOldFileIntact)
{
    TempFolder folder;
    const std::string path = folder.File("results.res");
    WriteBytes(path, "previous results");
    // Limit the size of files this process may write: the write fails half-way (as on a
    // full disk), which works even for the superuser.
    struct rlimit previous { };
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = previous;
    limited.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool written = WriteFileAtomically(path, std::string(5000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(path), "previous results");
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

TEST(WriteFileAtomically, AReadOnlyFolderLeavesTheOldFileIntact)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    TempFolder folder;
    const std::string path = folder.File("project.ksl");
    WriteBytes(path, "old");
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteFileAtomically(path, "new"));
    fs::permissions(folder.Path(), fs::perms::owner_all);
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

} // namespace
} // namespace quelvan
