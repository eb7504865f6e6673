// Choice 2 through the whole program: its entry texts, a session of every
// command, and a listing across a hundred break, compared byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"

namespace {

using S = std::string;
const S COURTE = "\n \n \n \t [K]  ou  [-K]  ou  [=K]  ou   [=-K]  ou   [0]   ? : ";
const S LONGUE = "\n \n \n \t [K]  ou  [-K]  ou  [=K]  ou  [=-K]   ou   [*]  ou   [0]  ? : ";

S textes_d_entree(const S& r, const S& p)
{
    return "\n" + S(107, '_') + "\n"
           " \n  \t  *****  CALCUL DE NOMBRES PREMIERS  ***** : "
           " \n \n \t  Le dernier nombre premier calcule est  :    [ " + r + " : " + p + " ] ."
           " \n \n \t  K etant un entier positif, vous pouvez saisir au debut et en cours d'utilisation : "
           " \n \n \t \t [K] :   Pour afficher les K nombres premiers suivants le dernier calcule. "
           " \n \n \t \t [=K] :  Pour afficher le nombre premier de rang K. Ce rang, doit etre superieur a :  " + r +
           " \n \n \t \t [-K] :  Pour afficher tous les nombres premiers superieurs a  " + p + "  jusqu'a la valeur K . "
           " \n \n \t \t [=-K] : Pour afficher le plus grand nombre premier superieur a  " + p + " et inferieur a K "
           " \n \n \t \t [*] :   Cette option permet d'afficher des nombres premiers isoles ou des sequences de nombres premiers, tous inferieurs au dernier deja calcule."
           " \n \t \t         Ce dernier nombre etant celui calcule depuis le premier lancement d'un des deux programmes : Decomposition et Liste.  "
           " \n \t \t         En fin de consultation on peut reprendre le calcul, a partir du dernier nombre premier calcule. "
           " \n \n \t \t [0] :   Pour arreter les calculs. \n ";
}

S statut(const S& r, const S& p) { return " \n \n \t  Dernier nombre calcule  :    [ " + r + " : " + p + " ] ." + LONGUE; }

void attendu(const S& entree, const S& sortie)
{
    const Session s = lance(entree);
    EXPECT_EQ(s.sortie, sortie);
    EXPECT_EQ(s.statut, 1);
    EXPECT_EQ(s.erreurs, "");
}

}  // namespace

TEST(ListeAvecRangs, SessionDeToutesLesCommandes)
{
    // "=-100" is refused once the last prime is 101; "0" ends the listing.
    attendu("2\n10\n=20\n-100\n=-100\n0\n0\n",
            menu() + textes_d_entree("2", "3") + COURTE +
            " \n \n \t Liste des nombres premiers :   [ 1 : 2 ]   [ 2 : 3 ] "
            "   [ 3 : 5 ]    [ 4 : 7 ]    [ 5 : 11 ]    [ 6 : 13 ]    [ 7 : 17 ]    [ 8 : 19 ]    [ 9 : 23 ] "
            "   [ 10 : 29 ]    [ 11 : 31 ]    [ 12 : 37 ] " +
            statut("12", "37") + " \n \n \t 20 eme nombre premier :    [ 20 : 71 ] " +
            statut("20", "71") + " \n \n \t Nombres premiers suivants :  "
            "   [ 21 : 73 ]    [ 22 : 79 ]    [ 23 : 83 ]    [ 24 : 89 ]    [ 25 : 97 ] " +
            statut("26", "101") + statut("26", "101") + " \n \n \t Nombres premiers suivants :  " + menu());
}

TEST(ListeAvecRangs, CoupureAuRang101EtRetourDuMenuDesSelections)
{
    const Session s = lance("2\n150\n*\n0\n=-881\n0\n2\n0\n0\n");
    const S debut = menu() + textes_d_entree("2", "3") + COURTE + " \n \n \t Liste des nombres premiers : ";
    ASSERT_EQ(s.sortie.substr(0, debut.size()), debut);
    const S reste = s.sortie.substr(debut.size());
    // Ranks 3 to 100, the break, then 101 (547) to 152 (881).
    EXPECT_EQ(reste.find("  [ 1 : 2 ]   [ 2 : 3 ]    [ 3 : 5 ] "), 0u);
    EXPECT_NE(reste.find("   [ 100 : 541 ]  \n \n \n    [ 101 : 547 ] "), S::npos);
    EXPECT_EQ(reste.find(" \n \n \n "), reste.find("   [ 101 : 547 ]") - 7);
    const auto fin = reste.find("   [ 152 : 881 ] ") + 17;
    // After the selection menu: the status line and the question again,
    // and no entry texts; then a new call of choice 2 shows the grown table.
    const S menu_sel = " \n \n \n \t AFFICHAGE";
    EXPECT_EQ(reste.substr(fin, statut("152", "881").size() + menu_sel.size()), statut("152", "881") + menu_sel);
    const S apres = reste.substr(reste.find("Quel est votre choix ? : ", fin) + 25);
    EXPECT_EQ(apres, statut("152", "881") + " \n \n \t 152 eme nombre premier :    [ 152 : 881 ] " + statut("153", "883") +
              " \n \n \t Nombres premiers suivants :  " + menu() + textes_d_entree("153", "883") + statut("153", "883") +
              " \n \n \t Nombres premiers suivants :  " + menu());
    EXPECT_EQ(s.statut, 1);
}
