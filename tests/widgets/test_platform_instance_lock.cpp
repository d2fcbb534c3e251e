// The single-instance lock across real processes. The other process is this test program
// again, running only the holder below (chosen by a gtest filter and given the lock file in
// its environment).

#include "platform/instance_lock.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

constexpr char kPathVar[] = "INSTANCE_LOCK_TEST_PATH";
constexpr char kChildVar[] = "INSTANCE_LOCK_TEST_CHILD"; // "sleep": leave a child holding on

// The holder: takes the lock, says so, and waits to be killed or told to go (stdin closes).
TEST(InstanceLockHolder, DISABLED_Hold) {
  const char *path = std::getenv(kPathVar);
  ASSERT_TRUE(path);
  platform::InstanceLock lock(platform::InstanceLock::AtPath{path});
  const bool held = lock.tryAcquire();
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
  std::string startHolder(QProcess &holder, bool withChild = false, pid_t *childPid = nullptr) {
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(kPathVar, path());
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

  QString path() const { return dir.filePath("Calvoro.lock"); }
  bool tryHere() {
    platform::InstanceLock lock(platform::InstanceLock::AtPath{path().toStdString()});
    return lock.tryAcquire();
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

TEST_F(InstanceLockTest, OneProcessHoldsItOnceAndAStaleFileIsNoObstacle) {
  {
    platform::InstanceLock lock(platform::InstanceLock::AtPath{path().toStdString()});
    EXPECT_TRUE(lock.tryAcquire());
    EXPECT_TRUE(lock.tryAcquire());
    EXPECT_TRUE(lock.held());
    EXPECT_FALSE(tryHere()); // another descriptor, even in this process
  }
  // The file is left behind; it carries no lock of its own.
  EXPECT_TRUE(QFile::exists(path()));
  EXPECT_TRUE(tryHere());
}

TEST_F(InstanceLockTest, UnopenableFileRefuses) {
  platform::InstanceLock lock(
      platform::InstanceLock::AtPath{dir.filePath("missing/folder/x.lock").toStdString()});
  EXPECT_FALSE(lock.tryAcquire());
  EXPECT_FALSE(lock.held());
}

TEST(InstanceLockPath, PerUserRuntimeFolderOrTheUsersConfigurationFolder) {
  QTemporaryDir dir;
  const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
  const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_RUNTIME_DIR", "/run/user/1234");
  EXPECT_EQ(platform::InstanceLock::defaultPath("Calvoro"), "/run/user/1234/Calvoro.lock");

  // Without a runtime folder: never in a folder others can write into, where another user
  // could make the file first.
  qunsetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
  const std::string folder = dir.filePath("config/Calvoro by KALDO Prototyping").toStdString();
  EXPECT_EQ(platform::InstanceLock::defaultPath("Calvoro"), folder + "/Calvoro.lock");
  {
    platform::InstanceLock lock;
    EXPECT_TRUE(lock.tryAcquire());
    platform::InstanceLock second;
    EXPECT_FALSE(second.tryAcquire());
  }
  struct stat st {};
  ASSERT_EQ(::stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0700u);

  qputenv("XDG_CONFIG_HOME", oldConfig);
  if (oldConfig.isNull())
    qunsetenv("XDG_CONFIG_HOME");
  if (!oldRuntime.isNull())
    qputenv("XDG_RUNTIME_DIR", oldRuntime);
}

TEST_F(InstanceLockTest, ALockFileOfAnotherUserIsRefused) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "only root can give a file to another user";
  QFile(path()).open(QIODevice::WriteOnly);
  ASSERT_EQ(::chown(path().toUtf8().constData(), 65534, 65534), 0);
  EXPECT_FALSE(tryHere());
  ASSERT_EQ(::chown(path().toUtf8().constData(), 0, 0), 0);
  EXPECT_TRUE(tryHere());
}

} // namespace
