// Choice 3 through the whole program: ranges against a sieve of their own
// window, in both modes and byte for byte; limits refused and asked again;
// counts against pi(x); limits up to 2^63 - 1.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "harness.h"

namespace {

const std::string MODE = "\n \n \t Afficher,  [1] L'effectif seulement / [0] Toute la liste : ? ";

std::string effectif(std::size_t n)
{
    return " \n \n \t  Il y a  " + std::to_string(n) + "  nombres premiers entre ces limites. \n \n \n ";
}

// The primes in [bas, haut], by a sieve of that window alone.
std::vector<std::int64_t> fenetre(std::int64_t bas, std::int64_t haut)
{
    std::vector<bool> compose(static_cast<std::size_t>(haut - bas + 1));
    const auto p = crible(static_cast<std::int64_t>(std::sqrt(static_cast<double>(haut))) + 1);
    for (std::size_t k = 1; k < p.size(); ++k)
        for (std::int64_t m = std::max(p[k] * p[k], (bas + p[k] - 1) / p[k] * p[k]); m <= haut; m += p[k])
            compose[static_cast<std::size_t>(m - bas)] = true;
    std::vector<std::int64_t> r;
    for (std::int64_t v = std::max<std::int64_t>(bas, 2); v <= haut; ++v)
        if (!compose[static_cast<std::size_t>(v - bas)]) r.push_back(v);
    return r;
}

// Choice 3 with limits a and b, in list mode then in count mode.
void verifie(const std::string& a, const std::string& b, const std::vector<std::int64_t>& p, bool liste = true)
{
    std::string l = " \n \n \t  Entre ces limites, les nombres premiers sont : ";
    for (auto q : p) l += " " + std::to_string(q) + " , ";
    for (bool tout : {liste, false})
        attendu("3\n" + a + "\n" + b + (tout ? "\n0\n0\n" : "\n1\n0\n"),
                MENU + " \n " + INF + " \n  " + SUP + MODE + (tout ? l : "") + effectif(p.size()) + MENU);
}

}  // namespace

TEST(Liste, ContreUnCrible)
{
    for (auto [a, b] : {std::pair{"1", "1"}, {"2", "2"}, {"1", "3"}, {"3", "5"}, {"4", "4"}, {"+25", "+29"}, {"1", "100"},
                        {"1", "300000"}, {"4", "299999"}, {"149998", "150017"}})
        verifie(a, b, fenetre(std::stoll(a), std::stoll(b)));
    // Across 2^32 and near 10^12, where the divisions work on 64 bits.
    for (auto [a, b] : {std::pair{"4294967000", "4294968000"}, {"999999999989", "1000000000039"}})
        verifie(a, b, fenetre(std::stoll(a), std::stoll(b)));
    verifie("1000000000000", "1000000100000", fenetre(1000000000000, 1000000100000), false);
}

TEST(Liste, EffectifsPiDeX)
{
    for (auto [haut, n] : {std::pair{"1000000", 78498u}, {"10000000", 664579u}})
        attendu("3\n1\n" + std::string(haut) + "\n1\n0\n", MENU + " \n " + INF + " \n  " + SUP + MODE + effectif(n) + MENU);
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

TEST(Liste, LimitesRefuseesEtRedemandees)
{
    // 10 then 5: both asked again, the lower first; equal limits accepted.
    attendu("3\n10\n5\n7\n7\n0\n0\n", MENU + " \n " + fois(INF + " \n  " + SUP, 2) + MODE +
                                          " \n \n \t  Entre ces limites, les nombres premiers sont :  7 , " + effectif(1) + MENU);
    // Refused silently: 0, a sign, a leading zero, a value past 2^63 - 1,
    // and a display key other than 0 or 1. End of input at a limit.
    attendu("3\n0\n-1\n01\n9223372036854775808\n5\n0\n9\n2\n1\n0\n",
            MENU + " \n " + fois(INF, 5) + " \n  " + fois(SUP, 2) + fois(MODE, 2) + effectif(2) + MENU);
    attendu("3\n20\n", MENU + " \n " + INF + " \n  " + SUP + FIN_ENTREE);
}
