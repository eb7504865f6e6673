// Failures that end a run early: output that cannot be written, input that
// cannot be read, memory that runs out. Each is told in one line of French
// on standard error, with a status of its own, never the 1 of a normal end.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "harness.h"

namespace {

// Runs the shell script, with $P the program, and the standard error of its
// last command in a file: the script's status and what was written there.
std::pair<int, std::string> sous_sh(const std::string& script)
{
    char nom[] = "/tmp/premiers-erreurs-XXXXXX";
    close(mkstemp(nom));
    const int st = std::system(("P='" PREMIERS_EXE "'; " + script + " 2>" + nom).c_str());
    const std::string erreurs = lit(nom);
    unlink(nom);
    return {WIFEXITED(st) ? WEXITSTATUS(st) : -1, erreurs};
}

const std::string LECTURE = "premiers : lecture impossible sur l'entree standard.\n";

}  // namespace

TEST(Echecs, SortieOuEntreeInutilisables)
{
    EXPECT_EQ(sous_sh("printf '5\\n0\\n' | \"$P\" >/dev/full"), std::pair(4, ECRITURE));
    EXPECT_EQ(sous_sh("printf '5\\n0\\n' | \"$P\" >&-"), std::pair(4, ECRITURE));
    EXPECT_EQ(sous_sh("\"$P\" </ >/dev/null"), std::pair(5, LECTURE));
    EXPECT_EQ(sous_sh("\"$P\" <&- >/dev/null"), std::pair(5, LECTURE));
}

TEST(Echecs, MemoireEpuisee)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer needs more address space than the limit leaves";
#endif
    // The table of the first 30 million primes needs 240 MB.
    EXPECT_EQ(sous_sh("ulimit -v 50000; printf '2\\n=30000000\\n0\\n0\\n' | \"$P\" >/dev/null"),
              std::pair(3, std::string("premiers : memoire insuffisante, calcul abandonne.\n")));
}
