// How a cell's resolved colours are painted against the grid's background.
// The fill's fixed colours, dark red for changed lines and dark blue for lines
// of one side only, are made for a light window background; where the
// desktop's background is dark they are painted as light twins that keep
// kMinTextContrast against it, and the absent-line background is painted so
// that it stays apart from the window background. On a light background
// every colour is painted exactly as resolved. The cells keep their values:
// only the painting changes.
#pragma once

#include <QColor>

namespace qfc {

// WCAG's minimum for body text.
inline constexpr double kMinTextContrast = 4.5;
// Somewhat more than a light palette's button face has against white (1.15),
// so that absent lines stay visible as a band on a dark background.
inline constexpr double kMinAbsentContrast = 1.4;

// WCAG 2 contrast ratio of two opaque colours, from 1 (same) to 21.
[[nodiscard]] double ContrastRatio(const QColor& first, const QColor& second);

// True where light text reads better than dark text on `background`.
[[nodiscard]] bool IsDarkBackground(const QColor& background);

// The colour to paint `text` in on `background`.
[[nodiscard]] QColor PaintedTextColor(const QColor& text, const QColor& background);

// The colour to paint the changed-character tint `tint` in, under changed
// text on a cell of background `window`: where the window is dark, a dark red
// under which the light red text keeps kMinTextContrast and that stands apart
// from the window as much as an absent-line band does.
[[nodiscard]] QColor PaintedTintColor(const QColor& tint, const QColor& window);

// The colour to paint a cell background `cell` in, for a cell whose
// background is not the window's own, beside `window`.
[[nodiscard]] QColor PaintedCellBackground(const QColor& cell, const QColor& window);

}  // namespace qfc
