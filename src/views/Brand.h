#pragma once

#include <QColor>
#include <QEasingCurve>

// The palette and the animation curves every view draws with.
namespace Brand {

inline constexpr QColor primary { 196, 99, 58 };
inline constexpr QColor honey { 201, 154, 61 }; // the mark only
inline constexpr QColor deepTerra { 168, 68, 44 };
inline constexpr QColor forest { 63, 125, 92 };
inline constexpr QColor cream { 251, 248, 243 };
inline constexpr QColor n1 { 244, 239, 230 };
inline constexpr QColor n2 { 217, 210, 197 };
inline constexpr QColor n3 { 122, 116, 104 };
inline constexpr QColor warmBlack { 43, 42, 40 };

// A timing curve and how long it runs.
struct Motion
{
    QEasingCurve curve;
    int durationMs = 0;
};

// The same quick-out, soft-landing curve: 240 ms and 180 ms.
const Motion &motion();
const Motion &motionFast();

} // namespace Brand
