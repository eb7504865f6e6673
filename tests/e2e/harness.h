// Runs the built program with a given standard input on a pipe and captures
// what it writes; the byte-for-byte check of a whole run; the texts every
// session shares.
#pragma once

#include <string>

#include "commun.h"

struct Session {
    std::string sortie;   // standard output
    std::string erreurs;  // standard error
    int statut = -1;      // exit status, or -1 if killed after delai_s seconds
};

Session lance(const std::string& entree, int delai_s = 120);

// One run of `entree`: exactly `sortie` on standard output, status 1 and
// nothing on standard error (where the sanitizer build reports faults).
void attendu(const std::string& entree, const std::string& sortie);

extern const std::string MENU;        // the main menu and its prompt
extern const std::string INVITE;      // the prompt alone, after a refused answer
extern const std::string FIN_ENTREE;  // written when input ends at a question
// The two limits asked by choice 3 and by the concatenation scans.
extern const std::string INF, SUP;
