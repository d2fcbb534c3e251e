#include "core/config_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <random>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include "core/errors.h"
#include "core/io_error.h"
#include "core/text_encoding.h"
#include "scratch_folder.h"

using core::Configuration;

namespace {

const std::string kIni = "Calvoro.ini";

bool runningAsRoot() {
  return ::geteuid() == 0;
}

// The text and system error number of the EInOutError the call raises.
template <class F> std::pair<std::string, int> ioErrorOf(F &&call) {
  try {
    call();
  } catch (const core::EInOutError &e) {
    return {e.what(), e.errorCode()};
  }
  return {"no error", 0};
}

Configuration readText(const ScratchFolder &folder, const std::string &bytes) {
  folder.write(kIni, bytes);
  return core::readConfigFile(folder.path(kIni));
}

// Sets a resource limit for the lifetime of the object.
class ScopedLimit {
public:
  ScopedLimit(int resource, rlim_t soft) : resource_(resource) {
    ::getrlimit(resource_, &old_);
    rlimit lowered = old_;
    lowered.rlim_cur = soft;
    ::setrlimit(resource_, &lowered);
  }
  ~ScopedLimit() { ::setrlimit(resource_, &old_); }

private:
  int resource_;
  rlimit old_{};
};

} // namespace

TEST(ConfigWrite, FourCrLfLinesWithTheTextsExactlyAsGiven) {
  ScratchFolder folder;
  core::writeConfigFile(folder.path(kIni), {"  Anna  ", "12/05/1970", true});
  EXPECT_EQ(folder.read(kIni), "\r\n  Anna  \r\n12/05/1970\r\n0\r\n");
  core::writeConfigFile(folder.path(kIni), {"Ren\xc3\xa9"
                                            "e",
                                            " 1/ 5/1970", false});
  EXPECT_EQ(folder.read(kIni), "\r\nRen\xc3\xa9"
                               "e\r\n 1/ 5/1970\r\n1\r\n");
  EXPECT_EQ(folder.entries(), std::vector<std::string>{kIni});
}

TEST(ConfigWrite, SavingTwiceGivesTheSameFourLines) {
  ScratchFolder folder;
  const Configuration config{"Anna", "12/05/1970", true};
  core::writeConfigFile(folder.path(kIni), config);
  const std::string first = folder.read(kIni);
  core::writeConfigFile(folder.path(kIni), config);
  EXPECT_EQ(folder.read(kIni), first);
  EXPECT_EQ(core::readConfigFile(folder.path(kIni)), config);
}

TEST(ConfigWrite, ALineBreakInsideATextDoesNotAddALine) {
  ScratchFolder folder;
  core::writeConfigFile(folder.path(kIni), {"An\r\nna", "12/05/1970\n", false});
  EXPECT_EQ(folder.read(kIni), "\r\nAn  na\r\n12/05/1970 \r\n1\r\n");
  EXPECT_EQ(core::readConfigFile(folder.path(kIni)),
            (Configuration{"An  na", "12/05/1970", false}));
}

TEST(ConfigWrite, ReplacingKeepsTheFilePermissions) {
  ScratchFolder folder;
  folder.write(kIni, "old");
  ::chmod(folder.path(kIni).c_str(), 0640);
  core::writeConfigFile(folder.path(kIni), {"Anna", "12/05/1970", true});
  struct stat st {};
  ASSERT_EQ(::stat(folder.path(kIni).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(ConfigRead, RoundTripOfWhatWasWritten) {
  ScratchFolder folder;
  for (const Configuration &config :
       {Configuration{"Anna", "12/05/1970", true},
        Configuration{"Ren\xc3\xa9"
                      "e",
                      "01/01/0001", false},
        Configuration{"", "", true},
        Configuration{"Zo\xc3\xab \xe2\x82\xac", "31/12/9999", false}}) {
    core::writeConfigFile(folder.path(kIni), config);
    EXPECT_EQ(core::readConfigFile(folder.path(kIni)), config) << config.firstName;
  }
}

TEST(ConfigRead, FirstLineIgnoredLinesTwoAndThreeTrimmed) {
  ScratchFolder folder;
  EXPECT_EQ(readText(folder, "whatever\r\n \t Anna \x01\r\n  12/05/1970  \r\n0\r\n"),
            (Configuration{"Anna", "12/05/1970", true}));
  EXPECT_EQ(readText(folder, "\r\n  Anna Maria  \r\n 1/ 5/1970\r\n0\r\n"),
            (Configuration{"Anna Maria", "1/ 5/1970", true}));
}

TEST(ConfigRead, OnlyAFourthLineOfExactlyOneSwitchesBlinkingOff) {
  ScratchFolder folder;
  const struct {
    const char *line4;
    bool blinking;
  } cases[] = {{"1\r\n", false}, {"1", false},     {"1\n", false},    {"0\r\n", true},
               {" 1\r\n", true}, {"1 \r\n", true}, {"\r\n", true},    {"", true},
               {"x\r\n", true},  {"11\r\n", true}, {"1\t\r\n", true}, {"1\r\r\n", true}};
  for (const auto &c : cases)
    EXPECT_EQ(readText(folder, std::string("\r\nAnna\r\n12/05/1970\r\n") + c.line4).blinking,
              c.blinking)
        << "'" << c.line4 << "'";
}

TEST(ConfigRead, MissingLinesReadAsEmpty) {
  ScratchFolder folder;
  EXPECT_EQ(readText(folder, ""), (Configuration{"", "", true}));
  EXPECT_EQ(readText(folder, "\r\n"), (Configuration{"", "", true}));
  EXPECT_EQ(readText(folder, "\r\nAnna\r\n"), (Configuration{"Anna", "", true}));
  EXPECT_EQ(readText(folder, "\r\nAnna"), (Configuration{"Anna", "", true}));
  EXPECT_EQ(readText(folder, "\r\nAnna\r\n12/05/1970\r\n"),
            (Configuration{"Anna", "12/05/1970", true}));
}

TEST(ConfigRead, LineFeedsAloneEndLinesToo) {
  ScratchFolder folder;
  EXPECT_EQ(readText(folder, "\nAnna\n12/05/1970\n1\n"),
            (Configuration{"Anna", "12/05/1970", false}));
  EXPECT_EQ(readText(folder, "\r\nAnna\n12/05/1970\r\n1"),
            (Configuration{"Anna", "12/05/1970", false}));
  // Whatever follows the fourth line is not read.
  EXPECT_EQ(readText(folder, "\nAnna\n12/05/1970\n1\nmore\nlines\n"),
            (Configuration{"Anna", "12/05/1970", false}));
}

TEST(ConfigRead, Windows1252LinesKeepTheirAccents) {
  ScratchFolder folder;
  EXPECT_EQ(readText(folder, "\r\nRen\xe9"
                             "e\r\n12/05/1970\r\n0\r\n")
                .firstName,
            "Ren\xc3\xa9"
            "e");
  EXPECT_EQ(readText(folder, "\r\n\x8a"
                             "arka \x80\r\n12/05/1970\r\n0\r\n")
                .firstName,
            "\xc5\xa0"
            "arka \xe2\x82\xac");
  // Each line is judged on its own.
  EXPECT_EQ(readText(folder, "\xe9\xe9\r\nRen\xc3\xa9"
                             "e\r\n12/05/1970\r\n0\r\n")
                .firstName,
            "Ren\xc3\xa9"
            "e");
}

TEST(ConfigRead, LongLinesAreCutAndTheNextLineStillFound) {
  ScratchFolder folder;
  const Configuration c =
      readText(folder, "\r\n" + std::string(100000, 'a') + "\r\n12/05/1970\r\n1\r\n");
  EXPECT_EQ(c.firstName, std::string(core::kMaxLineBytes, 'a'));
  EXPECT_EQ(c.birthDate, "12/05/1970");
  EXPECT_FALSE(c.blinking);

  // A cut through a UTF-8 character drops the broken character; the line is
  // not taken for Windows-1252.
  std::string accents = "x";
  for (int i = 0; i < 3000; ++i)
    accents += "\xc3\xa9";
  const std::string name = readText(folder, "\r\n" + accents + "\r\n").firstName;
  EXPECT_EQ(name, accents.substr(0, core::kMaxLineBytes - 1));
  EXPECT_TRUE(core::isValidUtf8(name));
}

TEST(ConfigRead, HugeAndBinaryFilesLoadWithinBounds) {
  ScratchFolder folder;
  // A sparse file of 4 GiB of zero bytes: no line end anywhere.
  folder.write(kIni, "");
  ASSERT_EQ(::truncate(folder.path(kIni).c_str(), off_t{4} << 30), 0);
  EXPECT_EQ(core::readConfigFile(folder.path(kIni)), (Configuration{"", "", true}));

  // A first line of megabytes hides the rest: reading stops after kMaxScanBytes.
  EXPECT_EQ(readText(folder, std::string(2 * core::kMaxScanBytes, 'x') + "\nAnna\nb\n1\n"),
            (Configuration{"", "", true}));

  std::mt19937 random(2024);
  for (int round = 0; round < 20; ++round) {
    std::string junk(64 * 1024, '\0');
    for (char &c : junk)
      c = static_cast<char>(random());
    const Configuration c = readText(folder, junk);
    EXPECT_TRUE(core::isValidUtf8(c.firstName));
    EXPECT_TRUE(core::isValidUtf8(c.birthDate));
    EXPECT_LE(c.firstName.size(), 3 * core::kMaxLineBytes);
  }
}

TEST(ConfigExists, OnlySomethingOtherThanAFolderCounts) {
  ScratchFolder folder;
  EXPECT_FALSE(core::configFileExists(folder.path(kIni)));
  EXPECT_FALSE(core::configFileExists(folder.path("missing/" + kIni)));
  EXPECT_FALSE(core::configFileExists(""));
  folder.write(kIni, "");
  EXPECT_TRUE(core::configFileExists(folder.path(kIni)));
  EXPECT_FALSE(core::configFileExists(folder.path(kIni + "/" + kIni)));
  std::filesystem::create_directory(folder.path("dir"));
  EXPECT_FALSE(core::configFileExists(folder.path("dir")));
}

TEST(ConfigErrors, ReadingAMissingFileOrFolder) {
  ScratchFolder folder;
  folder.write("plain", "x");
  using Result = std::pair<std::string, int>;
  EXPECT_EQ(ioErrorOf([&] { core::readConfigFile(folder.path(kIni)); }),
            (Result{"File not found", ENOENT}));
  EXPECT_EQ(ioErrorOf([&] { core::readConfigFile(folder.path("missing/" + kIni)); }),
            (Result{"Invalid filename", ENOENT}));
  EXPECT_EQ(ioErrorOf([&] { core::readConfigFile(folder.path("plain/" + kIni)); }),
            (Result{"Invalid filename", ENOTDIR}));
  EXPECT_EQ(ioErrorOf([&] { core::readConfigFile(""); }).first, "Invalid filename");
}

TEST(ConfigErrors, AFolderInPlaceOfTheFile) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder.path(kIni));
  folder.write(kIni + "/inside", "keep me");
  using Result = std::pair<std::string, int>;
  EXPECT_EQ(ioErrorOf([&] { core::readConfigFile(folder.path(kIni)); }),
            (Result{"File access denied", EISDIR}));
  EXPECT_EQ(ioErrorOf([&] {
              core::writeConfigFile(folder.path(kIni), {"Anna", "1/1/2000", true});
            }),
            (Result{"File access denied", EISDIR}));
  EXPECT_EQ(folder.read(kIni + "/inside"), "keep me");
  EXPECT_EQ(folder.entries(), std::vector<std::string>{kIni}); // no temporary file left
}

TEST(ConfigErrors, SavingIntoAMissingFolderCreatesNothing) {
  ScratchFolder folder;
  const std::string path = folder.path("missing/" + kIni);
  using Result = std::pair<std::string, int>;
  EXPECT_EQ(ioErrorOf([&] {
              core::writeConfigFile(path, {"Anna", "12/05/1970", true});
            }),
            (Result{"Invalid filename", ENOENT}));
  EXPECT_TRUE(folder.entries().empty());
  folder.write("plain", "x");
  EXPECT_EQ(ioErrorOf([&] {
              core::writeConfigFile(folder.path("plain/" + kIni), {"Anna", "12/05/1970", true});
            }).first,
            "Invalid filename");
  EXPECT_EQ(ioErrorOf([&] { core::writeConfigFile("", {}); }).first, "Invalid filename");
}

TEST(ConfigErrors, SavingIntoAReadOnlyFolder) {
  if (!runningAsRoot()) {
    ScratchFolder folder;
    ::chmod(folder.path("").c_str(), 0555);
    EXPECT_EQ(ioErrorOf([&] {
                core::writeConfigFile(folder.path(kIni), {"A", "1/1/2000", true});
              }).first,
              "File access denied");
    EXPECT_TRUE(folder.entries().empty());
    return;
  }
  // Permission bits do not stop root. The kernel's sysfs refuses new files to
  // everyone, which makes it a folder root cannot write into.
  struct statfs fs {};
  constexpr long kSysfsMagic = 0x62656572;
  if (::statfs("/sys", &fs) != 0 || fs.f_type != kSysfsMagic)
    GTEST_SKIP() << "running as root and no sysfs at /sys: no folder root cannot write into";
  const std::string path = "/sys/" + kIni;
  EXPECT_EQ(ioErrorOf([&] {
              core::writeConfigFile(path, {"A", "1/1/2000", true});
            }).first,
            "File access denied");
  EXPECT_FALSE(core::configFileExists(path));
}

TEST(ConfigErrors, FilesWithoutRights) {
  if (runningAsRoot())
    GTEST_SKIP() << "running as root: permission bits on a file do not stop root";
  ScratchFolder folder;
  folder.write(kIni, "\r\nAnna\r\n12/05/1970\r\n0\r\n");
  ::chmod(folder.path(kIni).c_str(), 0444);
  EXPECT_EQ(ioErrorOf([&] {
              core::writeConfigFile(folder.path(kIni), {"B", "1/1/2000", true});
            }).first,
            "File access denied");
  EXPECT_EQ(folder.read(kIni), "\r\nAnna\r\n12/05/1970\r\n0\r\n");
  ::chmod(folder.path(kIni).c_str(), 0);
  EXPECT_EQ(ioErrorOf([&] { core::readConfigFile(folder.path(kIni)); }).first,
            "File access denied");
  // A folder that cannot be searched: the file counts as present, so that
  // reading it reports why it cannot be read.
  ::chmod(folder.path("").c_str(), 0);
  EXPECT_TRUE(core::configFileExists(folder.path(kIni)));
  EXPECT_EQ(ioErrorOf([&] { core::readConfigFile(folder.path(kIni)); }).first,
            "File access denied");
  ::chmod(folder.path("").c_str(), 0700);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{kIni});
}

TEST(ConfigErrors, TooManyOpenFiles) {
  ScratchFolder folder;
  const std::string old = "\r\nAnna\r\n12/05/1970\r\n0\r\n";
  folder.write(kIni, old);
  std::pair<std::string, int> reading, saving;
  {
    ScopedLimit noMoreFiles(RLIMIT_NOFILE, 3); // standard input, output and error only
    reading = ioErrorOf([&] { core::readConfigFile(folder.path(kIni)); });
    saving = ioErrorOf([&] { core::writeConfigFile(folder.path(kIni), {"B", "1/1/2000", true}); });
  }
  EXPECT_EQ(reading, (std::pair<std::string, int>{"Too many open files", EMFILE}));
  EXPECT_EQ(saving, (std::pair<std::string, int>{"Too many open files", EMFILE}));
  EXPECT_EQ(folder.read(kIni), old);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{kIni});
}

TEST(ConfigErrors, AWriteThatFailsHalfwayLeavesTheOldFile) {
  ScratchFolder folder;
  const std::string old = "\r\nAnna\r\n12/05/1970\r\n0\r\n";
  folder.write(kIni, old);
  std::pair<std::string, int> saving;
  {
    // Files may grow to 4 bytes only: the write stops with EFBIG.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ScopedLimit tinyFiles(RLIMIT_FSIZE, 4);
    saving = ioErrorOf([&] { core::writeConfigFile(folder.path(kIni), {"B", "1/1/2000", true}); });
    std::signal(SIGXFSZ, previous);
  }
  EXPECT_EQ(saving, (std::pair<std::string, int>{"I/O error " + std::to_string(EFBIG), EFBIG}));
  EXPECT_EQ(folder.read(kIni), old);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{kIni});
}

TEST(ConfigErrors, RuntimeTextsForSystemErrors) {
  const struct {
    int error;
    const char *text;
  } cases[] = {
      {ENOENT, "File not found"},
      {ENOTDIR, "Invalid filename"},
      {ENAMETOOLONG, "Invalid filename"},
      {EMFILE, "Too many open files"},
      {ENFILE, "Too many open files"},
      {EACCES, "File access denied"},
      {EPERM, "File access denied"},
      {EISDIR, "File access denied"},
      {EROFS, "File access denied"},
      {ENOSPC, "Disk full"},
      {EDQUOT, "Disk full"},
      {EIO, "I/O error 5"},
  };
  for (const auto &c : cases) {
    const core::EInOutError e = core::inOutError(c.error);
    EXPECT_STREQ(e.what(), c.text) << c.error;
    EXPECT_EQ(e.errorCode(), c.error);
  }
}
