#include "app_fixture.h"

#include "app/main_window.h"
#include "core/date_text.h"
#include "resources/pictures.h"

#include <QFile>

namespace testing_support {

void AppFixture::SetUp() {
  ASSERT_TRUE(dir.isValid());
  env = std::make_unique<TestEnvironment>(core::Date{2024, 5, 12}, configPath());
  recreateWindows();
}

void AppFixture::recreateWindows() {
  windows.reset();
  windows = std::make_unique<Windows>(platform::env());
  windows->main().loadTimer->stop();
  windows->main().splashTimer->stop();
}

void AppFixture::TearDown() {
  windows.reset();
  env.reset();
}

std::string AppFixture::configPath() const {
  return dir.filePath(QStringLiteral("Calvoro.ini")).toStdString();
}

void AppFixture::writeConfig(const QByteArray &bytes) {
  QFile file(QString::fromStdString(configPath()));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray AppFixture::readConfig() const {
  QFile file(QString::fromStdString(configPath()));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool AppFixture::configExists() const {
  return QFile::exists(QString::fromStdString(configPath()));
}

QString pictureNameOf(const QIcon &icon) {
  const QImage shown = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
  for (const QString &name : pictures::names()) {
    const QImage picture = pictures::image(name);
    if (picture.size() == QSize(32, 32) && picture.convertToFormat(QImage::Format_ARGB32) == shown)
      return name;
  }
  return {};
}

QString birthDateDaysBefore(int days, core::Date today) {
  const core::Date birth = core::addDays(today, -days);
  return QString::fromStdString(core::formatDate(birth, "dd/mm/yyyy", core::RegionalDateFormat{}));
}

} // namespace testing_support
