#include "platform/WindowStyle.h"

namespace WindowStyle {

void hideTitleBar(QWindow *) { }

} // namespace WindowStyle
