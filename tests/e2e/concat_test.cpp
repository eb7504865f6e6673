// Choice 4: the concatenation menu, the splits of one N with the repeat
// question, and the range scans in list and count-only modes, the range
// 1 to 1000 against splits found by plain recursion.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "harness.h"

namespace {

const std::string SOUS_MENU =
    " \n \n \t  *****  CONCATENATIONS DE NOMBRES PREMIERS  ***** : "
    "\n \n \t Que voulez-vous faire ? : \n "
    "\n \n \t \t [1] - Savoir si un nombre N est une concatenation de nombres premiers "
    "\n \n \t \t [2] - Trouver tous ces nombres N quelconques, compris entre 2 valeurs ? "
    "\n \n \t \t [3] - Trouver tous ces nombres N premiers, compris entre 2 valeurs ? "
    "\n \n \t \t [0] - Revenir au debut du programme ? "
    "\n \n \n \t Quel est votre choix ? : ";
const std::string MODE = "\n \n \t  Afficher,  [1] L'effectif seulement / [0] Toute la liste : ? ";

// The splits of one N, up to the repeat question.
std::string pour(const std::string& n, const std::string& decoupages, int effectif)
{
    return QUESTION_N + "\n  Pour  " + n + " : " + decoupages +
           " \n \n \t  Effectif des concanetations differentes possibles = " + std::to_string(effectif) +
           " \n \n \t  Un nombre premier est comptabilise comme une concanetation de lui meme. \n \n " + ENCORE;
}

std::string ligne_effectif(int option, int w2)
{
    return " \n \n \t Il y a  " + std::to_string(w2) + "  nombres " +
           (option == 3 ? " premiers de ce type, chacun etant la concatenation d'au moins 2 autres.\n "
                        : "de ce type. \n ");
}

// One scan from the main menu, in list mode then in count-only mode;
// `entrees` lists the "N[count]  " found, `w2` of them.
void scan(int option, const std::string& bas, const std::string& haut, const std::string& entrees, int w2)
{
    const std::string debut = MENU + SOUS_MENU + INF + " \n  " + SUP + MODE;
    const std::string fin = ligne_effectif(option, w2);
    const std::string notes =
        " \n \t Entre crochet apres chaque nombre : l'effectif des concanetations differentes possibles. "
        " \n \t Un nombre premier etant comptabilise comme une concanetation de lui meme. \n \n  ";
    const std::string entree = "4\n" + std::to_string(option) + "\n" + bas + "\n" + haut + "\n";
    attendu(entree + "0\n0\n0\n", debut + " \n \n \t Entre " + bas + " et " + haut +
                                      "   les  nombres qui convienent sont : " + entrees + fin + notes + SOUS_MENU + MENU);
    attendu(entree + "1\n0\n0\n", debut + fin + SOUS_MENU + MENU);
}

}  // namespace

TEST(ConcatN, DecoupagesEtQuestionDeRepetition)
{
    // Keys other than 0 to 3 are refused with the prompt alone.
    attendu("4\n4\n00\n\n0\n0\n", MENU + SOUS_MENU + fois(INVITE, 3) + MENU);
    attendu("4\n1\n23\n0\n0\n0\n", MENU + SOUS_MENU + pour("23", " ( 2 3 )  ( 23 ) ", 2) + SOUS_MENU + MENU);
    // 0 and "+3137" at N, a refused key at the repeat question, then numbers
    // without any split: beyond 64 bits, the pieces at the first digit are
    // even but for the whole number, which has a small factor.
    const std::string grand = "4" + std::string(40, '0') + "3";
    attendu("4\n1\n0\n+3137\n2\n1\n24\n1\n" + grand + "\n1\n2027\n0\n0\n0\n",
            MENU + SOUS_MENU + QUESTION_N + pour("3137", " ( 3 13 7 )  ( 3 137 )  ( 31 3 7 )  ( 31 37 )  ( 313 7 )  ( 3137 ) ", 6) +
                ENCORE + pour("24", "", 0) + pour(grand, "", 0) + pour("2027", " ( 2 02 7 )  ( 2027 ) ", 2) + SOUS_MENU + MENU);
}

TEST(Nconcat, BornesDeReference)
{
    // With 1 to 1000 below, these cover ranges that start anywhere, zeros in
    // the pieces, counts above 2, and scans that find nothing.
    scan(2, "1", "40",
         "2[1]  3[1]  5[1]  7[1]  11[1]  13[1]  17[1]  19[1]  22[1]  23[2]  25[1]  27[1]  29[1]  "
         "31[1]  32[1]  33[1]  35[1]  37[2]  ", 18);
    scan(2, "300", "310", "302[1]  303[1]  305[1]  307[2]  ", 4);
    scan(2, "2000", "2010", "2002[1]  2003[2]  2005[1]  2007[1]  ", 4);
    scan(3, "2100", "2120", "2113[4]  ", 1);
    scan(3, "3130", "3140", "3137[6]  ", 1);
    scan(3, "90", "100", "", 0);
    scan(3, "23", "23", "23[2]  ", 1);
    scan(2, "1", "1", "", 0);
}

TEST(Nconcat, DeUnAMilleContreUneRecursion)
{
    const auto p = crible(1000);
    for (int option = 2; option <= 3; ++option) {
        std::string entrees;
        int w2 = 0;
        for (int n = 1; n <= 1000; ++n) {
            const auto w1 = decoupages(std::to_string(n)).size();
            if ((option == 3 && !std::binary_search(p.begin(), p.end(), n)) || w1 < (option == 3 ? 2u : 1u)) continue;
            ++w2;
            entrees += std::to_string(n) + "[" + std::to_string(w1) + "]  ";
        }
        EXPECT_EQ(w2, option == 2 ? 336 : 57);
        scan(option, "1", "1000", entrees, w2);
    }
}

TEST(Nconcat, BornesRefuseesOuInversees)
{
    // 0 is refused at either bound; 50 then 10 asks both again, lower first.
    attendu("4\n2\n0\n50\n0\n10\n23\n+25\n1\n0\n0\n", MENU + SOUS_MENU + INF + INF + " \n  " + SUP + SUP + INF +
                                                          " \n  " + SUP + MODE + ligne_effectif(2, 2) + SOUS_MENU + MENU);
}
