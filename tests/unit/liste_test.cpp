// The primes between two limits, run in-process: how far each range makes
// the prime table grow, computed here from a sieve.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "controle.h"
#include "dialogue.h"
#include "operations.h"
#include "table.h"

namespace {

// Smallest prime factor of every value up to n.
std::vector<std::int64_t> plus_petit_facteur(std::int64_t n)
{
    std::vector<std::int64_t> f(static_cast<std::size_t>(n + 1), 0);
    for (std::int64_t a = 2; a <= n; ++a)
        if (f[static_cast<std::size_t>(a)] == 0)
            for (std::int64_t m = a; m <= n; m += a)
                if (f[static_cast<std::size_t>(m)] == 0) f[static_cast<std::size_t>(m)] = a;
    return f;
}

std::int64_t isqrt(std::int64_t n)
{
    std::int64_t r = 0;
    while ((r + 1) * (r + 1) <= n) ++r;
    return r;
}

int retour = 0;

std::string lance_liste(std::int64_t bas, std::int64_t haut, int compter)
{
    return dialogue(std::to_string(bas) + "\n" + std::to_string(haut) + "\n" +
                        std::to_string(compter) + "\n",
                    [] { retour = liste(); });
}

}  // namespace

TEST(ListeTable, UnACentSurLaTableDeDepart)
{
    amorce();
    const std::string s = lance_liste(1, 100, 0);
    EXPECT_EQ(retour, 1);
    EXPECT_EQ(xn, 0);
    EXPECT_NE(s.find(" 2 ,  3 ,  5 , "), std::string::npos);
    EXPECT_NE(s.find("Il y a  25  nombres"), std::string::npos);
    EXPECT_EQ(np, 5);
    EXPECT_EQ(Nprem, (std::vector<std::int64_t>{0, 2, 3, 5, 7, 11}));
}

TEST(ListeTable, CroissanceJusquAuBesoinDesTests)
{
    const std::int64_t N = 1000000;
    const auto f = plus_petit_facteur(N + 2000);
    std::vector<std::int64_t> premiers{0};
    for (std::int64_t a = 2; a <= N + 2000; ++a)
        if (f[static_cast<std::size_t>(a)] == a) premiers.push_back(a);

    const std::vector<std::pair<std::int64_t, std::int64_t>> bornes = {
        {1, 1}, {1, 3}, {4, 4}, {1, 10}, {10, 20}, {25, 25}, {121, 121}, {120, 122},
        {1, 1000}, {961, 966}, {1000, 1020}, {999000, N}, {N - 1, N}, {1, 100000}};
    for (const auto& [bas, haut] : bornes) {
        for (int compter : {0, 1}) {
            amorce();
            lance_liste(bas, haut, compter);
            // A prime candidate is tried up to the first prime above its
            // root, a composite up to its smallest factor.
            std::int64_t dernier = 3;
            for (std::int64_t c = std::max<std::int64_t>(bas, 5) | 1; c <= haut; c += 2) {
                std::int64_t atteint = f[static_cast<std::size_t>(c)];
                if (atteint == c) atteint = *std::upper_bound(premiers.begin(), premiers.end(), isqrt(c));
                dernier = std::max(dernier, atteint);
            }
            ASSERT_EQ(Nprem.back(), dernier) << bas << " " << haut;
            ASSERT_EQ(static_cast<std::int64_t>(Nprem.size()), np + 1);
            ASSERT_TRUE(std::equal(Nprem.begin(), Nprem.end(), premiers.begin()));
        }
    }
}

TEST(ListeTable, TableDejaPlusLongueInchangee)
{
    amorce();
    while (np < 1000) Suiv();  // up to 7919
    const auto avant = Nprem;
    lance_liste(1, 100000, 1);
    lance_liste(60000000, 60000100, 0);  // roots below 7747
    EXPECT_EQ(Nprem, avant);
}
