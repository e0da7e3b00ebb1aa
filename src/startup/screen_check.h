#pragma once

#include "platform/display.h"
#include "platform/message_boxes.h"

namespace tandrel {

// Offers a screen smaller than 1024 x 768 a switch to that mode, and lets the user keep it or
// go back to the mode it had.
void checkScreenResolution(Display& display, MessageBoxes& messages);

} // namespace tandrel
