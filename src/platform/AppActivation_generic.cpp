#include "platform/AppActivation.h"

void AppActivation::activate() { }
