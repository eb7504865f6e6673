// The listing with ranks and its selection menu, run in-process: commands
// and their refusals, the hundred breaks, the bounds of every selection,
// and two cross-checks against a sieve and against each other.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "controle.h"
#include "dialogue.h"
#include "operations.h"
#include "table.h"

namespace {

using S = std::string;
const S COURTE = "\n \n \n \t [K]  ou  [-K]  ou  [=K]  ou   [=-K]  ou   [0]   ? : ";
const S LONGUE = "\n \n \n \t [K]  ou  [-K]  ou  [=K]  ou  [=-K]   ou   [*]  ou   [0]  ? : ";
const S SUIVANTS = " \n \n \t Nombres premiers suivants :  ";
const S AMORCE = " \n \n \t Liste des nombres premiers :   [ 1 : 2 ]   [ 2 : 3 ] ";
const S RANG = " \n \n \t Rang du nombre ? : ", MAJN = "\n \n \t Majorant du nombre ? : ";
const S PP = "\n \n \t Plus petit rang ? : ", PG = "\n \t Plus grand rang ? : ";
const S MIN = "\n \n \t Minorant ? : ", MAJ = "\n \n \t Majorant ? : ";
const S DIF = "\n \n \t Difference entre les nombres premiers consecutifs cherches ? : ";
const S DOUB = " \n \n \t Minimum de nombres premiers consecutifs pour que l'affichage ait lieu ? : ";

// P[r]: the prime of rank r, from a sieve independent of the table.
std::vector<std::int64_t> crible(std::int64_t n)
{
    std::vector<bool> compose(static_cast<std::size_t>(n + 1));
    std::vector<std::int64_t> p{0};
    for (std::int64_t a = 2; a <= n; ++a)
        if (!compose[a]) {
            p.push_back(a);
            for (std::int64_t m = a * a; m <= n; m += a) compose[m] = true;
        }
    return p;
}
const std::vector<std::int64_t> P = crible(30000);

S e(std::int64_t t) { return "   [ " + std::to_string(t) + " : " + std::to_string(P[t]) + " ] "; }
S es(std::int64_t a, std::int64_t b)
{
    S s;
    for (auto t = a; t <= b; ++t) s += e(t);
    return s;
}
S statut(std::int64_t r) { return " \n \n \t  Dernier nombre calcule  :    [ " + std::to_string(r) + " : " + std::to_string(P[r]) + " ] ." + LONGUE; }
S rangh(std::int64_t r) { return " \n \n \t " + std::to_string(r) + " eme nombre premier : " + e(r); }
S un_rang(std::int64_t r) { return " \n \n \t [ " + std::to_string(r) + " : " + std::to_string(P[r]) + " ] "; }

void table_jusqu_au_rang(std::int64_t r)
{
    amorce();
    while (np < r) Suiv();
}

// What premier writes after its entry texts.
S apres_entree(const S& s)
{
    const S fin = " \n \n \t \t [0] :   Pour arreter les calculs. \n ";
    return s.substr(s.find(fin) + fin.size());
}
S commandes(const S& entree) { return apres_entree(dialogue(entree, [] { premier(); })); }

// What affiche writes for `entree` (then choice 0), each menu shown as "|".
S selections(const S& entree)
{
    S s = dialogue(entree + "0\n", [] { affiche(); });
    const S debut = " \n \n \n \t AFFICHAGE", fin = "Quel est votre choix ? : ";
    for (std::size_t p; (p = s.find(debut)) != S::npos;) s.replace(p, s.find(fin, p) + fin.size() - p, "|");
    return s;
}

}  // namespace

TEST(Premier, RefusDepuisLaTableDeDepart)
{
    amorce();
    // "=1" "-1" "-2" "=-1" "=-2" refused, "*" too while np = 2; "=2" computes nothing.
    EXPECT_EQ(commandes("=1\n-1\n-2\n=-1\n=-2\n*\n=2\n0\n"), COURTE + COURTE + COURTE + COURTE +
              COURTE + COURTE + COURTE + rangh(2) + COURTE + AMORCE);
    EXPECT_EQ(np, 2);
    EXPECT_EQ(commandes("=0\n"), COURTE + rangh(2));
    EXPECT_EQ(commandes("-3\n0\n"), COURTE + AMORCE + statut(3) + SUIVANTS);
    EXPECT_EQ(np, 3);
    amorce();
    EXPECT_EQ(commandes("=-3\n=0\n"), COURTE + rangh(2) + statut(3) + rangh(3));
    EXPECT_EQ(un, 0);
    EXPECT_EQ(voir, 0);
}

TEST(Premier, TableLaisseeParUneAutreOperation)
{
    table_jusqu_au_rang(7);
    const S s = dialogue("=7\n=5\n5\n-37\n0\n", [] { premier(); });
    EXPECT_NE(s.find("est  :    [ 7 : 17 ] . \n"), S::npos);
    EXPECT_NE(s.find("superieur a :  7 \n"), S::npos);
    EXPECT_NE(s.find("superieurs a  17  jusqu'a"), S::npos);
    // "=5" refused clears the "=": the next "5" lists five primes; [-K] with
    // K the last prime lists nothing but computes the next prime.
    EXPECT_EQ(apres_entree(s), statut(7) + rangh(7) + statut(7) + statut(7) + SUIVANTS + es(8, 12) +
              statut(12) + SUIVANTS + statut(13) + SUIVANTS);
}

TEST(Premier, CoupureDeCentDecideeParLeRang)
{
    table_jusqu_au_rang(150);
    EXPECT_EQ(commandes("100\n0\n"), statut(150) + SUIVANTS + es(151, 200) + " \n \n \n " + es(201, 250) +
              statut(250) + SUIVANTS);
}

TEST(Premier, CommandesHorsDuTableau64BitsRefusees)
{
    amorce();
    // 2 + K overflows; no 64-bit prime lies above these K; -2^63 has no negation.
    EXPECT_EQ(commandes("9223372036854775806\n9223372036854775807\n-9223372036854775783\n=-9223372036854775783\n"
                        "-9223372036854775807\n-9223372036854775808\n=-9223372036854775808\n0\n"),
              S(COURTE) + COURTE + COURTE + COURTE + COURTE + COURTE + COURTE + COURTE + AMORCE);
    table_jusqu_au_rang(5);
    EXPECT_EQ(commandes("9223372036854775803\n0\n"), statut(5) + statut(5) + SUIVANTS);
    EXPECT_EQ(np, 5);
}

TEST(Affiche, ApresMoinsCentLeMenuMontreLesPremiersCalcules)
{
    amorce();
    const S s = commandes("-100\n*\n1\n26\n0\n0\n");
    EXPECT_NE(s.find("calcule est \t [ 26 : 101 ] ."), S::npos);
    EXPECT_NE(s.find(RANG + un_rang(26) + " \n \n \n \t AFFICHAGE"), S::npos);
    // Back from the menu: status line and the question, no entry texts.
    EXPECT_EQ(s.substr(s.rfind("choix ? : ")), "choix ? : " + statut(26) + SUIVANTS);
}

TEST(Affiche, Options1Et2AuxBornes)
{
    table_jusqu_au_rang(26);
    EXPECT_EQ(selections("1\n27\n0\n26\n1\n1\n"), "|" + RANG + RANG + RANG + un_rang(26) + "|" + RANG + un_rang(1) + "|");
    EXPECT_EQ(selections("2\n102\n101\n2\n10\n2\n2\n"), "|" + MAJN + MAJN + un_rang(26) + "|" + MAJN + un_rang(4) + "|" +
              MAJN + un_rang(1) + "|");
    EXPECT_EQ(selections("2\n1\n"), "|" + MAJN + " \n \n \t [ 0 : 0 ] |");
}

TEST(Affiche, Option3AuxBornes)
{
    table_jusqu_au_rang(150);
    const S paire = PP + " \n  " + PG;
    EXPECT_EQ(selections("3\n150\n150\n3\n1\n3\n3\n100\n101\n"), "|" + paire + " \n \n " + e(150) + "|" + paire +
              " \n \n " + " \n \n \n " + es(1, 3) + "|" + paire + " \n \n " + e(100) + " \n \n \n " + e(101) + "|");
    // A lower rank above np is asked again at once; lower > upper asks both again.
    EXPECT_EQ(selections("3\n151\n4\n151\n3\n2\n3\n"), "|" + PP + paire + PG + paire + " \n \n " + es(2, 3) + "|");
}

TEST(Affiche, Option4AuxBornes)
{
    table_jusqu_au_rang(26);
    const S paire = MIN + " \n  " + MAJ;
    EXPECT_EQ(selections("4\n8\n10\n4\n7\n7\n4\n1\n12\n4\n1\n1\n4\n102\n98\n102\n101\n4\n10\n8\n8\n10\n"),
              "|" + paire + " \n \n |" + paire + " \n \n " + e(4) + "|" + paire + " \n \n " + " \n \n \n " + es(1, 5) + "|" +
              paire + " \n \n |" + MIN + paire + MAJ + " \n \n " + e(26) + "|" + paire + paire + " \n \n |");
}

TEST(Affiche, Option5CasLimites)
{
    table_jusqu_au_rang(26);
    const S debut = "|" + MIN + " \n  " + MAJ + DIF + DOUB;
    EXPECT_EQ(selections("5\n2\n3\n1\n1\n2\n"), debut + DOUB + " \n \n  \n    1  :  " + es(1, 2) + "|");
    EXPECT_EQ(selections("5\n1\n101\n3\n2\n"), debut + " \n \n |");
    EXPECT_EQ(selections("5\n12\n16\n2\n2\n"), debut + " \n \n |");
}

TEST(Recoupement, ListeKContreOption3)
{
    amorce();
    const S s = dialogue("300\n*\n3\n3\n302\n0\n0\n", [] { premier(); });
    const auto a = s.find(AMORCE) + AMORCE.size(), b = s.find(" \n \n \t  Dernier", a);
    const auto c = s.find(PG) + PG.size() + 5, d = s.find(" \n \n \n \t AFFICHAGE", c);
    const S par_k = s.substr(a, b - a), par_rangs = s.substr(c, d - c);
    EXPECT_EQ(par_k, par_rangs);
    EXPECT_EQ(par_k, es(3, 100) + " \n \n \n " + es(101, 200) + " \n \n \n " + es(201, 300) + " \n \n \n " + es(301, 302));
}

// Twin primes: each run line holds consecutive primes 2 apart; the count of
// lines and the highest label follow from the number of twin pairs.
TEST(Recoupement, JumeauxContreUnCrible)
{
    amorce();
    while (Nprem[np] <= 30000) Suiv();
    const std::set<std::int64_t> premiers(P.begin() + 1, P.end());
    for (std::int64_t bas : {1, 100}) {
        const std::int64_t haut = 29000;
        std::int64_t paires = 0;
        for (std::int64_t p : premiers) paires += p >= bas && p + 2 <= haut && premiers.count(p + 2);
        const S s = selections("5\n" + std::to_string(bas) + "\n" + std::to_string(haut) + "\n2\n2\n");
        std::int64_t lignes = 0, etiquette = 0;
        for (std::size_t p = 0; (p = s.find(" \n    ", p)) != S::npos; ++lignes) {
            p += 6;
            etiquette = std::stoll(s.substr(p));
            p = s.find("  :  ", p) + 5;
            const S ligne = s.substr(p, s.find_first_of("\n|", p) - p);
            std::int64_t avant = 0;
            for (std::size_t q = 0; (q = ligne.find(" : ", q)) != S::npos; ++q) {
                const std::int64_t x = std::stoll(ligne.substr(q + 3));
                EXPECT_TRUE(premiers.count(x) && (avant == 0 || x == avant + 2)) << ligne;
                avant = x;
            }
        }
        // From 1 the run 3, 5, 7 holds two pairs on one line.
        EXPECT_EQ(lignes, bas == 1 ? paires - 1 : paires);
        EXPECT_EQ(etiquette, paires);
    }
}
