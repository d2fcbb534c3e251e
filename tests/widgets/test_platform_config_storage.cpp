// The configuration file on the disk: atomic saves, links, folders that take no new files,
// leftovers of killed saves, limits, and the user's own folder.

#include "core/config_file.h"
#include "core/errors.h"
#include "platform/config_storage.h"
#include "platform/environment.h"
#include "platform/user_folders.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <optional>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using core::Configuration;

namespace {

const std::string kIni = "Calvoro.ini";
const std::string kOld = "\r\nAnna\r\n12/05/1970\r\n0\r\n";
const Configuration kNew{"B", "1/1/2000", true};
const std::string kNewText = "\r\nB\r\n1/1/2000\r\n0\r\n";
constexpr uid_t kNobody = 65534;
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

std::string errorOf(const std::function<void()> &call) {
  try {
    call();
  } catch (const core::EInOutError &e) {
    return e.what();
  }
  return "no error";
}

void save(const std::string &path, const Configuration &config = kNew) {
  core::writeConfigFile(platform::systemConfigStorage(), path, config);
}

bool runningAsRoot() {
  return ::geteuid() == 0;
}

// Runs `body` in a child process and returns what it returned, or how the child ended. With
// `unprivileged`, root runs it as "nobody" on a folder given to nobody, so that permission
// bits count.
std::string inChild(const ScratchFolder &folder, bool unprivileged,
                    const std::function<std::string()> &body) {
  if (unprivileged && runningAsRoot())
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder.path("")))
      (void)!::lchown(entry.path().c_str(), kNobody, kNobody);
  if (unprivileged && runningAsRoot())
    (void)!::chown(folder.path("").c_str(), kNobody, kNobody);
  int pipe[2];
  if (::pipe(pipe) != 0)
    return "no pipe";
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(pipe[0]);
    if (unprivileged && runningAsRoot() &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
      ::_exit(2);
    const std::string result = body();
    (void)!::write(pipe[1], result.data(), result.size());
    ::_exit(0);
  }
  ::close(pipe[1]);
  std::string result;
  char buffer[256];
  for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
    result.append(buffer, static_cast<size_t>(n));
  ::close(pipe[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFSIGNALED(status))
    return "killed by signal " + std::to_string(WTERMSIG(status));
  return WEXITSTATUS(status) == 0 ? result : "child failed";
}

// A process ID that no process has: a child that has ended and been waited for.
pid_t endedProcess() {
  const pid_t pid = ::fork();
  if (pid == 0)
    ::_exit(0);
  ::waitpid(pid, nullptr, 0);
  return pid;
}

class ScopedVariable {
public:
  ScopedVariable(const char *name, const std::string &value) : name_(name) {
    if (const char *old = std::getenv(name))
      old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedVariable() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }

private:
  const char *name_;
  std::optional<std::string> old_;
};

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

class ConfigStorage : public ::testing::Test {
protected:
  ScratchFolder folder;
};

} // namespace

TEST_F(ConfigStorage, SavingTwiceGivesTheSameFileAndKeepsItsPermissions) {
  folder.write(kIni, "old");
  ::chmod(folder.path(kIni).c_str(), 0640);
  save(folder.path(kIni));
  save(folder.path(kIni));
  EXPECT_EQ(folder.read(kIni), kNewText);
  EXPECT_EQ(core::readConfigFile(platform::systemConfigStorage(), folder.path(kIni)), kNew);
  struct stat st {};
  ASSERT_EQ(::stat(folder.path(kIni).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{kIni});
}

TEST_F(ConfigStorage, ASymbolicLinkStaysALinkAndItsTargetIsSaved) {
  std::filesystem::create_directory(folder.path("real"));
  std::filesystem::create_directory(folder.path("link"));
  folder.write("real/" + kIni, kOld);
  std::filesystem::create_symlink("../real/" + kIni, folder.path("link/" + kIni));
  // A link to a file not made yet: the save makes it.
  std::filesystem::create_symlink(folder.path("real/new.ini"), folder.path("link/new.ini"));

  save(folder.path("link/" + kIni));
  save(folder.path("link/new.ini"));
  for (const std::string &name : {kIni, std::string("new.ini")}) {
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path("link/" + name))) << name;
    EXPECT_EQ(folder.read("real/" + name), kNewText) << name;
  }
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"link", "real"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path("real")), {}), 2);
}

TEST_F(ConfigStorage, AWritableFileInAFolderThatTakesNoNewFilesIsRewrittenInPlace) {
  folder.write(kIni, kOld + std::string(100, 'x'));
  ::chmod(folder.path(kIni).c_str(), 0644);
  const std::string result = inChild(folder, true, [&] {
    ::chmod(folder.path("").c_str(), 0555);
    const std::string error = errorOf([&] { save(folder.path(kIni)); });
    const std::string missing = errorOf([&] { save(folder.path("other.ini")); });
    return error + " | " + missing;
  });
  EXPECT_EQ(result, "no error | File access denied");
  ::chmod(folder.path("").c_str(), 0700);
  EXPECT_EQ(folder.read(kIni), kNewText);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{kIni});
}

namespace {

// A tmpfs of a few pages, mounted for one test.
class SmallDisk {
public:
  SmallDisk(const std::string &where, const std::string &size) : where_(where) {
    std::filesystem::create_directory(where);
    mounted_ = ::mount("tmpfs", where.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
  }
  ~SmallDisk() {
    if (mounted_)
      ::umount2(where_.c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  // Takes every free byte.
  void fill() const {
    FILE *f = std::fopen((where_ + "/filler").c_str(), "wb");
    const std::string block(4096, 'f');
    while (f && std::fwrite(block.data(), 1, block.size(), f) == block.size() &&
           std::fflush(f) == 0) {
    }
    if (f)
      std::fclose(f);
  }

private:
  std::string where_;
  bool mounted_ = false;
};

} // namespace

// A rewrite in place that cannot finish leaves the old bytes, says why, and the next read
// gives the old settings.
TEST_F(ConfigStorage, AFailedRewriteInPlaceLeavesTheOldFile) {
  const Configuration longer{"Bartholomew", "12/05/1970", true};
  folder.write(kIni, kOld);
  const std::string limited = inChild(folder, true, [&] {
    ::chmod(folder.path("").c_str(), 0555);
    ScopedLimit smallFiles(RLIMIT_FSIZE, kOld.size() + 1);
    return errorOf([&] { save(folder.path(kIni), longer); });
  });
  EXPECT_EQ(limited, "I/O error " + std::to_string(EFBIG));
  ::chmod(folder.path("").c_str(), 0700);
  EXPECT_EQ(folder.read(kIni), kOld);

  if (!runningAsRoot())
    GTEST_SKIP() << "only root can mount a small file system";
  SmallDisk disk(folder.path("disk"), "64k");
  ASSERT_TRUE(disk.mounted());
  // More than the one page the old file has.
  std::string accents;
  for (int i = 0; i < 3000; ++i)
    accents += "\xc3\xa9";
  const Configuration huge{accents, "12/05/1970", true};
  folder.write("disk/" + kIni, kOld);
  disk.fill();
  ::chmod(folder.path("disk").c_str(), 0555);
  const std::string full = inChild(folder, true, [&] {
    return errorOf([&] { save(folder.path("disk/" + kIni), huge); }) + " | " +
           core::readConfigFile(platform::systemConfigStorage(), folder.path("disk/" + kIni))
               .firstName;
  });
  EXPECT_EQ(full, "Disk full | Anna");
  EXPECT_TRUE(folder.read("disk/" + kIni) == kOld); // not the 6 kB of a failure
}

TEST_F(ConfigStorage, AnotherUsersWritableFileInAStickyFolderIsRewrittenInPlace) {
  if (!runningAsRoot())
    GTEST_SKIP() << "only root can give the file to another user";
  folder.write(kIni, kOld);
  ::chmod(folder.path(kIni).c_str(), 0666);
  ::chmod(folder.path("").c_str(), 01777);
  // Root keeps the file; nobody saves.
  EXPECT_EQ(inChild(folder, false,
                    [&] {
                      if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 ||
                          ::setuid(kNobody) != 0)
                        return std::string("no user change");
                      return errorOf([&] { save(folder.path(kIni)); });
                    }),
            "no error");
  EXPECT_EQ(folder.read(kIni), kNewText);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{kIni});
}

TEST_F(ConfigStorage, TemporaryFilesOfEndedSavesGoAtTheNextSave) {
  const std::string dead = std::to_string(endedProcess());
  const std::string live = std::to_string(::getppid());
  const std::string going = "." + kIni + "." + live + "-0-1.tmp"; // a save going on now
  const std::vector<std::string> kept = {going, "." + kIni + "." + dead + "-x.tmp",
                                         ".Other.ini." + dead + "-0-1.tmp", "." + kIni + ".tmp"};
  for (const std::string &name : kept)
    folder.write(name, "x");
  const int going_fd = ::open(folder.path(going).c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(::flock(going_fd, LOCK_EX), 0);
  folder.write("." + kIni + "." + dead + "-3-123456.tmp", "x");
  // A killed save's process number may be in use again by the time of the next save.
  folder.write("." + kIni + "." + live + "-7-654321.tmp", "x");
  save(folder.path(kIni));
  ::close(going_fd);
  std::vector<std::string> expected = kept;
  expected.push_back(kIni);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(folder.entries(), expected);
}

TEST_F(ConfigStorage, AFileSizeLimitFailsTheSaveWithItsErrorAndTheProgramLivesOn) {
  folder.write(kIni, kOld);
  // The limit is set in a child so that it cannot hurt this test program.
  const std::string result = inChild(folder, false, [&] {
    ScopedLimit tinyFiles(RLIMIT_FSIZE, 10);
    return errorOf([&] { save(folder.path(kIni)); });
  });
  EXPECT_EQ(result, "I/O error " + std::to_string(EFBIG));
  EXPECT_EQ(folder.read(kIni), kOld);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{kIni});
}

TEST_F(ConfigStorage, TheUsersOwnFolderIsMadeAtTheFirstSave) {
  ScopedVariable home("HOME", folder.path("home"));
  ScopedVariable config("XDG_CONFIG_HOME", "");
  const std::string path = folder.path("home/.config/Calvoro by KALDO Prototyping/Calvoro.ini");
  EXPECT_EQ(platform::configFilePath(), path);
  for (const char *relative : {"HOME", "XDG_CONFIG_HOME"}) { // ignored: not absolute
    ScopedVariable ignored(relative, "here");
    EXPECT_EQ(platform::configFilePath().front(), '/') << relative;
  }
  std::filesystem::create_directory(folder.path("home"));
  EXPECT_FALSE(core::configFileExists(platform::systemConfigStorage(), path));
  save(path);
  EXPECT_EQ(core::readConfigFile(platform::systemConfigStorage(), path), kNew);
  for (const char *sub : {"home/.config", "home/.config/Calvoro by KALDO Prototyping"}) {
    struct stat st {};
    ASSERT_EQ(::stat(folder.path(sub).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u) << sub;
  }

  // A file where the folder belongs.
  ScopedVariable elsewhere("XDG_CONFIG_HOME", folder.path("cfg"));
  folder.write("cfg", "x");
  EXPECT_EQ(platform::configFilePath(),
            folder.path("cfg/Calvoro by KALDO Prototyping/Calvoro.ini"));
  EXPECT_EQ(errorOf([&] { save(platform::configFilePath()); }), "Invalid filename");
  EXPECT_EQ(folder.read("cfg"), "x");
}

// A folder in the file's place counts too: reading it says what it is.
TEST_F(ConfigStorage, WhateverIsAtThePathCountsAsTheFile) {
  EXPECT_FALSE(core::configFileExists(platform::systemConfigStorage(), folder.path(kIni)));
  EXPECT_FALSE(
      core::configFileExists(platform::systemConfigStorage(), folder.path("missing/" + kIni)));
  EXPECT_FALSE(core::configFileExists(platform::systemConfigStorage(), ""));
  folder.write(kIni, "");
  EXPECT_TRUE(core::configFileExists(platform::systemConfigStorage(), folder.path(kIni)));
  EXPECT_FALSE(
      core::configFileExists(platform::systemConfigStorage(), folder.path(kIni + "/" + kIni)));
  std::filesystem::create_directory(folder.path("dir"));
  EXPECT_TRUE(core::configFileExists(platform::systemConfigStorage(), folder.path("dir")));
}

TEST_F(ConfigStorage, AHugeFileIsReadOnlyAsFarAsNeeded) {
  // A sparse file of 4 GiB of zero bytes: no line end anywhere.
  folder.write(kIni, "");
  ASSERT_EQ(::truncate(folder.path(kIni).c_str(), off_t{4} << 30), 0);
  EXPECT_EQ(core::readConfigFile(platform::systemConfigStorage(), folder.path(kIni)),
            (Configuration{"", "", true}));
}

TEST_F(ConfigStorage, MissingFilesAndFolders) {
  folder.write("plain", "x");
  const std::string inPlain = folder.path("plain/" + kIni);
  const std::string inMissing = folder.path("missing/" + kIni);
  EXPECT_EQ(
      errorOf([&] { core::readConfigFile(platform::systemConfigStorage(), folder.path(kIni)); }),
      "File not found");
  EXPECT_EQ(errorOf([&] { core::readConfigFile(platform::systemConfigStorage(), inMissing); }),
            "Invalid filename");
  EXPECT_EQ(errorOf([&] { core::readConfigFile(platform::systemConfigStorage(), inPlain); }),
            "Invalid filename");
  EXPECT_EQ(errorOf([&] { core::readConfigFile(platform::systemConfigStorage(), ""); }),
            "Invalid filename");
  EXPECT_EQ(errorOf([&] { save(inMissing); }), "Invalid filename");
  EXPECT_EQ(errorOf([&] { save(inPlain); }), "Invalid filename");
  EXPECT_EQ(errorOf([&] { save(""); }), "Invalid filename");
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"plain"});
}

TEST_F(ConfigStorage, AFolderInPlaceOfTheFile) {
  std::filesystem::create_directory(folder.path(kIni));
  folder.write(kIni + "/inside", "keep me");
  EXPECT_EQ(
      errorOf([&] { core::readConfigFile(platform::systemConfigStorage(), folder.path(kIni)); }),
      "File access denied");
  EXPECT_EQ(errorOf([&] { save(folder.path(kIni)); }), "File access denied");
  EXPECT_EQ(folder.read(kIni + "/inside"), "keep me");
  EXPECT_EQ(folder.entries(), std::vector<std::string>{kIni});
}

// A link to a device: the save reads nothing from it and writes nothing, also where the folder
// takes no new files and the file would be rewritten in place. Under a memory limit, so that a
// save reading the device fails the test, not the machine.
TEST_F(ConfigStorage, ALinkToADeviceIsRefusedUnread) {
  for (const char *device : {"/dev/zero", "/dev/urandom"}) {
    std::filesystem::remove(folder.path(kIni));
    std::filesystem::create_symlink(device, folder.path(kIni));
    const std::string result = inChild(folder, true, [&] {
      ::chmod(folder.path("").c_str(), 0555);
      // The sanitizer's shadow memory needs more address space.
      ScopedLimit memory(RLIMIT_AS, kAddressSanitizer ? RLIM_INFINITY : rlim_t{1} << 30);
      return errorOf([&] { save(folder.path(kIni)); });
    });
    ::chmod(folder.path("").c_str(), 0700);
    EXPECT_EQ(result, "File access denied") << device;
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path(kIni)));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{kIni});
  }
}

TEST_F(ConfigStorage, FilesAndFoldersWithoutRights) {
  folder.write(kIni, kOld);
  ::chmod(folder.path(kIni).c_str(), 0444);
  const std::string result = inChild(folder, true, [&] {
    std::string out = errorOf([&] { save(folder.path(kIni)); });
    ::chmod(folder.path(kIni).c_str(), 0);
    out += " | " + errorOf([&] {
             core::readConfigFile(platform::systemConfigStorage(), folder.path(kIni));
           });
    // A folder that cannot be searched: the file counts as present, so that reading it
    // reports why it cannot be read.
    ::chmod(folder.path("").c_str(), 0);
    out += core::configFileExists(platform::systemConfigStorage(), folder.path(kIni))
               ? " | present | "
               : " | absent | ";
    out +=
        errorOf([&] { core::readConfigFile(platform::systemConfigStorage(), folder.path(kIni)); });
    ::chmod(folder.path("").c_str(), 0700);
    return out;
  });
  EXPECT_EQ(result, "File access denied | File access denied | present | File access denied");
  ::chmod(folder.path(kIni).c_str(), 0600);
  EXPECT_EQ(folder.read(kIni), kOld);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{kIni});
}

TEST_F(ConfigStorage, TooManyOpenFiles) {
  folder.write(kIni, kOld);
  const std::string result = inChild(folder, false, [&] {
    // The same failing calls once before the limit: the sanitizer's type checks need a
    // descriptor the first time they meet a type (the storage, the error).
    const std::string nowhere = folder.path("missing/Calvoro.ini");
    errorOf([&] { core::readConfigFile(platform::systemConfigStorage(), nowhere); });
    errorOf([&] { save(nowhere); });
    ScopedLimit noMoreFiles(RLIMIT_NOFILE, 0); // no new descriptor at all
    return errorOf(
               [&] { core::readConfigFile(platform::systemConfigStorage(), folder.path(kIni)); }) +
           " | " + errorOf([&] { save(folder.path(kIni)); });
  });
  EXPECT_EQ(result, "Too many open files | Too many open files");
  EXPECT_EQ(folder.read(kIni), kOld);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{kIni});
}

namespace {

std::string readAll(const std::string &path) {
  std::string text;
  if (FILE *f = std::fopen(path.c_str(), "rb")) {
    char buffer[256];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
      text.append(buffer, n);
    std::fclose(f);
  }
  return text;
}

} // namespace

// A save killed at any moment leaves the old four lines or the new ones, never
// a part or nothing; the next save leaves no temporary file behind.
TEST_F(ConfigStorage, SavesKilledAtRandomMomentsLeaveTheOldOrTheNewFile) {
  const std::string path = folder.path(kIni);
  const Configuration a{"Anna", "12/05/1970", false};
  const Configuration b{"Bartholomew", "31/12/1999", true};
  const std::string textA = core::configFileText(a), textB = core::configFileText(b);
  save(path, a);
  unsigned seed = 12345;
  int killedDuringWork = 0;
  for (int round = 0; round < 300; ++round) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      for (int i = 0;; ++i)
        core::writeConfigFile(platform::systemConfigStorage(), path, i % 2 ? a : b);
    }
    seed = seed * 1103515245u + 12345u;
    ::usleep(200 + (seed >> 16) % 3000);
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    killedDuringWork += WIFSIGNALED(status);
    const std::string text = readAll(path);
    ASSERT_TRUE(text == textA || text == textB) << "round " << round << ": '" << text << "'";
  }
  EXPECT_EQ(killedDuringWork, 300);
  save(path, a);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{kIni});
  EXPECT_EQ(readAll(path), textA);
}
