#pragma once
// Where the content window's controls sit, in their panel's coordinates (the
// frame, the panels and the chart's button row in the window's). The chart's
// labels and buttons keep their places in their own tables
// (chart/content_window_chart.cpp).
#include <QPoint>
#include <QRect>
#include <QSize>

namespace content_layout {

// The frame's strips are this wide; the "X" panels in its corners this wide
// and high; every content panel lies inside the frame.
inline constexpr int kFrame = 10;
inline constexpr int kCorner = 20;
inline constexpr QRect kPanel{kFrame, kFrame, 365, 228};

// power
inline constexpr QRect kGreeting{1, 6, 365, 19};
inline constexpr QPoint kEmotionalTitleShadow{30, 29}, kEmotionalTitle{29, 30};
inline constexpr QPoint kIntellectualTitleShadow{141, 29}, kIntellectualTitle{140, 30};
inline constexpr QPoint kPhysicalTitleShadow{261, 29}, kPhysicalTitle{260, 30};
inline constexpr QRect kEmotionalGauge{34, 54, 80, 155};
inline constexpr QRect kIntellectualGauge{143, 54, 80, 155};
inline constexpr QRect kPhysicalGauge{252, 54, 80, 155};

// what
inline constexpr QRect kExplanationText{7, 8, 351, 213};

// help
inline constexpr QPoint kGuideTitle{88, 4};
inline constexpr QRect kGuideEmotionalIcon{63, 25, 41, 41};
inline constexpr QRect kGuideIntellectualIcon{165, 25, 41, 41};
inline constexpr QRect kGuidePhysicalIcon{261, 25, 41, 41};
inline constexpr QPoint kGuideEmotion{59, 60}, kGuideIntellect{161, 60}, kGuidePhysical{257, 60};
inline constexpr QPoint kGuideFill{19, 79}, kGuideClick{27, 102}, kGuideHint{19, 118};
inline constexpr QPoint kGuideSetup{62, 136}, kGuideHide{46, 161}, kGuideMove{58, 175};
inline constexpr QPoint kGuideRightClick{20, 197};

// setup
inline constexpr QPoint kFirstNameCaptionShadow{166, 22}, kFirstNameCaption{164, 20};
inline constexpr QPoint kBirthDateCaptionShadow{176, 114}, kBirthDateCaption{174, 112};
inline constexpr QRect kFirstNameField{159, 42, 190, 30};
inline constexpr QRect kBirthDateField{187, 137, 149, 40};
inline constexpr QRect kBirthDateCalendarButton{26, 66, 120, 27};
inline constexpr QRect kSetupOkButton{60, 156, 113, 59};

// details
inline constexpr QPoint kProjectionCaptionShadow{34, 39}, kProjectionCaption{37, 41};
inline constexpr QRect kProjectionCalendarButton{128, 118, 110, 24};
inline constexpr QRect kProjectionDateField{124, 143, 117, 32};
inline constexpr QRect kShowMeButton{122, 187, 120, 24};
// In the free band under the title: on the bottom row it would share the
// place of "Show me".
inline constexpr QRect kFirstMonthButton{19, 78, 328, 25};

// chart mode: the button row, and the size of each of its buttons, one pixel
// below the row's top
inline constexpr QRect kChartButtonRow{15, 390, 601, 34};
inline constexpr QSize kChartButton{108, 29};
inline constexpr int kChartButtonTop = 1;

} // namespace content_layout
