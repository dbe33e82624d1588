#pragma once

#include <string_view>

// The service's log: one time-stamped entry per call on stderr, whole even
// when threads log at once. Stdout carries only the "listening on" line.
void logLine(std::string_view text);
