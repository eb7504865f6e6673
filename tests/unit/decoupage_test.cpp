// The splits into prime pieces against a plain recursive enumeration, with
// arrays sized too small and numbers of mixed lengths; the stop test; and
// which pieces reach prem, seen through the growth of the prime table.
#include <gtest/gtest.h>

#include <NTL/ZZ.h>

#include <string>
#include <vector>

#include "commun.h"
#include "decoupage.h"
#include "table.h"

namespace {

// Every split of N as the search gives it, each piece with its zeros.
std::vector<std::vector<std::string>> splits(Decoupage& d, const std::string& N)
{
    std::vector<std::vector<std::string>> r;
    d.w1 = 0;
    d.construit(NTL::conv<NTL::ZZ>(N.c_str()));
    d.enumere([&r](const Decoupage& e) {
        r.emplace_back();
        for (int k = 1; k <= e.k1; ++k) {
            r.back().emplace_back();
            for (int i = e.debut(k); i < e.debut(k) + e.longueur(k); ++i) r.back().back() += static_cast<char>('0' + e.chiffres[i]);
        }
    });
    EXPECT_EQ(d.w1, static_cast<std::int64_t>(r.size())) << N;
    return r;
}

}  // namespace

TEST(Decoupage, AccordAvecUneEnumerationRecursive)
{
    amorce();
    Decoupage d(1);  // grown as needed, never overrun
    for (int n = 1; n <= 20000; ++n) ASSERT_EQ(splits(d, std::to_string(n)), decoupages(std::to_string(n))) << n;
    // Longer numbers, rich in prime digits and zeros, of mixed lengths.
    std::uint64_t x = 12345;
    for (int c = 0; c < 300; ++c) {
        std::string s;
        for (int i = 0; i < 5 + c % 7; ++i) {
            x = x * 6364136223846793005ULL + 1442695040888963407ULL;
            s += "2357301"[(x >> 33) % 7];
        }
        if (s[0] == '0') s[0] = '3';
        ASSERT_EQ(splits(d, s), decoupages(s)) << s;
    }
}

TEST(Decoupage, ArretEtPiecesTestees)
{
    // The walk stops at the first split after which the test holds.
    amorce();
    Decoupage d(4);
    for (std::int64_t seuil = 1; seuil <= 6; ++seuil) {
        d.w1 = 0;
        d.construit(NTL::ZZ(3137));
        d.enumere([](const Decoupage&) {}, [&d, seuil] { return d.w1 >= seuil; });
        EXPECT_EQ(d.w1, seuil);
    }
    // None of these needs a prime beyond the seed, as long as the later
    // starts of 153 and 183 (no prime piece at the 1) go untested: 53 and 83
    // would reach 11. 1009 and 21009 reach 37 through the piece 1009.
    for (auto [n, dernier] : {std::pair{1, 3}, {10, 3}, {100, 3}, {24, 3}, {153, 3}, {183, 3}, {1009, 37}, {21009, 37}}) {
        amorce();
        d.construit(NTL::ZZ(n));
        EXPECT_EQ(Nprem[np], dernier) << n;
    }
}
