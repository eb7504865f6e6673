// Choice 4: the concatenation menu, the splits of one N with the repeat
// question, and the range scans in list and count-only modes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

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
const std::string QUESTION_N = " \n \n \n \t N ? : ";
const std::string ENCORE = "\n \n \t Nouvelle valeur de N ? Oui [1] , Non [0] : ";
const std::string BAS = "\n \t Limite inferieure ? : ";
const std::string HAUT = "\n \t Limite superieure ? : ";
const std::string MODE = "\n \n \t  Afficher,  [1] L'effectif seulement / [0] Toute la liste : ? ";
const std::string NOTES =
    " \n \t Entre crochet apres chaque nombre : l'effectif des concanetations differentes possibles. "
    " \n \t Un nombre premier etant comptabilise comme une concanetation de lui meme. \n \n  ";

std::string resultat(const std::string& n, const std::string& decoupages, int effectif)
{
    return "\n  Pour  " + n + " : " + decoupages +
           " \n \n \t  Effectif des concanetations differentes possibles = " + std::to_string(effectif) +
           " \n \n \t  Un nombre premier est comptabilise comme une concanetation de lui meme. \n \n ";
}

std::string ligne_effectif(int option, std::int64_t w2)
{
    return " \n \n \t Il y a  " + std::to_string(w2) + "  nombres " +
           (option == 3 ? " premiers de ce type, chacun etant la concatenation d'au moins 2 autres.\n "
                        : "de ce type. \n ");
}

// What one scan prints, from the bound questions to the notes; `entrees`
// is the list of "N[count]  " entries, `w2` their number.
std::string balayage(int option, const std::string& bas, const std::string& haut, int compter,
                     const std::string& entrees, std::int64_t w2)
{
    std::string s = BAS + " \n  " + HAUT + MODE;
    if (compter == 0) s += " \n \n \t Entre " + bas + " et " + haut + "   les  nombres qui convienent sont : " + entrees;
    s += ligne_effectif(option, w2);
    if (compter == 0) s += NOTES;
    return s;
}

void verifie(const std::string& entree, const std::string& sortie)
{
    const Session s = lance(entree);
    EXPECT_EQ(s.sortie, sortie);
    EXPECT_EQ(s.statut, 1);
    EXPECT_EQ(s.erreurs, "");
}

// One scan run from the main menu, then back out.
void scan(int option, const std::string& bas, const std::string& haut, const std::string& entrees, int w2)
{
    for (int compter = 0; compter <= 1; ++compter) {
        verifie("4\n" + std::to_string(option) + "\n" + bas + "\n" + haut + "\n" + std::to_string(compter) + "\n0\n0\n",
                menu() + SOUS_MENU + balayage(option, bas, haut, compter, entrees, w2) + SOUS_MENU + menu());
    }
}

// The scan computed independently: splits counted by plain recursion.
bool premier_simple(std::int64_t v)
{
    if (v < 2) return false;
    // No q below the current one divides v; past its root, v is prime.
    for (std::int64_t q = 2; q * q <= v; ++q)
        if (v % q == 0) return false;
    return true;
}

int compte(const std::string& s, std::size_t pos)
{
    if (pos == s.size()) return 1;
    int c = 0;
    for (std::size_t lg = 1; pos + lg <= s.size(); ++lg)
        if (premier_simple(std::stoll(s.substr(pos, lg)))) c += compte(s, pos + lg);
    return c;
}

std::pair<std::string, int> attendu(int option, int bas, int haut)
{
    std::string entrees;
    int w2 = 0;
    for (int n = bas; n <= haut; ++n) {
        if (option == 3 && !premier_simple(n)) continue;
        const int w1 = compte(std::to_string(n), 0);
        if (w1 >= (option == 3 ? 2 : 1)) {
            ++w2;
            entrees += std::to_string(n) + "[" + std::to_string(w1) + "]  ";
        }
    }
    return {entrees, w2};
}

}  // namespace

TEST(ConcatMenu, EntreeEtSortie)
{
    verifie("4\n0\n0\n", menu() + SOUS_MENU + menu());
    // Keys other than 0 to 3 are refused with the prompt alone.
    verifie("4\n4\n5\n00\n\n0\n0\n", menu() + SOUS_MENU + INVITE + INVITE + INVITE + INVITE + menu());
}

TEST(ConcatN, VingtTroisEtLaQuestionDeRepetition)
{
    verifie("4\n1\n23\n0\n0\n0\n",
            menu() + SOUS_MENU + QUESTION_N +
                "\n  Pour  23 :  ( 2 3 )  ( 23 )  \n \n \t  Effectif des concanetations differentes possibles = 2"
                " \n \n \t  Un nombre premier est comptabilise comme une concanetation de lui meme. \n \n " +
                ENCORE + SOUS_MENU + menu());
    // 0 and refused answers at N, a refused answer at the repeat question,
    // then a second N and a number without any split.
    verifie("4\n1\n0\n+3137\n2\n1\n24\n0\n0\n0\n",
            menu() + SOUS_MENU + QUESTION_N + QUESTION_N +
                resultat("3137", " ( 3 13 7 )  ( 3 137 )  ( 31 3 7 )  ( 31 37 )  ( 313 7 )  ( 3137 ) ", 6) +
                ENCORE + ENCORE + QUESTION_N + resultat("24", "", 0) + ENCORE + SOUS_MENU + menu());
    verifie("4\n1\n2027\n1\n1\n0\n0\n0\n",
            menu() + SOUS_MENU + QUESTION_N + resultat("2027", " ( 2 02 7 )  ( 2027 ) ", 2) + ENCORE +
                QUESTION_N + resultat("1", "", 0) + ENCORE + SOUS_MENU + menu());
}

TEST(ConcatN, GrandNombre)
{
    // Beyond 64 bits: the pieces at the first digit are all even, so the
    // rest of the number is never tested and the answer comes at once.
    const std::string n = "4" + std::string(40, '0') + "3";
    verifie("4\n1\n" + n + "\n0\n0\n0\n",
            menu() + SOUS_MENU + QUESTION_N + resultat(n, "", 0) + ENCORE + SOUS_MENU + menu());
}

TEST(Nconcat, BornesDonneesDansLaPartie)
{
    scan(2, "1", "40",
         "2[1]  3[1]  5[1]  7[1]  11[1]  13[1]  17[1]  19[1]  22[1]  23[2]  25[1]  27[1]  29[1]  "
         "31[1]  32[1]  33[1]  35[1]  37[2]  ",
         18);
    scan(3, "1", "100", "23[2]  37[2]  53[2]  73[2]  ", 4);
    scan(2, "300", "310", "302[1]  303[1]  305[1]  307[2]  ", 4);
    scan(2, "2000", "2010", "2002[1]  2003[2]  2005[1]  2007[1]  ", 4);
    scan(3, "2100", "2120", "2113[4]  ", 1);
    scan(3, "3130", "3140", "3137[6]  ", 1);
    scan(2, "90", "100", "97[1]  ", 1);
    scan(3, "90", "100", "", 0);
    scan(3, "23", "23", "23[2]  ", 1);
    scan(2, "1", "1", "", 0);
    scan(3, "1", "1", "", 0);
}

TEST(Nconcat, DeUnAMilleContreUnCalculIndependant)
{
    for (int option = 2; option <= 3; ++option) {
        const auto a = attendu(option, 1, 1000);
        EXPECT_EQ(a.second, option == 2 ? 336 : 57);
        scan(option, "1", "1000", a.first, a.second);
    }
}

TEST(Nconcat, BornesRefuseesOuInversees)
{
    // 0 is refused at either bound; 50 then 10 asks both again, lower first.
    verifie("4\n2\n0\n50\n0\n10\n23\n+25\n1\n0\n0\n",
            menu() + SOUS_MENU + BAS + BAS + " \n  " + HAUT + HAUT + BAS + " \n  " + HAUT + MODE +
                ligne_effectif(2, 2) + SOUS_MENU + menu());
}
