#pragma once
// The content window: a small framed card showing one of five panels (power,
// setup, what, help, details); the 30-day chart mode joins it later.
#include "components/SmoothShow.h"
#include "controls/BitBtn.h"
#include "controls/BorderlessForm.h"
#include "controls/Gauge.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/MaskDateEdit.h"
#include "controls/Memo.h"
#include "controls/Panel.h"
#include "core/date.h"

#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <optional>

class QAction;
class QMenu;

class TForm2 : public TBorderlessForm {
  Q_OBJECT
public:
  static constexpr int kPanelWidth = 385;
  static constexpr int kPanelHeight = 248;

  explicit TForm2(QWidget *parent = nullptr);

  // The tray menu, used as the context menu of the window and its fields, and
  // its "Blinking Icons" item, whose check the setup's OK saves.
  void setTrayMenu(QMenu *menu, QAction *blinkItem);

  // Outer size (the window has no border) and the corner rule.
  void setOuterSize(int width, int height);
  void placeCornerPanels();
  // Shows `panel` and hides the other four, in the order help, what, setup,
  // details, power.
  void showOnlyPanel(TPanel *panel);
  TPanel *visiblePanel() const;

  // The gauges and the greeting for today's levels.
  void ShowTodayPower();

  void FormCreate();
  void Panel2Click();
  void BitBtn1Click();

  // Frame.
  TImage *Image7, *Image8, *Image9, *Image10;
  TPanel *Panel2, *Panel4, *Panel32, *Panel1;
  TSmoothShow *SmoothShow1;
  QTimer *Timer2;

  // Content panels.
  TPanel *power, *setup, *what, *help, *details;

  // power
  TImage *Image1;
  TLabel *Label9, *Label7, *Label1, *Label8, *Label2, *Label54, *Label3;
  TGauge *NeatoMeter1, *NeatoMeter2, *NeatoMeter3;

  // what
  TMemo *Memo2;

  // help
  TLabel *Label10;
  TImage *Image3, *Image4, *Image5;
  TLabel *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18, *Label59,
      *Label19;

  // setup
  TImage *Image2;
  TLabel *Label53, *Label4, *Label52, *Label5;
  QLineEdit *Edit1;
  TMaskDateEdit *MaskEdit1;
  TBitBtn *BitBtn10, *bitbtn1;

  // details
  TImage *Image6;
  TLabel *Label50, *Label51;
  TBitBtn *BitBtn9, *BitBtn8, *BitBtn7;
  TMaskDateEdit *MaskEdit2;

protected:
  void FormShow() override;
  void FormHide() override;
  void resizeEvent(QResizeEvent *event) override;

private:
  void createFrame();
  void createPowerPanel();
  void createWhatPanel();
  void createHelpPanel();
  void createSetupPanel();
  void createDetailsPanel();
  TPanel *createContentPanel(const char *name);
  void layoutFrame();

  QPointer<QMenu> trayMenu_;
  QPointer<QAction> blinkItem_;

  friend core::Date birthDateOfField();
  friend bool ComputeTodayLevelsUnlessRefused();
  // The birth date text a level computation last refused; empty once one
  // converts.
  std::optional<QString> refusedBirthDate_;
};

// The process-wide reference to the content window.
extern TForm2 *Form2;
// The first name, at most 15 characters, kept for the chart headline.
extern QString FirstNameCopy;

// The birth date in the setup's field, by the regional settings. A text that
// does not convert raises the conversion error and is remembered as refused
// until a date converts.
core::Date birthDateOfField();

// Computes today's levels from the birth date in the setup's field into the
// shared values. A date that does not convert raises as above and changes
// nothing.
void ComputeTodayLevels();

// The same for the tray's own refreshes, which nobody asked for: a birth date
// already refused raises nothing again and gives false.
bool ComputeTodayLevelsUnlessRefused();

// Writes the configuration file from the setup's two fields and the
// "Blinking Icons" check.
void SaveConfiguration(bool blinking);
