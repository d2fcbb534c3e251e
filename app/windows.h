#pragma once
// The owner of the program's four windows and of the session they share, and
// the one place where the windows are connected to each other: the content
// window, the date chooser and the About window never include each other's
// headers, and the main window includes none of theirs. Only the main window
// is made at start: the others are made at their first need, since most
// sessions never open them.
#include "platform/environment.h"
#include "state/session.h"

#include <QObject>

#include <memory>

class MainWindow;
class ContentWindow;
class AboutWindow;
class DateChooser;
enum class Panel;
enum class PanelOpening;

class Windows : public QObject {
  Q_OBJECT
public:
  explicit Windows(platform::Environment &env);
  ~Windows() override;
  Windows(const Windows &) = delete;
  Windows &operator=(const Windows &) = delete;

  Session &session() { return session_; }

  // The main window, made with the owner; null once the quit has released the windows.
  MainWindow *mainIfMade() const { return main_.get(); }
  MainWindow &main() { return *main_; }
  // Each made by its first call; the ...IfMade forms never make one.
  ContentWindow &content();
  AboutWindow &about();
  DateChooser &chooser();
  ContentWindow *contentIfMade() const { return content_.get(); }
  AboutWindow *aboutIfMade() const { return about_.get(); }
  DateChooser *chooserIfMade() const { return chooser_.get(); }

  // for the tests and the wiring

  // Whether a tray command's opening of the content window waits for its hiding to refresh the
  // icons.
  bool refreshArmed() const { return refreshArmed_; }
  // The content window was hidden: the icons are refreshed once, if a tray command opened it and
  // it has not been shown again since.
  void refreshWhenContentHidden();
  void saveFromTray();

  // Releases every window; what the quit does once its handler has returned.
  void release();

private:
  void openPanel(Panel panel, PanelOpening opening);
  void openSetupForFirstRun();
  void openAbout();
  // For `target`: where its OK puts the date.
  void openChooser(DateTarget target);
  void hideAll();
  void quit();
  void putWindowsBackOnTop();

  platform::Environment &env_;
  Session session_;
  // Declared in the order they are released in reverse: the main window last.
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<ContentWindow> content_;
  std::unique_ptr<AboutWindow> about_;
  std::unique_ptr<DateChooser> chooser_;
  bool refreshArmed_ = false;
  DateTarget chooserTarget_ = DateTarget::BirthDate;
};
