// The selection menu behind "*" of the listing with ranks: shows primes
// already in the table (by rank, by bound, by range, runs of a fixed
// difference) without ever extending it.
#include <cstdint>
#include <iostream>

#include "controle.h"
#include "operations.h"
#include "rangs.h"
#include "table.h"

namespace {

// An unsigned number question that refuses 0.
std::int64_t demande(const char* message)
{
    controle_non_nul(4, message);
    return valeur;
}

// A rank of the table, 1..np; anything else is asked again.
std::int64_t demande_rang(const char* message)
{
    std::int64_t r;
    do r = demande(message);
    while (r < 1 || r > np);
    return r;
}

// A value up to the last prime; anything above is asked again.
std::int64_t demande_valeur(const char* message)
{
    std::int64_t m;
    do m = demande(message);
    while (Nprem[np] < m);
    return m;
}

// Lower then upper value bound, both asked again while lower > upper.
void demande_bornes(std::int64_t& maj1, std::int64_t& maj)
{
    do {
        maj1 = demande_valeur("\n \n \t Minorant ? : ");
        std::cout << " \n  ";
        maj = demande_valeur("\n \n \t Majorant ? : ");
    } while (maj1 > maj);
}

// Highest rank r >= r0 - 1 such that every prime of ranks r0..r is at most
// maj; r0 - 1 when Nprem[r0] already exceeds it. Reads nothing past np.
std::int64_t dernier_rang_majore(std::int64_t r0, std::int64_t maj)
{
    std::int64_t r = r0 - 1;
    while (r < np && Nprem[r + 1] <= maj) ++r;
    return r;
}

// First rank whose prime is at least maj1 (np at the latest).
std::int64_t premier_rang_minore(std::int64_t maj1)
{
    std::int64_t r1 = 1;
    while (r1 < np && Nprem[r1] < maj1) ++r1;
    return r1;
}

void menu_selections()
{
    const std::int64_t p = Nprem[np];
    std::cout << " \n \n \n \t AFFICHAGE DE SELECTIONS DES NOMBRES PREMIERS DEJA CALCULES. "
              << " \n \n \t Le dernier nombre premier calcule est \t [ " << np << " : " << p << " ] ."
              << " \n \n \t Voulez vous faire : "
              << " \n \n \t \t [1] - Voir un nombre premier dont le rang donne est inferieur a " << np << " ? "
              << " \n \n \t \t [2] - Voir le plus grand nombre premier majore par un nombre inferieur a " << p << " ? "
              << " \n \n \t \t [3] - Voir tous les nombres premiers dont les rangs sont compris entre deux limites inferieures a " << np << " ? "
              << " \n \n \t \t [4] - Voir tous les nombres premiers compris entre deux bornes inferieures a " << p << " ? "
              << " \n \n \t \t [5] - Chercher les nombres premiers consecutifs de difference fixee, compris entre deux bornes inferieures a " << p << " ? "
              << " \n \n \t \t [0] - Reprendre les calculs des nombres premiers superieurs a " << p << " de rang  " << np << " ? ";
}

void un_rang(std::int64_t r)
{
    std::cout << " \n \n \t [ " << r << " : " << Nprem[r] << " ] ";
}

// Runs of consecutive primes of ranks r1..r whose gaps all equal dif, shown
// once they hold doub primes; each labelled by the place of its first pair
// among all pairs of gap dif in the range.
void suites(std::int64_t r1, std::int64_t r, std::int64_t dif, std::int64_t doub)
{
    std::int64_t v = 0;
    std::int64_t db = 1;
    for (std::int64_t t = r1 + 1; t <= r; ++t) {
        if (Nprem[t] - Nprem[t - 1] == dif) {
            ++db;
            ++v;
            if (db == doub) {
                // Here v >= doub - 1 and t - doub + 1 >= r1: no overflow.
                std::cout << " \n    " << v - doub + 2 << "  :  ";
                for (std::int64_t w = doub - 1; w >= 0; --w) entree_rang(t - w);
            } else if (db > doub) {
                entree_rang(t);
            }
        } else {
            db = 1;
        }
    }
}

}  // namespace

int affiche()
{
    int choix2 = 5;
    while (choix2 != 0) {
        menu_selections();
        controle(8, "\n \n \n \t Quel est votre choix ? : ");
        choix2 = valeur2;

        if (choix2 == 1) {
            un_rang(demande_rang(" \n \n \t Rang du nombre ? : "));
        } else if (choix2 == 2) {
            const std::int64_t maj = demande_valeur("\n \n \t Majorant du nombre ? : ");
            // Rank 0 (its value 0) when no prime is at most maj: the bound 1.
            un_rang(dernier_rang_majore(1, maj));
        } else if (choix2 == 3) {
            std::int64_t r1, r;
            do {
                r1 = demande_rang("\n \n \t Plus petit rang ? : ");
                std::cout << " \n  ";
                r = demande_rang("\n \t Plus grand rang ? : ");
            } while (r1 > r);
            std::cout << " \n \n ";
            liste_rangs(r1, r);
        } else if (choix2 == 4) {
            std::int64_t maj1, maj;
            demande_bornes(maj1, maj);
            const std::int64_t r1 = premier_rang_minore(maj1);
            std::cout << " \n \n ";
            liste_rangs(r1, dernier_rang_majore(r1, maj));
        } else if (choix2 == 5) {
            std::int64_t maj1, maj;
            demande_bornes(maj1, maj);
            const std::int64_t dif = demande("\n \n \t Difference entre les nombres premiers consecutifs cherches ? : ");
            std::int64_t doub;
            do doub = demande(" \n \n \t Minimum de nombres premiers consecutifs pour que l'affichage ait lieu ? : ");
            while (doub <= 1);
            const std::int64_t r1 = premier_rang_minore(maj1);
            std::cout << " \n \n ";
            suites(r1, dernier_rang_majore(r1, maj), dif, doub);
        }
    }
    return 1;
}
