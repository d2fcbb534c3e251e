#pragma once
// The About window. For now only the window and the timer that the tray
// commands and quitting reach; its picture and creature come with it later.
#include "controls/BorderlessForm.h"

#include <QTimer>

class TForm3 : public TBorderlessForm {
  Q_OBJECT
public:
  explicit TForm3(QWidget *parent = nullptr);
  QTimer *Timer1;
};

extern TForm3 *Form3;
