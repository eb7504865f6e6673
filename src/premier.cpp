// Main-menu choice 2: lists primes with their ranks, extending the table as
// far as each command needs; "*" opens the selection menu.
#include <cstdint>
#include <iostream>
#include <limits>
#include <string>

#include "controle.h"
#include "operations.h"
#include "rangs.h"
#include "table.h"

namespace {

constexpr std::int64_t MAX64 = std::numeric_limits<std::int64_t>::max();
// The largest prime below 2^63 (2^63 - 25): a bound K at or above it has no
// prime of the signed 64-bit range beyond it.
constexpr std::int64_t DERNIER_PREMIER_64 = 9223372036854775783;

const char* const INVITE_COURTE = "\n \n \n \t [K]  ou  [-K]  ou  [=K]  ou   [=-K]  ou   [0]   ? : ";
const char* const INVITE_LONGUE = "\n \n \n \t [K]  ou  [-K]  ou  [=K]  ou  [=-K]   ou   [*]  ou   [0]  ? : ";

void textes_d_entree()
{
    const std::int64_t p = Nprem[np];
    std::cout << "\n" << std::string(107, '_') << "\n"
              << " \n  \t  *****  CALCUL DE NOMBRES PREMIERS  ***** : "
              << " \n \n \t  Le dernier nombre premier calcule est  :    [ " << np << " : " << p << " ] ."
              << " \n \n \t  K etant un entier positif, vous pouvez saisir au debut et en cours d'utilisation : "
              << " \n \n \t \t [K] :   Pour afficher les K nombres premiers suivants le dernier calcule. "
              << " \n \n \t \t [=K] :  Pour afficher le nombre premier de rang K. Ce rang, doit etre superieur a :  " << np
              << " \n \n \t \t [-K] :  Pour afficher tous les nombres premiers superieurs a  " << p << "  jusqu'a la valeur K . "
              << " \n \n \t \t [=-K] : Pour afficher le plus grand nombre premier superieur a  " << p << " et inferieur a K "
              << " \n \n \t \t [*] :   Cette option permet d'afficher des nombres premiers isoles ou des sequences de nombres premiers, tous inferieurs au dernier deja calcule."
              << " \n \t \t         Ce dernier nombre etant celui calcule depuis le premier lancement d'un des deux programmes : Decomposition et Liste.  "
              << " \n \t \t         En fin de consultation on peut reprendre le calcul, a partir du dernier nombre premier calcule. "
              << " \n \n \t \t [0] :   Pour arreter les calculs. \n ";
}

// A command the table cannot serve within 2^63 - 1: [K] whose target rank
// np + K overflows, or [-K] / [=-K] with no prime above K in range (this
// also keeps -K from being taken of -2^63).
bool hors_de_portee(std::int64_t K)
{
    if (K > 0) return un == 0 && K > MAX64 - np;
    return K < 0 && K <= -DERNIER_PREMIER_64;
}

}  // namespace

int premier()
{
    std::int64_t K = 0;
    int fois = 0;
    textes_d_entree();

    while (K != 0 || fois == 0) {
        fois = 1;
        int refaire2 = 1;
        while (refaire2 == 1) {
            const char* message = INVITE_COURTE;
            if (np != 2) {
                std::cout << " \n \n \t  Dernier nombre calcule  :    [ " << np << " : " << Nprem[np] << " ] .";
                message = INVITE_LONGUE;
            }
            controle(7, message);
            K = valeur;
            // [=K] below the last rank, and [-K] / [=-K] below the last
            // prime, would have nothing to compute: asked again.
            if (voir != 1 && ((un == 1 && 0 < K && K < np) || (-Nprem[np] < K && K < 0) || hors_de_portee(K)))
                un = 0;
            else
                refaire2 = 0;
        }

        if (voir == 1) {
            affiche();
            voir = 2;
            fois = 0;
            continue;
        }

        if (un == 0 && K > 0) K = np + K;
        const std::int64_t np0 = np;
        // K >= 0: up to rank K. K < 0: until the last prime passes -K,
        // which exists since -K < the largest 64-bit prime.
        while ((K > 0 && K > np) || (K < 0 && Nprem[np] <= -K)) Suiv();
        std::int64_t np1 = np;
        if (K < 0) np1 = np - 1;

        if (un == 1) {
            std::cout << " \n \n \t " << np1 << " eme nombre premier : ";
            entree_rang(np1);
        } else {
            if (np0 == 2)
                std::cout << " \n \n \t Liste des nombres premiers : " << "  [ 1 : 2 ]   [ 2 : 3 ] ";
            else
                std::cout << " \n \n \t Nombres premiers suivants :  ";
            liste_rangs(np0 + 1, np1);
        }
        un = 0;
        voir = 0;
    }
    return 1;
}
