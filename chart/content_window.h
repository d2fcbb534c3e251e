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
#include "controls/picture_view.h"
#include "controls/text_label.h"
#include "controls/text_view.h"
#include "core/date.h"
#include "platform/environment.h"
#include "state/session.h"

#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <optional>

class QAction;
class QMenu;
namespace core {
struct ChartData;
}

class ContentWindow : public BorderlessWindow {
  Q_OBJECT
public:
  static constexpr int kPanelWidth = 385;
  static constexpr int kPanelHeight = 248;

  ContentWindow(Session &session, const platform::Environment &env, QWidget *parent = nullptr);

  // The tray menu, used as the context menu of the window and its fields, and
  // its "Blinking Icons" item, whose check the setup's OK saves.
  void setTrayMenu(QMenu *menu, QAction *blinkItem);

  // Outer size (the window has no border) and the corner rule.
  void setOuterSize(int width, int height);
  // Shows `panel` and hides the other four, in the order help, what, setup,
  // details, power.
  void showOnlyPanel(BevelPanel *panel);
  // The gauges and the greeting for the session's levels and power day.
  void showTodayPower();
  // The date chooser's OK: into the birth-date field, or into the projection
  // field and on to the chart.
  void putChosenDate(DateTarget target, const QString &dateText);
  QTimer *chartDrawTimer;

  BevelPanel *powerPanel, *setupPanel, *explanationPanel, *guidePanel, *projectionPanel;
  QLineEdit *firstNameField;
  DateField *birthDateField, *projectionDateField;
  GlyphButton *showMeButton;

  // for the tests and the wiring
  static constexpr int kChartWidth = 634;
  static constexpr int kChartHeight = 440;

  BevelPanel *visiblePanel() const;
  void closeCornerClicked();
  void saveSetup();
  // The setup's "Calendar" button: the date chooser for the birth date.
  void openCalendarForBirthDate();
  // The chart state: the day being processed (before a chart its first day,
  // after it its last as "dd/mm/yyyy"), and the first day of the chart on
  // display as it was given. At most 10 characters each.
  QString currentChartDay, shownChartStart;

  PictureView *topFrameBar, *bottomFrameBar, *rightFrameBar, *leftFrameBar;
  BevelPanel *topLeftCloseCorner, *topRightCloseCorner, *bottomLeftCloseCorner,
      *bottomRightCloseCorner;
  TextLabel *greetingLabel;
  BarGauge *emotionalGauge, *intellectualGauge, *physicalGauge;
  TextView *explanationText;
  TextLabel *firstNameCaptionShadowLabel, *firstNameCaptionLabel;
  GlyphButton *birthDateCalendarButton, *setupOkButton, *projectionCalendarButton;

  // Chart mode: entering it, stepping through the months, printing.
  void showMe();            // 30 days from the projection field
  void showFirstMonth();    // the first 30 days of life
  void drawPreparedChart(); // draws the chart the two above prepared
  void showPriorMonth();
  void showNextMonth();
  void redrawChart();
  void backToProjection();
  void printChart(); // on the default printer

  // The chart on the window's surface: the grid, then the curves and every
  // chart label from currentChartDay on.
  void drawGrid();
  void drawChart();
  // Fills the surface with the window colour: the chart goes, the labels stay.
  void eraseChart();
  // What has been drawn on the window outside its own painting.
  const QImage &surface() const { return surface_; }

  TextLabel *chartHeadlineLabel, *weekDaysLabel, *scale20Label, *scale10Label, *upperDatesLabel,
      *lowerDatesLabel, *bestEmotionalDaysLabel, *worstPhysicalDaysLabel;
  BevelPanel *chartButtonRow;
  // Where the curves are drawn, for screen readers: its description says the period and the
  // levels of the last day.
  QWidget *chartArea;
  GlyphButton *priorMonthButton, *printButton, *refreshButton, *closeChartButton, *nextMonthButton;

signals:
  // A "Calendar" button: the date chooser is wanted for `target`.
  void calendarRequested(DateTarget target);

protected:
  void onShowing() override;
  void onHidden() override;
  void onReleasing() override;
  void resizeEvent(QResizeEvent *event) override;
  void paintEvent(QPaintEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  bool focusNextPrevChild(bool next) override;

private:
  void createFrame();
  void createPowerPanel();
  void createWhatPanel();
  void createHelpPanel();
  void createSetupPanel();
  void createDetailsPanel();
  void createChartLabels();
  void createButtonRow();
  void placeCornerPanels();
  void layOutPanels();
  // The gauges and the greeting for the given levels and day.
  void showPower(int emotional, int intellectual, int physical, core::Date day);
  // The details' "Calendar" button: the date chooser for the projection.
  void openCalendarForProjection();
  // Chart mode's size, labels and panels, the window hidden meanwhile.
  void enterChartMode();
  // The chart of 30 days from `firstDay` with the fields as they are; raises
  // the conversion or the date error instead.
  core::ChartData chartFrom(const QString &firstDay) const;
  // The curves and every chart label of a computed chart.
  void drawChart(const core::ChartData &chart);
  // A month step: the chart from `firstDay` in place of the one on display.
  void stepTo(const QString &firstDay);
  // The window back in silver with its button row and the chart on display.
  void restoreAfterPrint();
  // The keyboard focus on the first control of `panel` that takes it, or on
  // none: never in a hidden panel.
  void keepFocusOn(BevelPanel *panel);
  // Names for screen readers, shadows hidden from them, Enter in the setup fields.
  void describeForKeyboardAndReaders();
  // Tab to the buttons in the order they are shown, Return in the projection field.
  void letKeyboardReachButtons();
  // Chart mode shown: the window takes the keys back when it had them before, and its first
  // button shows its focus frame.
  void giveChartTheKeys(bool hadKeys);
  BevelPanel *createContentPanel(const char *name);
  void layoutFrame();
  QImage &drawingSurface();

  // The fields from the session; then each keeps the session in step.
  void keepFieldsInStep();
  void takeSessionFields();

  SmoothShow *showAnimation;

  // power
  PictureView *powerBackground;
  TextLabel *emotionalTitleShadowLabel, *emotionalTitleLabel, *intellectualTitleShadowLabel,
      *intellectualTitleLabel, *physicalTitleShadowLabel, *physicalTitleLabel;

  // help
  TextLabel *guideTitleLabel;
  PictureView *guideEmotionalIcon, *guideIntellectualIcon, *guidePhysicalIcon;
  TextLabel *guideEmotionLabel, *guideIntellectLabel, *guidePhysicalLabel, *guideFillLabel,
      *guideClickLabel, *guideHintLabel, *guideSetupLabel, *guideHideLabel, *guideMoveLabel,
      *guideRightClickLabel;

  // setup
  PictureView *setupBackground;
  TextLabel *birthDateCaptionShadowLabel, *birthDateCaptionLabel;

  // details
  PictureView *projectionBackground;
  TextLabel *projectionCaptionShadowLabel, *projectionCaptionLabel;
  GlyphButton *firstMonthButton;

  // chart
  TextLabel *percentLabel;
  TextLabel *scale100Label, *scale90Label, *scale80Label, *scale70Label, *scale60Label,
      *scale50Label, *scale40Label, *scale30Label, *scale0Label;
  TextLabel *emotionalHeadingLabel, *emotionalHeadingReliefLabel, *intellectualHeadingLabel,
      *intellectualHeadingReliefLabel, *physicalHeadingLabel, *physicalHeadingReliefLabel;
  TextLabel *worstEmotionalDaysLabel, *bestIntellectualDaysLabel, *worstIntellectualDaysLabel,
      *bestPhysicalDaysLabel;

  QImage surface_; // null until the first chart
  // Shown in chart mode only (in panel mode the panels would cover them, but a reader would
  // still be told of them).
  QList<QWidget *> chartModeControls_;
  QPointer<QMenu> trayMenu_;
  QPointer<QAction> blinkItem_;
  Session &session_;
  const platform::Environment &env_;
};
