// Choice 3 of the main menu: the primes between two limits, both included,
// listed without their ranks or only counted.
#include <cstdint>
#include <iostream>

#include "controle.h"
#include "operations.h"
#include "table.h"

int liste()
{
    std::int64_t debu1 = 1;
    std::int64_t fin1 = 0;

    std::cout << " \n ";
    while (debu1 > fin1) {
        controle_non_nul(11, "\n \t Limite inferieure ? : ");
        debu1 = valeur;
        std::cout << " \n  ";
        controle_non_nul(11, "\n \t Limite superieure ? : ");
        fin1 = valeur;
    }

    controle(1, "\n \n \t Afficher,  [1] L'effectif seulement / [0] Toute la liste : ? ");
    const int compter = valeur2;
    if (compter == 0) std::cout << " \n \n \t  Entre ces limites, les nombres premiers sont : ";

    // 64 bits: a count up to 2^63 - 1 cannot wrap.
    std::int64_t w1 = 0;

    // 2 and 3 are counted here, so that prem1 only ever sees odd values >= 5.
    while (debu1 <= 3 && debu1 <= fin1) {
        if (debu1 == 2 || debu1 == 3) {
            ++w1;
            if (compter == 0) std::cout << ' ' << debu1 << " , ";
        }
        ++debu1;
    }
    // An even debu1 is at most 2^63 - 2, so this step cannot overflow.
    if (debu1 > 3 && debu1 % 2 == 0) ++debu1;

    while (debu1 <= fin1) {
        const std::int64_t S3 = debu1;
        if (prem1(S3) == 1) {
            ++w1;
            if (compter == 0) std::cout << ' ' << S3 << " , ";
        }
        // Stop before stepping past fin1: near 2^63 - 1 the next odd value
        // would not fit in 64 bits.
        if (fin1 - debu1 < 2) break;
        debu1 += 2;
    }

    std::cout << " \n \n \t  Il y a  " << w1 << "  nombres premiers entre ces limites. \n \n \n ";
    return 1;
}
