#pragma once

#include "platform/keystrokes.h"

namespace tandrel {

// SIGTERM, SIGINT and SIGHUP end the process through the event loop, after releasing every
// key a send left down: a killed run must not leave SHIFT or CTRL held on the desktop. A
// send in progress finishes first (it releases its keys itself), then the process ends with
// status 128 + the signal's number.
void releaseKeysOnTermination(Keystrokes& keystrokes);

} // namespace tandrel
