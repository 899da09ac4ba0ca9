// Checks every invariant of the graph state and its companion variables. Returns "" when all
// hold, else a description of the first that does not.
#pragma once

#include <string>

// outsideRun: no MST run and no paint is in progress, so every mark must be 0.
std::string graphInvariantViolation(bool outsideRun = true);
