#pragma once

class QListWidget;

namespace tandrel {

// For end-to-end tests: when the environment variable TANDREL_PROGRAM_MIRROR names a file,
// the program's lines are written to it, one per line in UTF-8, after every change of the
// program list, so that a test outside the process can see what the editor recorded.
void mirrorProgramIfAsked(QListWidget* program);

} // namespace tandrel
