#pragma once

namespace tandrel {

// Whether the first argument asks for a stand-in: "--notepad [FILE]" or "--calculator".
bool asksForStandIn(int argc, char** argv);
// Runs the stand-in asked for and returns its exit status.
int runStandIn(int& argc, char** argv);

} // namespace tandrel
