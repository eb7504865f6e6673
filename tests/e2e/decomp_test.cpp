// Choice 1 of the main menu, byte for byte: results of every form, the
// repeat question, and the answers refused.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

const std::string TITRE = "\n" + std::string(107, '_') +
                          " \n \n \t *****  DECOMPOSITION D'UN ENTIER N EN FACTEURS PREMIERS.  ***** ";
const std::string QUESTION_N = " \n \n \n \t N ? : ";
const std::string ENCORE = "\n \n \t Nouvelle valeur de N ? Oui [1] , Non [0] : ";

// One N answered and its result line, up to the repeat question.
std::string pour(const std::string& resultat)
{
    return QUESTION_N + " \n \n \t " + resultat + ENCORE;
}

void attendu(const std::string& entree, const std::string& sortie)
{
    const Session s = lance(entree);
    EXPECT_EQ(s.sortie, sortie);
    EXPECT_EQ(s.statut, 1);
    EXPECT_EQ(s.erreurs, "");
}

}  // namespace

TEST(Decomposition, ExemplesDeReference)
{
    attendu("1\n360\n1\n12\n1\n9\n1\n97\n1\n1\n1\n20014\n0\n0\n",
            menu() + TITRE +
            pour("360 =  (2)^3 X (3)^2 X (5)") +
            pour("12 =  (2)^2 X (3)") +
            pour("9 =  (3)^2") +
            pour("97  est un nombre premier. ") +
            pour("1 =  ") +
            pour("20014 =  (2) X (10007)") +
            menu());
}

TEST(Decomposition, PetitesValeurs)
{
    attendu("1\n2\n1\n3\n1\n4\n1\n25\n0\n0\n",
            menu() + TITRE +
            pour("2  est un nombre premier. ") +
            pour("3  est un nombre premier. ") +
            pour("4 =  (2)^2") +
            pour("25 =  (5)^2") +
            menu());
}

TEST(Decomposition, GrandsEntiers)
{
    attendu("1\n1267650600228229401496703205376\n1\n100000000000000000000\n0\n0\n",
            menu() + TITRE +
            pour("1267650600228229401496703205376 =  (2)^100") +
            pour("100000000000000000000 =  (2)^20 X (5)^20") +
            menu());
}

TEST(Decomposition, ValeurTapeeAvecSigneEtRienDuCalculPrecedent)
{
    attendu("1\n+360\n1\n30030\n1\n12\n0\n0\n",
            menu() + TITRE +
            pour("360 =  (2)^3 X (3)^2 X (5)") +
            pour("30030 =  (2) X (3) X (5) X (7) X (11) X (13)") +
            pour("12 =  (2)^2 X (3)") +
            menu());
}

TEST(Decomposition, ReponsesRefusees)
{
    // "0", "-5", "012", "" and "1 2" are refused for N; "2" and "" for the
    // repeat question.
    attendu("1\n0\n-5\n012\n\n1 2\n360\n2\n\n0\n0\n",
            menu() + TITRE + QUESTION_N + QUESTION_N + QUESTION_N + QUESTION_N + QUESTION_N +
            pour("360 =  (2)^3 X (3)^2 X (5)") + ENCORE + ENCORE +
            menu());
}

TEST(Decomposition, RetourAuMenuPuisNouvelAppel)
{
    // Each call from the menu prints the rule and the title once.
    attendu("1\n12\n0\n1\n9\n0\n0\n",
            menu() + TITRE + pour("12 =  (2)^2 X (3)") + menu() +
            TITRE + pour("9 =  (3)^2") + menu());
}

TEST(Decomposition, FinDesEntreesPendantLaDecomposition)
{
    attendu("1\n", menu() + TITRE + QUESTION_N + FIN_ENTREE);
    attendu("1\n12\n", menu() + TITRE + pour("12 =  (2)^2 X (3)") + FIN_ENTREE);
}
