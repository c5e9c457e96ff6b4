// Where the main window opens: the place it was left in when that still fits one of the
// screens, otherwise moved (and shrunk, never below its minimum) into the work area of the
// screen it was nearest to, so a window left on a larger or second screen comes back in reach.
#pragma once

#include <QList>
#include <QRect>

namespace corva::shell {

// The window's rectangle kept inside `workArea`: as large as `wanted` but no larger than the
// work area and no smaller than `minimum`; moved only as far as needed.
QRect KeptInWorkArea(const QRect& wanted, const QSize& minimum, const QRect& workArea);

// The rectangle to open at. `remembered` is empty before the first run: then `preferred`,
// centred in the first work area. Otherwise the work area that holds most of it (or the
// nearest one) keeps it inside.
QRect OpeningRect(const QRect& remembered, const QSize& preferred, const QSize& minimum,
                  const QList<QRect>& workAreas);

}  // namespace corva::shell
