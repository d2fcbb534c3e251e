#pragma once
// The content window: a small framed card showing one of five panels (power,
// setup, what, help, details), or in chart mode the 30-day chart with its
// button row.
#include "components/smooth_show.h"
#include "controls/bar_gauge.h"
#include "controls/bevel_panel.h"
#include "controls/borderless_window.h"
#include "controls/date_field.h"
#include "controls/glyph_button.h"
#include "controls/on_demand.h"
#include "controls/picture_view.h"
#include "controls/text_label.h"
#include "controls/text_view.h"
#include "core/date.h"

#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class QAction;
class QMenu;

class ContentWindow : public BorderlessWindow {
  Q_OBJECT
public:
  static constexpr int kPanelWidth = 385;
  static constexpr int kPanelHeight = 248;
  static constexpr int kChartWidth = 634;
  static constexpr int kChartHeight = 440;

  explicit ContentWindow(QWidget *parent = nullptr);

  // The tray menu, used as the context menu of the window and its fields, and
  // its "Blinking Icons" item, whose check the setup's OK saves.
  void setTrayMenu(QMenu *menu, QAction *blinkItem);

  // Outer size (the window has no border) and the corner rule.
  void setOuterSize(int width, int height);
  void placeCornerPanels();
  // Shows `panel` and hides the other four, in the order help, what, setup,
  // details, power.
  void showOnlyPanel(BevelPanel *panel);
  BevelPanel *visiblePanel() const;

  // The gauges and the greeting for today's levels.
  void ShowTodayPower();
  // The same for the given levels and day.
  void ShowPower(int emotional, int intellectual, int physical, core::Date day);

  void FormCreate();
  void Panel2Click();
  void BitBtn1Click();
  // The "Calendar" buttons: the date chooser for the projection (BitBtn9) or
  // for the birth date (BitBtn10).
  void BitBtn9Click();
  void BitBtn10Click();
  // Opens the date chooser; connected where the windows are created.
  std::function<void()> OnOpenCalendar;

  // Frame.
  PictureView *Image7, *Image8, *Image9, *Image10;
  BevelPanel *Panel2, *Panel4, *Panel32, *Panel1;
  SmoothShow *SmoothShow1;
  QTimer *Timer2;

  // Content panels.
  BevelPanel *power, *setup, *what, *help, *details;

  // power
  PictureView *Image1;
  TextLabel *Label9, *Label7, *Label1, *Label8, *Label2, *Label54, *Label3;
  BarGauge *NeatoMeter1, *NeatoMeter2, *NeatoMeter3;

  // what
  TextView *Memo2;

  // help
  TextLabel *Label10;
  PictureView *Image3, *Image4, *Image5;
  TextLabel *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18,
      *Label59, *Label19;

  // setup
  PictureView *Image2;
  TextLabel *Label53, *Label4, *Label52, *Label5;
  QLineEdit *Edit1;
  DateField *MaskEdit1;
  GlyphButton *BitBtn10, *bitbtn1;

  // details
  PictureView *Image6;
  TextLabel *Label50, *Label51;
  GlyphButton *BitBtn9, *BitBtn8, *BitBtn7;
  DateField *MaskEdit2;

  // Chart mode: entering it, stepping through the months, printing.
  void BitBtn8Click(); // "Show me": 30 days from the projection field
  void BitBtn7Click(); // the first 30 days of life
  void Timer2Timer();  // draws the chart the two above prepared
  void BitBtn5Click(); // prior month
  void BitBtn6Click(); // next month
  void BitBtn3Click(); // draws the chart on display again
  void BitBtn4Click(); // back to the projection panel
  void BitBtn2Click(); // prints the chart on the default printer

  // The chart on the window's surface: the grid, then the curves and every
  // chart label from ChartDay on.
  void DrawGrid();
  void DrawChart();
  // Fills the surface with the window colour: the chart goes, the labels stay.
  void EraseChart();
  // What has been drawn on the window outside its own painting.
  const QImage &surface() const { return surface_; }

  // The chart's labels, placed on the window.
  TextLabel *Label31; // the headline
  TextLabel *Label44; // the week-day row
  TextLabel *Label39; // "%"
  TextLabel *Label32, *Label34, *Label35, *Label36, *Label37, *Label38, *Label40, *Label41,
      *Label42, *Label43, *Label33; // the scale, 100 down to 0
  TextLabel *Label20, *Label21;     // the upper and lower date rows
  TextLabel *Label28, *Label58, *Label29, *Label56, *Label30, *Label57; // list headings and shadows
  TextLabel *Label22, *Label23, *Label24, *Label25, *Label26, *Label27; // Best and Worst lists

  // The button row of chart mode.
  BevelPanel *butpan;
  GlyphButton *BitBtn5, *BitBtn2, *BitBtn3, *BitBtn4, *BitBtn6;

protected:
  void onShowing() override;
  void onHidden() override;
  void resizeEvent(QResizeEvent *event) override;
  void paintEvent(QPaintEvent *event) override;

private:
  void createFrame();
  void createPowerPanel();
  void createWhatPanel();
  void createHelpPanel();
  void createSetupPanel();
  void createDetailsPanel();
  void createChartLabels();
  void createButtonRow();
  // Chart mode's size, labels and panels, the window hidden meanwhile.
  void enterChartMode();
  // The window back in silver with its button row and the chart on display.
  void restoreAfterPrint();
  // The keyboard focus on the first control of `panel` that takes it, or on
  // none: never in a hidden panel.
  void keepFocusOn(BevelPanel *panel);
  // Names for screen readers, shadows hidden from them, Enter in the setup fields.
  void describeForKeyboardAndReaders();
  BevelPanel *createContentPanel(const char *name);
  void layoutFrame();
  QImage &drawingSurface();

  // What a load gave the fields before the window was made.
  void takeLoadedFields();

  QImage surface_; // null until the first chart
  QPointer<QMenu> trayMenu_;
  QPointer<QAction> blinkItem_;
};

// The process-wide reference to the content window, made at its first
// opening (app/forms.cpp gives the maker).
extern OnDemand<ContentWindow> contentWindow;

// The setup's first name and birth date as the window's fields (Edit1,
// MaskEdit1) hold them: the tooltips, the level computations and the saves
// read them here. Until the window is made, what a load gives the fields is
// kept here, and the window takes it over when it is made.
QString FieldFirstName();
QString FieldBirthDate();
// A load: the first name, the birth date and the projection date for the
// fields, then today's levels on the power panel.
void LoadFields(const QString &firstName, const QString &birthDate, const QString &projectionDate);
void ShowTodayPowerOnPanel();
// Forgets what a load kept and the refused date: a fresh set of windows.
void ResetFields();
// Where the date chooser's OK puts its date: the projection field (true) or
// the birth-date field (false). Set by the "Calendar" buttons.
extern bool CalendarForProjection;
// The first name, at most 15 characters, kept for the chart headline.
extern QString FirstNameCopy;
// The chart state: the day being processed (before a chart its first day,
// after it its last as "dd/mm/yyyy"), and the first day of the chart on
// display as it was given. At most 10 characters each.
extern QString ChartDay;
extern QString ChartStart;

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
