#pragma once

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/file_system.h"
#include "platform/keystrokes.h"
#include "platform/message_boxes.h"
#include "platform/printer.h"
#include "platform/process_end.h"
#include "platform/processes.h"
#include "platform/shortcuts.h"
#include "platform/windows.h"

namespace tandrel {

// Every service of the host that the window uses, handed to it at construction.
struct Platform {
    Keystrokes& keystrokes;
    Windows& windows;
    Processes& processes;
    Clipboard& clipboard;
    FileSystem& files;
    MessageBoxes& messages;
    Clock& clock;
    Printer& printer;
    Display& display;
    Shortcuts& shortcuts;
    ProcessEnd& processEnd;
};

} // namespace tandrel
