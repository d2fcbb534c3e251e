#pragma once
// The About window: a framed picture with a credit and a contact line, and a
// little winged creature that flaps its wings and drifts down and right,
// coming back at a random place once it has left the picture.
#include "components/smooth_show.h"
#include "controls/bevel_panel.h"
#include "controls/borderless_window.h"
#include "controls/picture_view.h"
#include "controls/text_label.h"
#include "platform/environment.h"

#include <QPointer>
#include <QTimer>

class QMenu;

class AboutWindow : public BorderlessWindow {
  Q_OBJECT
public:
  explicit AboutWindow(const platform::Environment &env, QWidget *parent = nullptr);

  // The tray menu, the context menu of the "X" panels.
  void setTrayMenu(QMenu *menu);

  // Shows the window centred on the screen and sets the creature flying.
  void openCentred();
  // for the tests and the wiring
  // One wing beat and a drift; every 300 ms while the window is open.
  void moveCreature();
  QTimer *creatureTimer;
  PictureView *creatureWingsUp, *creatureWingsDown;
  BevelPanel *bottomRightCloseCorner;

protected:
  void onShowing() override;
  void onHidden() override;

private:
  // Any "X" panel: stops the creature and closes.
  void closeCornerClicked();

  PictureView *backgroundPicture;
  PictureView *topFrameBar, *bottomFrameBar, *leftFrameBar, *rightFrameBar;
  TextLabel *creditLabel, *contactLabel;
  BevelPanel *topLeftCloseCorner, *topRightCloseCorner, *bottomLeftCloseCorner;
  SmoothShow *showAnimation;
  QPointer<QMenu> trayMenu_;
  const platform::Environment &env_;

  int random(int n) const { return env_.random(n); }
};
