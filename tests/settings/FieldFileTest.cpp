#include "SettingsTestSupport.h"
#include "fakes/FakeFailingDisk.h"
#include "settings/DiskIo.h"
#include "settings/FieldReader.h"
#include "settings/FieldWriter.h"
#include "settings/ProgramFolders.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

using namespace rukcon::settings;
using rukcon::test::FakeFailingDisk;
using rukcon::test::FolderEntries;
using rukcon::test::ReadBytes;
using rukcon::test::TempFolder;
using rukcon::test::WriteBytes;

namespace {

class FieldFileTest : public ::testing::Test {
protected:
    TempFolder temp;
    std::filesystem::path file = temp.path() / "f.txt";
};

// ---- Reading ----------------------------------------------------------------------------

TEST_F(FieldFileTest, readFile_shortFile_laterEntriesKeepWhatTheyHeld)
{
    FieldBuffer buffer;
    WriteBytes(file, "\"a\"\r\n\"b\"\r\n\"c\"\r\n");
    ASSERT_TRUE(FieldReader::ReadFile(file, buffer));
    WriteBytes(file, "\"x\"\r\n");
    size_t count = 99;
    ASSERT_TRUE(FieldReader::ReadFile(file, buffer, &count));
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(buffer[0], "x");
    EXPECT_EQ(buffer[1], "b");
    EXPECT_EQ(buffer[2], "c");
    EXPECT_EQ(buffer[3], "");
}

// "0", "1", … as a settings file writes them, one quoted field per line.
static std::string numberedFields(int count)
{
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += "\"" + std::to_string(i) + "\"\r\n";
    return bytes;
}

TEST_F(FieldFileTest, readFile_49Lines_fillsEntries0To48Only)
{
    WriteBytes(file, numberedFields(49));
    FieldBuffer buffer;
    size_t count = 0;
    ASSERT_TRUE(FieldReader::ReadFile(file, buffer, &count));
    EXPECT_EQ(count, 49u);
    EXPECT_EQ(buffer[48], "48");
    for (size_t i = 49; i < buffer.size(); ++i)
        EXPECT_EQ(buffer[i], "") << i;
}

TEST_F(FieldFileTest, readFile_5000Fields_stopsAtBufferEnd)
{
    WriteBytes(file, numberedFields(5000));
    FieldBuffer buffer;
    size_t count = 0;
    ASSERT_TRUE(FieldReader::ReadFile(file, buffer, &count));
    EXPECT_EQ(count, buffer.size());
    EXPECT_EQ(buffer[100], "100");
}

TEST_F(FieldFileTest, readFile_10MBOfRandomBytes_readsAtMostTheBuffer)
{
    WriteBytes(file, rukcon::test::RandomBytes(10 * 1024 * 1024, 20250301));
    FieldBuffer buffer;
    size_t count = 0;
    ASSERT_TRUE(FieldReader::ReadFile(file, buffer, &count));
    EXPECT_EQ(count, buffer.size()); // random bytes hold commas and line ends aplenty
    size_t total = 0;
    for (const std::string& field : buffer)
        total += field.size();
    EXPECT_LE(total, 3 * FieldReader::kMaxFileBytes); // decoded text of the first megabyte at most
}

TEST_F(FieldFileTest, readFile_hugeFieldWithoutSeparators_cutAtTheByteCap)
{
    WriteBytes(file, std::string(3 * FieldReader::kMaxFileBytes, 'x'));
    FieldBuffer buffer;
    ASSERT_TRUE(FieldReader::ReadFile(file, buffer));
    EXPECT_EQ(buffer[0].size(), FieldReader::kMaxFileBytes);
}

TEST_F(FieldFileTest, readFile_missingOrFolder_failsAndLeavesBuffer)
{
    FieldBuffer buffer;
    buffer[0] = "kept";
    EXPECT_FALSE(FieldReader::ReadFile(temp.path() / "missing.txt", buffer));
    EXPECT_FALSE(FieldReader::ReadFile(temp.path(), buffer));
    EXPECT_EQ(buffer[0], "kept");
}

// A named pipe (dropped on the window, say) has no writer: opening it to read must not wait.
TEST_F(FieldFileTest, readFile_fifo_failsWithoutWaitingForAWriter)
{
    const std::filesystem::path fifo = temp.path() / "pipe.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto reading = std::async(std::launch::async, [&] {
        FieldBuffer buffer;
        return FieldReader::ReadFile(fifo, buffer);
    });
    // Not a measure of speed: a reader that waits for a writer waits for good, so after a long
    // while a writer sets it free and the test fails instead of hanging.
    if (reading.wait_for(std::chrono::seconds(30)) == std::future_status::timeout) {
        ADD_FAILURE() << "the reader waited for a writer";
        ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
    }
    EXPECT_FALSE(reading.get());
}

// ---- Writing ----------------------------------------------------------------------------

const std::string kOld = "\"old\"\r\n";

TEST_F(FieldFileTest, writeFile_keepsTheReplacedFilesPermissionBits)
{
    WriteBytes(file, kOld);
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
    const mode_t umaskBefore = ::umask(022); // a new file would be 0644
    DiskIo disk;
    const bool written = FieldWriter::WriteFile(file, std::vector<std::string>{"new"}, disk);
    ::umask(umaskBefore);
    ASSERT_TRUE(written);
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

TEST_F(FieldFileTest, writeFile_replacesContentAndLeavesNoTempFile)
{
    WriteBytes(file, kOld);
    DiskIo disk;
    const std::vector<std::string> fields{"new", "★"};
    ASSERT_TRUE(FieldWriter::WriteFile(file, fields, disk));
    EXPECT_EQ(ReadBytes(file), "\"new\"\r\n\"\x81\x9A\"\r\n");
    EXPECT_EQ(FolderEntries(temp.path()), (std::vector<std::string>{"f.txt"}));
}

struct FailureCase {
    const char* name;
    size_t failAfterBytes;
    bool failSync;
    bool failRename;
};

class FieldFileFailure : public FieldFileTest, public ::testing::WithParamInterface<FailureCase> {};

// A save interrupted anywhere keeps the old file whole and leaves nothing behind.
TEST_P(FieldFileFailure, writeFile_failingStep_oldFileKept)
{
    WriteBytes(file, kOld);
    FakeFailingDisk disk;
    disk.failAfterBytes = GetParam().failAfterBytes;
    disk.failSync = GetParam().failSync;
    disk.failRename = GetParam().failRename;
    std::vector<std::string> fields(49, "a rather long value that takes some bytes");

    EXPECT_FALSE(FieldWriter::WriteFile(file, fields, disk));
    EXPECT_EQ(ReadBytes(file), kOld);
    EXPECT_EQ(FolderEntries(temp.path()), (std::vector<std::string>{"f.txt"}));
}

INSTANTIATE_TEST_SUITE_P(Steps, FieldFileFailure,
                         ::testing::Values(FailureCase{"nothingWritten", 0, false, false},
                                           FailureCase{"halfWritten", 700, false, false},
                                           FailureCase{"syncFails", FakeFailingDisk::kNever, true, false},
                                           FailureCase{"renameFails", FakeFailingDisk::kNever, false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FieldFileTest, writeFile_shortWrites_completeTheFile)
{
    // A disk that accepts only part of each write: the writer must carry on, not stop.
    struct ShortWrites : DiskIo {
        ssize_t write(int fd, const char* data, size_t size) override
        {
            return DiskIo::write(fd, data, size > 3 ? 3 : size);
        }
    } disk;
    const std::vector<std::string> fields{"abcdefgh", "ijk"};
    ASSERT_TRUE(FieldWriter::WriteFile(file, fields, disk));
    EXPECT_EQ(ReadBytes(file), "\"abcdefgh\"\r\n\"ijk\"\r\n");
}

TEST_F(FieldFileTest, writeFile_missingFolder_fails)
{
    DiskIo disk;
    const std::vector<std::string> fields{"x"};
    EXPECT_FALSE(FieldWriter::WriteFile(temp.path() / "gone" / "f.txt", fields, disk));
}

// ---- Where effects and settings are -------------------------------------------------------

struct FolderCase {
    const char* name;
    bool effectsBeside;   // a "bgm" folder beside the executable
    bool effectsShared;   // a "bgm" folder in the shared data folder
    bool settingsBlocked; // a file where "設定" beside the executable would be
    bool expectInstalled;
    bool expectSettingsBeside;
};

void PrintTo(const FolderCase& c, std::ostream* out)
{
    *out << c.name;
}

class ProgramFoldersTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFoldersTest, decide_choosesWithoutWritingAnything)
{
    const FolderCase& c = GetParam();
    TempFolder app, shared, config;
    if (c.effectsBeside)
        std::filesystem::create_directory(app.path() / "bgm");
    if (c.effectsShared)
        std::filesystem::create_directory(shared.path() / "bgm");
    if (c.settingsBlocked)
        WriteBytes(app.path() / "設定", "");
    const std::vector<std::string> before = FolderEntries(app.path());

    const ProgramFolders folders = ProgramFolders::Decide(app.path(), shared.path(), config.path());

    EXPECT_EQ(folders.installed, c.expectInstalled);
    EXPECT_EQ(folders.effects, (c.expectInstalled ? shared.path() : app.path()) / "bgm");
    EXPECT_EQ(folders.settings, c.expectSettingsBeside ? app.path() / "設定" : config.path() / "rukcon" / "設定");
    EXPECT_EQ(FolderEntries(app.path()), before);
    EXPECT_EQ(FolderEntries(config.path()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramFoldersTest,
                         ::testing::Values(FolderCase{"buildFolder", true, false, false, false, true},
                                           FolderCase{"besideWinsOverShared", true, true, false, false, true},
                                           FolderCase{"installed", false, true, false, true, false},
                                           FolderCase{"noEffectsAnywhere", false, false, false, false, true},
                                           FolderCase{"settingsCannotBeMadeBeside", true, false, true, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramFoldersTest, configHomeFromEnvironment_xdgThenHome)
{
    const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string xdg = savedXdg ? savedXdg : "";
    const std::string home = savedHome ? savedHome : "";

    ::setenv("HOME", "/home/someone", 1);
    ::setenv("XDG_CONFIG_HOME", "/elsewhere/config", 1);
    EXPECT_EQ(ProgramFolders::ConfigHomeFromEnvironment(), "/elsewhere/config");
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1); // not absolute: ignored
    EXPECT_EQ(ProgramFolders::ConfigHomeFromEnvironment(), "/home/someone/.config");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(ProgramFolders::ConfigHomeFromEnvironment(), "/home/someone/.config");

    savedXdg ? ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    savedHome ? ::setenv("HOME", home.c_str(), 1) : ::unsetenv("HOME");
}

} // namespace
