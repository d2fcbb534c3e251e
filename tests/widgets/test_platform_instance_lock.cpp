// The single-instance lock across real processes. The other process is this test program
// again, running only the holder below (chosen by a gtest filter and given the lock's name in
// its environment). Each test uses a name of its own, so that test runs side by side and a
// running Calvoro do not meet.

#include "platform/instance_lock.h"
#include "platform/socket_holder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr char kNameVar[] = "INSTANCE_LOCK_TEST_NAME";
constexpr char kChildVar[] = "INSTANCE_LOCK_TEST_CHILD"; // "sleep": leave a child holding on
constexpr char kFolderVar[] = "INSTANCE_LOCK_TEST_FOLDER";

// The holder: takes the lock, says so, and waits to be killed or told to go (stdin closes).
TEST(InstanceLockHolder, DISABLED_Hold) {
  const char *name = std::getenv(kNameVar);
  ASSERT_TRUE(name);
  const char *folder = std::getenv(kFolderVar);
  platform::InstanceLock lock(name, folder ? folder : "");
  const bool held = lock.tryAcquire() == platform::InstanceLock::Result::held;
  const char *child = std::getenv(kChildVar);
  if (child && std::string(child) == "sleep") {
    // A child that would keep an inherited descriptor open. posix_spawn returns once the child
    // runs the new program, so no copy of the descriptor is left from before exec.
    pid_t pid = 0;
    char *argv[] = {const_cast<char *>("sleep"), const_cast<char *>("30"), nullptr};
    posix_spawnp(&pid, "sleep", nullptr, nullptr, argv, environ);
    std::printf("child: %d\n", static_cast<int>(pid));
  }
  std::printf("lock: %s\n", held ? "held" : "refused");
  std::fflush(stdout);
  char buffer[16];
  while (::read(0, buffer, sizeof buffer) > 0) {
  }
}

class InstanceLockTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  // Starts a holder and returns what it said.
  std::string startHolder(QProcess &holder, bool withChild = false, pid_t *childPid = nullptr,
                          QProcessEnvironment e = QProcessEnvironment::systemEnvironment()) {
    if (!e.contains(kNameVar))
      e.insert(kNameVar, QString::fromStdString(name()));
    if (withChild)
      e.insert(kChildVar, "sleep");
    holder.setProcessEnvironment(e);
    holder.setProcessChannelMode(QProcess::SeparateChannels);
    holder.start(
        QCoreApplication::applicationFilePath(),
        {"--gtest_filter=InstanceLockHolder.DISABLED_Hold", "--gtest_also_run_disabled_tests"});
    if (!holder.waitForStarted(10000))
      return "not started";
    for (;;) {
      while (!holder.canReadLine())
        if (!holder.waitForReadyRead(10000))
          return "silent";
      const QByteArray line = holder.readLine().trimmed();
      if (line.startsWith("child: ") && childPid)
        *childPid = line.mid(7).toInt();
      if (line.startsWith("lock: "))
        return line.mid(6).toStdString();
    }
  }

  std::string name() const {
    return "CalvoroTest-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
  }
  bool tryHere() {
    platform::InstanceLock lock(name());
    return lock.tryAcquire() == platform::InstanceLock::Result::held;
  }
  // A killed process's threads may still be going down when its parent hears of its end; the
  // lock goes with the last of them.
  bool freeSoon() {
    for (int i = 0; i < 200; ++i) {
      if (tryHere())
        return true;
      ::usleep(10000);
    }
    return false;
  }

  QTemporaryDir dir;
};

TEST_F(InstanceLockTest, SecondProcessIsRefusedUntilTheFirstIsKilled) {
  QProcess holder;
  ASSERT_EQ(startHolder(holder), "held");
  EXPECT_FALSE(tryHere());

  QProcess second;
  EXPECT_EQ(startHolder(second), "refused");
  second.closeWriteChannel();
  second.waitForFinished(10000);

  holder.kill(); // SIGKILL: no chance to clean up
  ASSERT_TRUE(holder.waitForFinished(10000));
  EXPECT_TRUE(freeSoon());
}

TEST_F(InstanceLockTest, ReleasedWhenTheHolderEndsNormally) {
  QProcess holder;
  ASSERT_EQ(startHolder(holder), "held");
  EXPECT_FALSE(tryHere());
  holder.closeWriteChannel();
  ASSERT_TRUE(holder.waitForFinished(10000));
  EXPECT_TRUE(freeSoon());
}

TEST_F(InstanceLockTest, ChildProcessesOfTheHolderDoNotKeepIt) {
  QProcess holder;
  pid_t child = 0;
  struct KillChild {
    pid_t &pid;
    ~KillChild() {
      if (pid > 0)
        ::kill(pid, SIGKILL);
    }
  } killChild{child};
  ASSERT_EQ(startHolder(holder, true, &child), "held");
  ASSERT_GT(child, 0);
  holder.kill();
  ASSERT_TRUE(holder.waitForFinished(10000));
  EXPECT_EQ(::kill(child, 0), 0); // the holder's child still runs
  EXPECT_TRUE(freeSoon());
}

TEST_F(InstanceLockTest, OneProcessHoldsItOnceAndNothingIsLeftBehind) {
  {
    platform::InstanceLock lock(name());
    EXPECT_EQ(lock.tryAcquire(), platform::InstanceLock::Result::held);
    EXPECT_EQ(lock.tryAcquire(), platform::InstanceLock::Result::held);
    EXPECT_TRUE(lock.held());
    platform::InstanceLock again(name()); // another socket, even in this process
    EXPECT_EQ(again.tryAcquire(), platform::InstanceLock::Result::anotherCopy);
  }
  EXPECT_TRUE(tryHere());
}

// The abstract name of a lock, as bind() takes it.
struct LockAddress {
  sockaddr_un address{};
  socklen_t length = 0;
  explicit LockAddress(const platform::InstanceLock &lock) {
    const std::string text = lock.address().substr(1);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, text.data(), text.size());
    length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + text.size());
  }
  // Takes the name without answering; the descriptor, or -1.
  int squat() const {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), length) != 0) {
      ::close(fd);
      return -1;
    }
    return fd;
  }
};

// Who holds the name without answering, or is another user, is not another copy of ours:
// the lock falls back to a file in the user's own folder, and a copy that gets the name later
// still gives way to the copy on the fallback. Without a usable folder the refusal says why.
TEST_F(InstanceLockTest, ANameTakenByAStrangerFallsBackToTheUsersOwnFile) {
  const std::string folder = dir.filePath("config").toStdString();
  platform::InstanceLock first(name(), folder);
  const int squatter = LockAddress(first).squat();
  ASSERT_GE(squatter, 0);
  ASSERT_EQ(first.tryAcquire(), platform::InstanceLock::Result::held) << first.failure();
  EXPECT_TRUE(first.holdsFile());
  EXPECT_FALSE(first.holdsSocket());
  struct stat st {};
  ASSERT_EQ(::stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  platform::InstanceLock second(name(), folder);
  EXPECT_EQ(second.tryAcquire(), platform::InstanceLock::Result::anotherCopy);
  ::close(squatter);
  platform::InstanceLock third(name(), folder);
  EXPECT_EQ(third.tryAcquire(), platform::InstanceLock::Result::anotherCopy);

  // No folder can be made under a file: the message names the socket and the folder.
  QFile file(dir.filePath("file"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  platform::InstanceLock nowhere(name() + "-nowhere", dir.filePath("file/sub").toStdString());
  const int squatter2 = LockAddress(nowhere).squat();
  ASSERT_GE(squatter2, 0);
  EXPECT_EQ(nowhere.tryAcquire(), platform::InstanceLock::Result::failed);
  EXPECT_NE(nowhere.failure().find(nowhere.address() + ", is held by process " +
                                   std::to_string(::getpid()) + " (" + platform::ownCommand() +
                                   ") of user ID " + std::to_string(::geteuid()) +
                                   ", which does not answer; and the folder " +
                                   dir.filePath("file/sub").toStdString() + " cannot be made"),
            std::string::npos)
      << nowhere.failure();
  ::close(squatter2);
}

TEST_F(InstanceLockTest, ANameTakenByAnotherUserFallsBackToTheUsersOwnFile) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "only root can be another user";
  platform::InstanceLock lock(name(), dir.filePath("config").toStdString());
  const LockAddress address(lock);
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t other = ::fork();
  if (other == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0)
      ::_exit(1);
    const int fd = address.squat();
    if (fd < 0 || ::listen(fd, 4) != 0)
      ::_exit(1);
    (void)!::write(ready[1], "x", 1);
    ::pause();
  }
  ::close(ready[1]);
  char c = 0;
  ASSERT_EQ(::read(ready[0], &c, 1), 1);
  ::close(ready[0]);
  EXPECT_EQ(lock.tryAcquire(), platform::InstanceLock::Result::held) << lock.failure();
  EXPECT_TRUE(lock.holdsFile());
  EXPECT_FALSE(lock.holdsSocket());
  ::kill(other, SIGKILL);
  ::waitpid(other, nullptr, 0);
}

// Whatever state the holder is in and whatever became of its file, a second copy is refused: a
// stopped holder whose queue is full; with the name taken by a stranger, the file or its folder
// deleted, or the configuration folder elsewhere.
TEST_F(InstanceLockTest, AHolderInAnyStateIsStillAHolder) {
  enum class Harm { stoppedWithFullQueue, fileDeleted, folderDeleted, otherConfigFolder };
  const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
  for (const Harm harm : {Harm::stoppedWithFullQueue, Harm::fileDeleted, Harm::folderDeleted,
                          Harm::otherConfigFolder}) {
    const std::string lockName = name() + "-" + std::to_string(static_cast<int>(harm));
    SCOPED_TRACE(lockName);
    const QString folder = harm == Harm::otherConfigFolder
                               ? QString()
                               : dir.filePath(QString::fromStdString(lockName));
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(kNameVar, QString::fromStdString(lockName));
    if (!folder.isEmpty())
      e.insert(kFolderVar, folder);
    e.insert("XDG_CONFIG_HOME", dir.filePath("config-a"));
    platform::InstanceLock second(lockName, folder.toStdString());
    const int squatter = harm == Harm::stoppedWithFullQueue ? -1 : LockAddress(second).squat();
    QProcess holder;
    ASSERT_EQ(startHolder(holder, false, nullptr, e), "held");
    std::vector<int> waiting;
    switch (harm) {
    case Harm::stoppedWithFullQueue:
      ::kill(static_cast<pid_t>(holder.processId()), SIGSTOP);
      for (int fd; (fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0)) >= 0;) {
        waiting.push_back(fd);
        const LockAddress a(second);
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&a.address), a.length) != 0)
          break;
      }
      break;
    case Harm::fileDeleted:
      ASSERT_TRUE(QFile::remove(QString::fromStdString(second.filePath())));
      break;
    case Harm::folderDeleted:
      ASSERT_TRUE(QDir(folder).removeRecursively());
      break;
    case Harm::otherConfigFolder:
      qputenv("XDG_CONFIG_HOME", dir.filePath("config-b").toUtf8());
      break;
    }
    EXPECT_EQ(second.tryAcquire(), platform::InstanceLock::Result::anotherCopy) << second.failure();
    for (const int fd : waiting)
      ::close(fd);
    if (squatter >= 0)
      ::close(squatter);
    ::kill(static_cast<pid_t>(holder.processId()), SIGKILL);
    ::kill(static_cast<pid_t>(holder.processId()), SIGCONT);
    holder.waitForFinished(10000);
  }
  if (oldConfig.isNull())
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

// The lock is the same whatever the runtime folder says, and leaves no file to delete.
TEST_F(InstanceLockTest, TheSameLockWhateverTheRuntimeFolder) {
  QProcessEnvironment without = QProcessEnvironment::systemEnvironment();
  without.remove("XDG_RUNTIME_DIR");
  QProcess holder;
  ASSERT_EQ(startHolder(holder, false, nullptr, without), "held");

  const QString link = dir.filePath("link");
  ASSERT_TRUE(QFile::link(dir.path(), link));
  const QByteArray old = qgetenv("XDG_RUNTIME_DIR");
  for (const QString &runtime : {dir.filePath("missing"), QStringLiteral("/"), link, dir.path()}) {
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    EXPECT_FALSE(tryHere()) << runtime.toStdString();
  }
  holder.kill();
  ASSERT_TRUE(holder.waitForFinished(10000));
  EXPECT_TRUE(freeSoon());

  // Held here with a runtime folder; a start without one is refused.
  platform::InstanceLock lock(name());
  ASSERT_EQ(lock.tryAcquire(), platform::InstanceLock::Result::held);
  QProcess second;
  EXPECT_EQ(startHolder(second, false, nullptr, without), "refused");
  second.closeWriteChannel();
  second.waitForFinished(10000);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            QStringList{"link"});
  if (old.isNull())
    qunsetenv("XDG_RUNTIME_DIR");
  else
    qputenv("XDG_RUNTIME_DIR", old);
}

} // namespace
