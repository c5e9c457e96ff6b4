#include "shell/app/WindowPlacement.h"

#include <algorithm>
#include <limits>

namespace corva::shell {
namespace {

long long OverlapArea(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}

long long DistanceToCentre(const QRect& area, const QRect& rect) {
    const QPoint offset = area.center() - rect.center();
    return static_cast<long long>(offset.x()) * offset.x() +
           static_cast<long long>(offset.y()) * offset.y();
}

}  // namespace

QRect KeptInWorkArea(const QRect& wanted, const QSize& minimum, const QRect& workArea) {
    const int width = std::max(minimum.width(), std::min(wanted.width(), workArea.width()));
    const int height = std::max(minimum.height(), std::min(wanted.height(), workArea.height()));
    // A window larger than the work area keeps its top left corner (and so its top bar) in it.
    const int left = std::clamp(wanted.left(), workArea.left(),
                                std::max(workArea.left(), workArea.right() + 1 - width));
    const int top = std::clamp(wanted.top(), workArea.top(),
                               std::max(workArea.top(), workArea.bottom() + 1 - height));
    return {left, top, width, height};
}

QRect OpeningRect(const QRect& remembered, const QSize& preferred, const QSize& minimum,
                  const QList<QRect>& workAreas) {
    if (workAreas.isEmpty()) {
        return remembered.isValid() ? remembered : QRect(QPoint(0, 0), preferred);
    }
    if (!remembered.isValid() || remembered.isEmpty()) {
        const QRect& work = workAreas.front();
        QRect centred(QPoint(0, 0), preferred);
        centred.moveCenter(work.center());
        return KeptInWorkArea(centred, minimum, work);
    }
    const QRect* best = &workAreas.front();
    long long bestOverlap = -1;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (const QRect& work : workAreas) {
        const long long overlap = OverlapArea(work, remembered);
        const long long distance = DistanceToCentre(work, remembered);
        if (overlap > bestOverlap || (overlap == bestOverlap && distance < bestDistance)) {
            best = &work;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return KeptInWorkArea(remembered, minimum, *best);
}

}  // namespace corva::shell
