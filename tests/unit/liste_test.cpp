// The primes between two limits in-process: how far each range grows the
// prime table, against the walk of trial division on a sieve.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "commun.h"
#include "dialogue.h"
#include "operations.h"
#include "table.h"

TEST(ListeTable, CroissanceJusquAuBesoinDesTests)
{
    const auto p = crible(1002000);
    for (auto [bas, haut] : {std::pair<std::int64_t, std::int64_t>{1, 1}, {1, 3}, {4, 4}, {1, 10}, {10, 20}, {25, 25},
                             {121, 121}, {120, 122}, {1, 1000}, {961, 966}, {1000, 1020}, {999000, 1000000},
                             {999999, 1000000}, {1, 100000}}) {
        for (const char* mode : {"0", "1"}) {
            amorce();
            dialogue(std::to_string(bas) + "\n" + std::to_string(haut) + "\n" + mode + "\n", [] { liste(); });
            // 2 and 3 need no division; each odd candidate from 5 on is
            // divided up to its smallest factor or the first prime above its root.
            std::int64_t loin = 2;
            for (std::int64_t c = std::max<std::int64_t>(bas, 5) | 1; c <= haut; c += 2) loin = std::max(loin, marche(p, c).second);
            ASSERT_EQ(np, loin) << bas << " " << haut;
            ASSERT_TRUE(std::equal(Nprem.begin(), Nprem.end(), p.begin()));
        }
    }
}
