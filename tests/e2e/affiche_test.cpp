// The selection menu behind "*" through the whole program: its texts with
// the smallest table, and runs of primes of a fixed difference.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"

namespace {

using S = std::string;
const S BORNES = "\n \n \t Minorant ? :  \n  \n \n \t Majorant ? : "
                 "\n \n \t Difference entre les nombres premiers consecutifs cherches ? : "
                 " \n \n \t Minimum de nombres premiers consecutifs pour que l'affichage ait lieu ? : "
                 " \n \n ";

S menu_selections(const S& r, const S& p)
{
    return " \n \n \n \t AFFICHAGE DE SELECTIONS DES NOMBRES PREMIERS DEJA CALCULES. "
           " \n \n \t Le dernier nombre premier calcule est \t [ " + r + " : " + p + " ] ."
           " \n \n \t Voulez vous faire : "
           " \n \n \t \t [1] - Voir un nombre premier dont le rang donne est inferieur a " + r + " ? "
           " \n \n \t \t [2] - Voir le plus grand nombre premier majore par un nombre inferieur a " + p + " ? "
           " \n \n \t \t [3] - Voir tous les nombres premiers dont les rangs sont compris entre deux limites inferieures a " + r + " ? "
           " \n \n \t \t [4] - Voir tous les nombres premiers compris entre deux bornes inferieures a " + p + " ? "
           " \n \n \t \t [5] - Chercher les nombres premiers consecutifs de difference fixee, compris entre deux bornes inferieures a " + p + " ? "
           " \n \n \t \t [0] - Reprendre les calculs des nombres premiers superieurs a " + p + " de rang  " + r + " ? "
           "\n \n \n \t Quel est votre choix ? : ";
}

// What the program writes from the first selection menu up to the listing's
// question that follows the menu's choice 0.
S selections(const S& entree)
{
    const Session s = lance(entree);
    EXPECT_EQ(s.statut, 1);
    const auto a = s.sortie.find(" \n \n \n \t AFFICHAGE");
    const auto b = s.sortie.find(" \n \n \t  Dernier nombre calcule", a);
    return a == S::npos ? S() : s.sortie.substr(a, b - a);
}

}  // namespace

TEST(Selections, MenuAvecLaPlusPetiteTable)
{
    EXPECT_EQ(selections("2\n1\n*\n0\n0\n0\n"), menu_selections("3", "5"));
}

TEST(Selections, SuitesDeDifferenceFixee)
{
    // The table reaches 307 (rank 63) after "-300".
    const S m = menu_selections("63", "307");
    EXPECT_EQ(selections("2\n-300\n*\n5\n1\n20\n2\n2\n5\n1\n20\n2\n3\n5\n1\n300\n6\n3\n0\n0\n0\n"),
              m + BORNES +
              " \n    1  :     [ 2 : 3 ]    [ 3 : 5 ]    [ 4 : 7 ] "
              " \n    3  :     [ 5 : 11 ]    [ 6 : 13 ] "
              " \n    4  :     [ 7 : 17 ]    [ 8 : 19 ] " +
              m + BORNES + " \n    1  :     [ 2 : 3 ]    [ 3 : 5 ]    [ 4 : 7 ] " +
              m + BORNES +
              " \n    3  :     [ 15 : 47 ]    [ 16 : 53 ]    [ 17 : 59 ] "
              " \n    9  :     [ 36 : 151 ]    [ 37 : 157 ]    [ 38 : 163 ] "
              " \n    11  :     [ 39 : 167 ]    [ 40 : 173 ]    [ 41 : 179 ] "
              " \n    14  :     [ 54 : 251 ]    [ 55 : 257 ]    [ 56 : 263 ]    [ 57 : 269 ] " +
              m);
}
