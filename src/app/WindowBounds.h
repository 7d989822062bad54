#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

// Where the main window goes at start, from the bounds the last run stored.
namespace WindowBounds {

// Smaller, the display and the keys have no room to be used; a stored size below it is raised.
inline constexpr QSize MinimumSize{320, 200};
// A window showing less of itself on every screen is one its user cannot reach: it keeps the
// place the system gives it instead.
inline constexpr QSize MinimumVisible{120, 60};

struct TPlacement {
    QSize Size;
    std::optional<QPoint> Position; // none: where the system puts a new window
};

// The size and place for stored bounds (right and bottom exclusive) on screens with the given
// available areas; none when nothing usable is stored (no width or no height).
std::optional<TPlacement> Restore(qint32 left, qint32 top, qint32 right, qint32 bottom,
                                  const QList<QRect> &screens);

// The place stored for a maximized or minimized window: where its frame stands when it is
// normal. `normal` is its normal inner geometry; `inner` and `frame` are the top-left corners of
// its inside and its frame now, whose distance is the title bar and the border. The window is
// placed by its frame at start, so storing the inside would move it down by the title bar at
// every start.
QPoint NormalFramePosition(const QRect &normal, const QPoint &inner, const QPoint &frame);

} // namespace WindowBounds
