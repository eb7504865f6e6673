// Choice 3 through the whole program: small ranges byte for byte, limits
// refused and asked again, listings against a sieve, counts against pi(x)
// and against windows sieved apart, and limits up to 2^63 - 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "harness.h"

namespace {

const std::string MODE = "\n \n \t Afficher,  [1] L'effectif seulement / [0] Toute la liste : ? ";

std::string effectif(std::size_t n)
{
    return " \n \n \t  Il y a  " + std::to_string(n) + "  nombres premiers entre ces limites. \n \n \n ";
}

// Choice 3 with limits a and b, in list mode then in count mode.
void verifie(const std::string& a, const std::string& b, const std::vector<std::int64_t>& p)
{
    std::string liste = " \n \n \t  Entre ces limites, les nombres premiers sont : ";
    for (auto q : p) liste += " " + std::to_string(q) + " , ";
    for (bool tout : {true, false})
        attendu("3\n" + a + "\n" + b + (tout ? "\n0\n0\n" : "\n1\n0\n"),
                MENU + " \n " + INF + " \n  " + SUP + MODE + (tout ? liste : "") + effectif(p.size()) + MENU);
}

// How many primes lie in [bas, haut], by a sieve of that window alone.
std::size_t compte_fenetre(std::int64_t bas, std::int64_t haut)
{
    std::vector<bool> compose(static_cast<std::size_t>(haut - bas + 1));
    const auto p = crible(static_cast<std::int64_t>(std::sqrt(static_cast<double>(haut))) + 1);
    for (std::size_t k = 1; k < p.size(); ++k)
        for (std::int64_t m = std::max(p[k] * p[k], (bas + p[k] - 1) / p[k] * p[k]); m <= haut; m += p[k])
            compose[static_cast<std::size_t>(m - bas)] = true;
    return static_cast<std::size_t>(std::count(compose.begin(), compose.end(), false));
}

}  // namespace

TEST(Liste, PetitesBornes)
{
    verifie("1", "1", {});
    verifie("2", "2", {2});
    verifie("1", "3", {2, 3});
    verifie("3", "5", {3, 5});
    verifie("4", "4", {});
    verifie("+25", "+29", {29});
}

TEST(Liste, LimitesRefuseesEtRedemandees)
{
    // 10 then 5: both asked again, the lower first; equal limits accepted.
    attendu("3\n10\n5\n7\n7\n0\n0\n", MENU + " \n " + fois(INF + " \n  " + SUP, 2) + MODE +
                                          " \n \n \t  Entre ces limites, les nombres premiers sont :  7 , " +
                                          effectif(1) + MENU);
    // Refused silently: 0, a sign, a leading zero, a value past 2^63 - 1,
    // and a display key other than 0 or 1. End of input at a limit.
    attendu("3\n0\n-1\n01\n9223372036854775808\n5\n0\n9\n2\n1\n0\n",
            MENU + " \n " + fois(INF, 5) + " \n  " + fois(SUP, 2) + fois(MODE, 2) + effectif(2) + MENU);
    attendu("3\n20\n", MENU + " \n " + INF + " \n  " + SUP + FIN_ENTREE);
}

TEST(Liste, ContreUnCrible)
{
    const auto p = crible(300000);
    for (auto [bas, haut] : {std::pair<std::int64_t, std::int64_t>{1, 100}, {1, 300000}, {4, 299999}, {149998, 150017}}) {
        std::vector<std::int64_t> dedans;
        std::copy_if(p.begin() + 1, p.end(), std::back_inserter(dedans), [&](auto q) { return q >= bas && q <= haut; });
        verifie(std::to_string(bas), std::to_string(haut), dedans);
    }
}

TEST(Liste, EffectifsPiDeXEtFenetresHautes)
{
    auto compte = [](std::int64_t bas, std::int64_t haut, std::size_t n) {
        attendu("3\n" + std::to_string(bas) + "\n" + std::to_string(haut) + "\n1\n0\n",
                MENU + " \n " + INF + " \n  " + SUP + MODE + effectif(n) + MENU);
    };
    compte(1, 1000000, 78498);
    compte(1, 10000000, 664579);
    // Across 2^32, and near 10^12, where the divisions work on 64 bits.
    for (auto [bas, haut] : {std::pair<std::int64_t, std::int64_t>{4294967000, 4294968000},
                             {999999999989, 1000000000039}, {1000000000000, 1000000100000}})
        compte(bas, haut, compte_fenetre(bas, haut));
}

TEST(Liste, LimitesJusquA2Puissance63MoinsUn)
{
    // No prime lies above 2^63 - 25, and every odd value from 2^63 - 29 on
    // but that one has a small factor. The last candidate is 2^63 - 1
    // itself: the next odd value would not fit in 64 bits.
    verifie("9223372036854775807", "9223372036854775807", {});
    verifie("9223372036854775784", "9223372036854775807", {});
    verifie("9223372036854775785", "9223372036854775806", {});
    verifie("9223372036854775779", "9223372036854775781", {});
}
