// Runs part of the program in-process on a scripted input, for unit tests
// of the operations: what it reads comes from `entree`, what it writes to
// standard output is returned.
#pragma once

#include <functional>
#include <string>

// The input must hold every line the dialogue asks for: at its end the
// program stops, as it does on a real end of input.
std::string dialogue(const std::string& entree, const std::function<void()>& f);
