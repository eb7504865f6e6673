// Runs the built program with a given standard input on a pipe, under a time
// and a memory limit (in cas_test.cpp; DELAI_S: what the slowest session
// needs in this build, with room to spare).
#pragma once

#include <string>

struct Session {
    std::string sortie, erreurs;  // standard output and error
    int statut = -1;              // exit status; 137 when killed after delai_s seconds
};

Session lance(const std::string& entree, int delai_s = DELAI_S);

// The whole content of a file, as bytes.
std::string lit(const std::string& fichier);

// What a lost write on standard output puts on standard error.
inline const std::string ECRITURE = "premiers : ecriture impossible sur la sortie standard.\n";
