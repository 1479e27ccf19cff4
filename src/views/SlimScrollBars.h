#pragma once

class QAbstractScrollArea;

// Scroll bars drawn like the Mac's overlay ones where the platform's own style does not: a thin
// rounded thumb with no arrows and no track.
namespace SlimScrollBars {

void apply(QAbstractScrollArea *area);

} // namespace SlimScrollBars
