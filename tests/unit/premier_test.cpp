// The listing with ranks and its selection menu in-process, on tables grown
// beforehand: commands refused and their bounds, the hundred break set by
// the rank, commands beyond 64 bits, the bounds of every selection, and the
// runs of twin primes against a sieve.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "commun.h"
#include "controle.h"
#include "dialogue.h"
#include "operations.h"
#include "table.h"

namespace {

using S = std::string;
const S RANG = " \n \n \t Rang du nombre ? : ", MAJN = "\n \n \t Majorant du nombre ? : ";
const S PP = "\n \n \t Plus petit rang ? : ", PG = "\n \t Plus grand rang ? : ";
const S MIN = "\n \n \t Minorant ? : ", MAJ = "\n \n \t Majorant ? : ";
const S DIF = "\n \n \t Difference entre les nombres premiers consecutifs cherches ? : ";
const S DOUB = " \n \n \t Minimum de nombres premiers consecutifs pour que l'affichage ait lieu ? : ";

void table_jusqu_au_rang(std::int64_t r)
{
    amorce();
    while (np < r) Suiv();
}

// What premier writes after its entry texts.
S commandes(const S& entree)
{
    const S s = dialogue(entree, [] { premier(); }), fin = "Pour arreter les calculs. \n ";
    return s.substr(s.find(fin) + fin.size());
}

// What affiche writes for `entree` then the choice 0, each menu shown as "|".
S selections(const S& entree)
{
    S s = dialogue(entree + "0\n", [] { affiche(); });
    for (std::size_t p; (p = s.find(" \n \n \n \t AFFICHAGE")) != S::npos;)
        s.replace(p, s.find("choix ? : ", p) + 10 - p, "|");
    return s;
}

S un_rang(std::int64_t r) { return " \n \n \t [ " + std::to_string(r) + " : " + std::to_string(P(r)) + " ] "; }

}  // namespace

TEST(Premier, RefusDepuisLaTableDeDepart)
{
    amorce();
    // "=1" "-1" "-2" "=-1" "=-2" refused, "*" too while np = 2; "=2" computes nothing.
    EXPECT_EQ(commandes("=1\n-1\n-2\n=-1\n=-2\n*\n=2\n0\n"), fois(COURTE, 7) + de_rang(2) + COURTE + AMORCE);
    EXPECT_EQ(np, 2);
    EXPECT_EQ(commandes("=0\n"), COURTE + de_rang(2));
    EXPECT_EQ(commandes("-3\n0\n"), COURTE + AMORCE + statut(3) + SUIVANTS);
    amorce();
    EXPECT_EQ(commandes("=-3\n=0\n"), COURTE + de_rang(2) + statut(3) + de_rang(3));
    EXPECT_EQ(un + voir, 0);
}

TEST(Premier, CoupureParLeRangEtCommandesHorsDu64Bits)
{
    table_jusqu_au_rang(150);
    EXPECT_EQ(commandes("100\n0\n"), statut(150) + SUIVANTS + entrees(151, 200) + " \n \n \n " + entrees(201, 250) +
                                         statut(250) + SUIVANTS);
    // From a table left by another operation: "=5" below the last rank is
    // refused and clears the "=", so "5" lists five primes; [-K] with K the
    // last prime lists nothing but computes the next prime; np + K overflows.
    table_jusqu_au_rang(7);
    EXPECT_EQ(commandes("=7\n=5\n5\n-37\n9223372036854775795\n0\n"),
              statut(7) + de_rang(7) + fois(statut(7), 2) + SUIVANTS + entrees(8, 12) + statut(12) + SUIVANTS +
                  fois(statut(13), 2) + SUIVANTS);
    EXPECT_EQ(np, 13);
    // No 64-bit prime lies above these K; -2^63 has no negation.
    amorce();
    EXPECT_EQ(commandes("9223372036854775806\n9223372036854775807\n-9223372036854775783\n=-9223372036854775783\n"
                        "-9223372036854775807\n-9223372036854775808\n=-9223372036854775808\n0\n"),
              fois(COURTE, 8) + AMORCE);
}

TEST(Selections, Options1A4AuxBornes)
{
    table_jusqu_au_rang(26);
    EXPECT_EQ(selections("1\n27\n0\n26\n1\n1\n"), "|" + fois(RANG, 3) + un_rang(26) + "|" + RANG + un_rang(1) + "|");
    EXPECT_EQ(selections("2\n102\n101\n2\n10\n2\n2\n2\n1\n"), "|" + fois(MAJN, 2) + un_rang(26) + "|" + MAJN + un_rang(4) +
                                                              "|" + MAJN + un_rang(1) + "|" + MAJN + " \n \n \t [ 0 : 0 ] |");
    const S valeurs = MIN + " \n  " + MAJ;
    EXPECT_EQ(selections("4\n8\n10\n4\n7\n7\n4\n1\n12\n4\n102\n98\n102\n101\n4\n10\n8\n8\n10\n"),
              "|" + valeurs + " \n \n |" + valeurs + " \n \n " + entrees(4, 4) + "|" + valeurs + " \n \n  \n \n \n " +
                  entrees(1, 5) + "|" + MIN + valeurs + MAJ + " \n \n " + entrees(26, 26) + "|" + fois(valeurs, 2) + " \n \n |");
    // A lower rank above np is asked again at once; lower > upper asks both again.
    table_jusqu_au_rang(150);
    const S rangs = PP + " \n  " + PG;
    EXPECT_EQ(selections("3\n150\n150\n3\n1\n3\n3\n100\n101\n3\n151\n4\n151\n3\n2\n3\n"),
              "|" + rangs + " \n \n " + entrees(150, 150) + "|" + rangs + " \n \n  \n \n \n " + entrees(1, 3) + "|" + rangs +
                  " \n \n " + entrees(100, 100) + " \n \n \n " + entrees(101, 101) + "|" + PP + rangs + PG + rangs +
                  " \n \n " + entrees(2, 3) + "|");
}

TEST(Selections, SuitesCasLimitesEtJumeauxContreUnCrible)
{
    table_jusqu_au_rang(26);
    const S debut = "|" + MIN + " \n  " + MAJ + DIF + DOUB;
    // A minimum of 1 is asked again; a run ending at the upper bound; none.
    EXPECT_EQ(selections("5\n2\n3\n1\n1\n2\n5\n1\n101\n3\n2\n5\n12\n16\n2\n2\n"),
              debut + DOUB + " \n \n  \n    1  :  " + entrees(1, 2) + debut + " \n \n " + debut + " \n \n |");
    // Twin primes up to 29000: each run line holds consecutive primes 2
    // apart; the number of lines and the last label follow from the pairs.
    while (Nprem[np] <= 30000) Suiv();
    const auto p = crible(30000);
    const std::set<std::int64_t> premiers(p.begin() + 1, p.end());
    for (std::int64_t bas : {1, 100}) {
        std::int64_t paires = 0, lignes = 0, etiquette = 0;
        for (std::int64_t q : premiers) paires += q >= bas && q + 2 <= 29000 && premiers.count(q + 2);
        const S s = selections("5\n" + std::to_string(bas) + "\n29000\n2\n2\n");
        for (std::size_t i = 0; (i = s.find(" \n    ", i)) != S::npos; ++lignes) {
            etiquette = std::stoll(s.substr(i += 6));
            i = s.find("  :  ", i) + 5;
            const S ligne = s.substr(i, s.find_first_of("\n|", i) - i);
            std::int64_t avant = 0;
            for (std::size_t j = 0; (j = ligne.find(" : ", j)) != S::npos; ++j) {
                const std::int64_t x = std::stoll(ligne.substr(j + 3));
                EXPECT_TRUE(premiers.count(x) && (avant == 0 || x == avant + 2)) << ligne;
                avant = x;
            }
        }
        // From 1, the run 3, 5, 7 holds two pairs on one line.
        EXPECT_EQ(lignes, bas == 1 ? paires - 1 : paires);
        EXPECT_EQ(etiquette, paires);
    }
}
