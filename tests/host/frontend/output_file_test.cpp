#include "host/files/OutputFile.h"

#include "FileCallsProbe.h"
#include "TempFolder.h"
#include "host/files/RegularFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace Vantrel {
namespace {

namespace fs = std::filesystem;

class OutputFileTest : public Testing::TempFolderTest {
protected:
    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    static std::string failure(const fs::path& path, std::string_view text) {
        try {
            writeOutputFile(path, text);
        } catch (const FileError& error) {
            return error.what();
        }
        ADD_FAILURE() << "wrote " << path;
        return {};
    }

    static mode_t permissions(const fs::path& path) {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_mode & 07777;
    }
};

TEST_F(OutputFileTest, ReplacesTheFileAndLeavesNothingElse) {
    const fs::path file = folder / "loops.tsv";
    writeOutputFile(file, "old\n");
    writeOutputFile(file, std::string(100000, 'x'));
    EXPECT_EQ(contents(file), std::string(100000, 'x'));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(OutputFileTest, FailsNamingTheFileAndKeepsWhatWasThere) {
    const fs::path file = folder / "loops.tsv";
    writeOutputFile(file, "old\n");
    const fs::path blocked = folder / "blocked";
    fs::create_directories(blocked / "inside");
    EXPECT_EQ(failure(blocked, "new\n"), "cannot write " + blocked.string() + ": it is a folder");
    const fs::path missing = folder / "missing" / "loops.tsv";
    EXPECT_EQ(failure(missing, "new\n"), "cannot create the temporary file " + missing.string() +
                                             ".tmp-XXXXXX: No such file or directory");
    EXPECT_EQ(contents(file), "old\n");
    EXPECT_EQ(entries(), 2u); // loops.tsv and the folder: no temporary file left
}

TEST_F(OutputFileTest, AReplacedFileKeepsItsPermissionsAndANewOneGetsTheUsualOnes) {
    const fs::path file = write("loops.tsv", "old\n");
    fs::permissions(file, fs::perms(0640));
    struct stat before {};
    ::stat(file.c_str(), &before);
    if (::geteuid() == 0) { // only root may give a file away
        ASSERT_EQ(::chown(file.c_str(), before.st_uid + 1, before.st_gid + 1), 0);
    }
    ::stat(file.c_str(), &before);
    writeOutputFile(file, "new\n");
    EXPECT_EQ(permissions(file), 0640u);
    struct stat after {};
    ::stat(file.c_str(), &after);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    writeOutputFile(folder / "new.tsv", "new\n");
    EXPECT_EQ(permissions(folder / "new.tsv"), 0666u & ~mask);
}

TEST_F(OutputFileTest, WritesThroughALinkToTheFileItNames) {
    const fs::path file = write("loops.tsv", "old\n");
    fs::permissions(file, fs::perms(0600));
    fs::create_directory(folder / "links");
    const fs::path link = folder / "links" / "latest.tsv";
    fs::create_symlink("../loops.tsv", link);
    writeOutputFile(link, "new\n");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(file), "new\n");
    EXPECT_EQ(permissions(file), 0600u);

    // A link to a file not there yet makes the file, through a chain of links.
    fs::create_symlink("next.tsv", folder / "dangling.tsv");
    fs::create_symlink("dangling.tsv", folder / "chain.tsv");
    writeOutputFile(folder / "chain.tsv", "made\n");
    EXPECT_TRUE(fs::is_symlink(folder / "chain.tsv"));
    EXPECT_TRUE(fs::is_symlink(folder / "dangling.tsv"));
    EXPECT_EQ(contents(folder / "next.tsv"), "made\n");

    fs::create_symlink("loop-b", folder / "loop-a");
    fs::create_symlink("loop-a", folder / "loop-b");
    EXPECT_EQ(failure(folder / "loop-a", "x"),
              "cannot write " + (folder / "loop-a").string() + ": Too many levels of symbolic links");
}

TEST_F(OutputFileTest, WritesToADeviceOrPipeAndNeverReplacesIt) {
    // The probe refuses renames, so that a fault here cannot replace /dev/null.
    Testing::FileCallsProbe probe;
    probe.refuseRenames = true;
    const ScopedFileCalls scope(probe);
    writeOutputFile("/dev/null", "results\n");
    EXPECT_FALSE(probe.made("makeTemporary"));
    EXPECT_FALSE(probe.made("rename"));

    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = contents(pipe); });
    writeOutputFile(pipe, "through the pipe\n");
    reader.join();
    EXPECT_EQ(received, "through the pipe\n");
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(OutputFileTest, AFailureOfTheTemporaryFileNamesIt) {
    const fs::path file = write("loops.tsv", "old\n");
    Testing::FileCallsProbe probe;
    probe.failCall = "write";
    const ScopedFileCalls scope(probe);
    const std::string message = failure(file, "new\n");
    EXPECT_TRUE(message.starts_with("cannot write the temporary file " + file.string() + ".tmp-")) << message;
    EXPECT_TRUE(message.ends_with(": Input/output error")) << message;
    EXPECT_EQ(message.find("XXXXXX"), std::string::npos) << message;
    EXPECT_EQ(contents(file), "old\n");
    EXPECT_EQ(entries(), 1u);
}

} // namespace
} // namespace Vantrel
