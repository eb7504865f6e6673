// Choice 1 byte for byte: the reference results, the answers refused, the
// repeat question, and a second call from the menu.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

const std::string TITRE =
    "\n" + std::string(107, '_') + " \n \n \t *****  DECOMPOSITION D'UN ENTIER N EN FACTEURS PREMIERS.  ***** ";

// One N answered, its result line, and the repeat question.
std::string pour(const std::string& resultat) { return QUESTION_N + " \n \n \t " + resultat + ENCORE; }

}  // namespace

TEST(Decomposition, ExemplesDeReference)
{
    attendu("1\n360\n1\n12\n1\n9\n1\n97\n1\n1\n1\n20014\n0\n0\n",
            MENU + TITRE + pour("360 =  (2)^3 X (3)^2 X (5)") + pour("12 =  (2)^2 X (3)") + pour("9 =  (3)^2") +
                pour("97  est un nombre premier. ") + pour("1 =  ") + pour("20014 =  (2) X (10007)") + MENU);
}

TEST(Decomposition, ReponsesRefuseesEtSecondAppel)
{
    // "0", "-5", "012", "" and "1 2" are refused for N, "2" and "" at the
    // repeat question; each call from the menu prints the title once.
    attendu("1\n0\n-5\n012\n\n1 2\n+360\n2\n\n0\n1\n9\n0\n0\n",
            MENU + TITRE + fois(QUESTION_N, 5) + pour("360 =  (2)^3 X (3)^2 X (5)") + ENCORE + ENCORE + MENU + TITRE +
                pour("9 =  (3)^2") + MENU);
}
