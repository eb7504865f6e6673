// Choice 2 and its selection menu through the whole program: the reference
// session of every command, the hundred break, the selection menu and its
// runs of a fixed difference; and the table one operation leaves to the next.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "harness.h"

namespace {

using S = std::string;

S textes_d_entree(std::int64_t np)
{
    const S r = std::to_string(np), p = std::to_string(P(np));
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

S menu_selections(std::int64_t np)
{
    const S r = std::to_string(np), p = std::to_string(P(np));
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

}  // namespace

TEST(ListeAvecRangs, SessionDeReference)
{
    // "=-100" is refused once the last prime is 101; "0" ends the listing.
    attendu("2\n10\n=20\n-100\n=-100\n0\n0\n",
            MENU + textes_d_entree(2) + COURTE + AMORCE + entrees(3, 12) + statut(12) + de_rang(20) + statut(20) +
                SUIVANTS + entrees(21, 25) + statut(26) + statut(26) + SUIVANTS + MENU);
}

TEST(ListeAvecRangs, CoupureAuRang101EtRetourDesSelections)
{
    // Back from the selection menu: the status line and the question, no
    // entry texts.
    attendu("2\n150\n*\n0\n0\n0\n", MENU + textes_d_entree(2) + COURTE + AMORCE + entrees(3, 100) + " \n \n \n " +
                                        entrees(101, 152) + statut(152) + menu_selections(152) + statut(152) +
                                        SUIVANTS + MENU);
}

TEST(Selections, SuitesDeDifferenceFixee)
{
    // Bounds 1 and 20, difference 2, minimum 2 then 3; bounds 1 and 300,
    // difference 6, minimum 3, with the table up to 307.
    const S questions = "\n \n \t Minorant ? :  \n  \n \n \t Majorant ? : "
                        "\n \n \t Difference entre les nombres premiers consecutifs cherches ? : "
                        " \n \n \t Minimum de nombres premiers consecutifs pour que l'affichage ait lieu ? : "
                        " \n \n ";
    const S m = menu_selections(63);
    attendu("2\n-300\n*\n5\n1\n20\n2\n2\n5\n1\n20\n2\n3\n5\n1\n300\n6\n3\n0\n0\n0\n",
            MENU + textes_d_entree(2) + COURTE + AMORCE + entrees(3, 62) + statut(63) + m + questions +
                " \n    1  :  " + entrees(2, 4) + " \n    3  :  " + entrees(5, 6) + " \n    4  :  " + entrees(7, 8) + m +
                questions + " \n    1  :  " + entrees(2, 4) + m + questions + " \n    3  :  " + entrees(15, 17) +
                " \n    9  :  " + entrees(36, 38) + " \n    11  :  " + entrees(39, 41) + " \n    14  :  " +
                entrees(54, 57) + m + statut(63) + SUIVANTS + MENU);
}

TEST(TablePartagee, LaListeMontreCeQueLaisseUneOperation)
{
    // 1009 is divided up to 37, the first prime above its root; the
    // selections never extend the table.
    std::vector<std::pair<S, std::int64_t>> cas = {
        {"1\n20014\n0\n", 26}, {"1\n97\n0\n1\n25\n0\n", 5}, {"4\n1\n1009\n0\n0\n", 12}, {"2\n5\n*\n1\n7\n0\n0\n", 7}};
    // Choice 3 in both modes: 2 and 3 need no division; each odd candidate
    // from 5 on is divided up to its smallest factor or the first prime
    // above its root.
    const auto p = crible(1002000);
    for (auto [bas, haut] : {std::pair<std::int64_t, std::int64_t>{1, 3}, {4, 4}, {1, 10}, {10, 20}, {25, 25}, {121, 121},
                             {120, 122}, {1, 1000}, {961, 966}, {1000, 1020}, {999000, 1000000}, {999999, 1000000}}) {
        std::int64_t loin = 2;
        for (std::int64_t c = std::max<std::int64_t>(bas, 5) | 1; c <= haut; c += 2) loin = std::max(loin, marche(p, c).second);
        for (const char* mode : {"\n0\n", "\n1\n"})
            cas.emplace_back("3\n" + std::to_string(bas) + "\n" + std::to_string(haut) + mode, loin);
    }
    for (const auto& [session, np] : cas) {
        const Session s = lance(session + "2\n0\n0\n");
        const S apres = np > 2 ? statut(np) + SUIVANTS : COURTE + AMORCE;
        EXPECT_NE(s.sortie.find(MENU + textes_d_entree(np) + apres + MENU), S::npos) << session;
    }
}
