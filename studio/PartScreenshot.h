#pragma once

#include <QStringList>
#include <optional>

// veritor-studio --screenshot-part PART RULES.xml OUT.png [--pull X,Y,Z] [--part-units U]
// [--view corner|below|along|against|front|side]:
// checks the part against the rule document and writes the part view, its faces coloured by
// their findings, with its legend, as a PNG. Returns the exit status, reporting problems on
// standard error.
int WritePartScreenshot(const QStringList& arguments);

// OpenGL draws on an X display: without one, the program runs itself again under a virtual X
// server (xvfb-run) and this returns its exit status; with one, nothing.
std::optional<int> RunUnderVirtualDisplay(int argc, char* argv[]);
