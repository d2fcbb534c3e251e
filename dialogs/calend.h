#pragma once
// The date chooser. For now only the window, created hidden; its month grid
// and fields come with it later.
#include "controls/BorderlessForm.h"

class Tcalend1 : public TBorderlessForm {
  Q_OBJECT
public:
  explicit Tcalend1(QWidget *parent = nullptr);
};

extern Tcalend1 *calend1;
