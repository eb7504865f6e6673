// Runs the built program on a given standard input and captures what it
// writes, for byte-for-byte comparisons; plus the texts every session shares.
#pragma once

#include <string>

struct Session {
    std::string sortie;   // standard output
    std::string erreurs;  // standard error
    int statut = -1;      // exit status, or -1 if killed or timed out
};

// Feeds `entree` through a pipe to the program's standard input (then
// closes it), and waits at most `delai_s` seconds.
Session lance(const std::string& entree, int delai_s = 120);

// The main menu followed by its prompt, as printed before each choice.
std::string menu();
// The main menu's prompt alone, as printed again after a refused answer.
extern const std::string INVITE;
// What the program prints when standard input ends at a question.
extern const std::string FIN_ENTREE;
