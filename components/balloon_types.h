#pragma once
// The balloon hint's enumerations. Scoped, so that names shared with the
// controls (bsRoundRect and friends) never collide.
#include <QFlags>

enum class BalloonBehavior : unsigned {
  // A hint due while a mouse button is down is cancelled instead.
  bbNoShowMouseDown = 1u,
  // The window is cut to the balloon and its shadow; without it the window
  // stays rectangular and an event hook watches for clicks and repaints.
  bbUseRegions = 2u,
  // Without regions: a repaint of another window under the balloon cancels it.
  bbHideOnPaint = 4u,
};
Q_DECLARE_FLAGS(BalloonBehaviors, BalloonBehavior)
Q_DECLARE_OPERATORS_FOR_FLAGS(BalloonBehaviors)

// Preferred side of the cursor; the values split into vertical * 2 + horizontal.
enum class BalloonPosition { bpAboveLeft = 0, bpAboveRight = 1, bpBelowLeft = 2, bpBelowRight = 3 };

enum class BalloonShadowStyle { ssShaded, ssSolid };

enum class BalloonShape { bsRoundRect, bsRectangle };

// Where the font and colours come from.
enum class HintStyle { hsDefault, hsCustom, hsSystem };
