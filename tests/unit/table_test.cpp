// The prime table and the primality tests against a sieve and the plain
// walk of trial division: primes, answers, and how far each test grows the
// table; the divisibility side table against plain remainders; racine.
#include <gtest/gtest.h>

#include <NTL/ZZ.h>

#include <algorithm>
#include <random>
#include <vector>

#include "commun.h"
#include "table.h"

TEST(Table, RacineExacte)
{
    for (std::int64_t r = 1; r < 5000; ++r) {
        EXPECT_EQ(racine(r * r), r);
        EXPECT_EQ(racine(r * r - 1), r - 1);
    }
    const std::int64_t m = 3037000499, q = 94906267;  // floor(sqrt(2^63 - 1)); a root that doubles round up
    EXPECT_EQ(racine(m * m), m);
    EXPECT_EQ(racine(INT64_MAX), m);
    EXPECT_EQ(racine(q * q - 1), q - 1);
}

// From the seed, values in no particular order (squares of primes, their
// neighbours, products of consecutive primes, odd values up to 4 x 10^12):
// the table holds the sieve's primes up to the highest rank any walk
// reached so far, and never beyond.
TEST(Prem, CroissanceCommeLaMarcheSimple)
{
    const auto p = crible(2000000);
    std::mt19937_64 alea(1);
    std::vector<std::uint64_t> n;
    for (std::size_t k = 2; k < 2000; k += 7) {
        const auto q = static_cast<std::uint64_t>(p[k]);
        n.insert(n.end(), {q * q, q * q - 2, q * q + 2, q * static_cast<std::uint64_t>(p[k + 1])});
    }
    for (int t = 0; t < 2000; ++t) n.push_back((alea() % 4000000000000u) | 1);
    std::shuffle(n.begin(), n.end(), alea);
    amorce();
    ASSERT_EQ(std::vector<std::int64_t>(Nprem.begin(), Nprem.end()), (std::vector<std::int64_t>{0, 2, 3}));
    std::int64_t loin = 2;
    for (std::uint64_t v : n) {
        const auto [premier, rang] = marche(p, v);
        loin = std::max(loin, rang);
        ASSERT_EQ(prem1(static_cast<std::int64_t>(v)), premier) << v;
        ASSERT_EQ(prem(NTL::ZZ(v)), premier) << v;
        ASSERT_EQ(prem(NTL::ZZ(v) * 2), 0);  // even: 2 alone decides
        ASSERT_EQ(np, loin) << v;
    }
    EXPECT_TRUE(std::equal(Nprem.begin(), Nprem.end(), p.begin()));
}

// A 300-digit multiple of 7, 2^64 + 1 = 274177 x 67280421310721 and its triple, the square
// of 1000003, and 1000003 times a prime just below 2^63, just below 2^64
// and beyond: each test stops at the first factor, and the table with it.
TEST(Prem, GrandsNombresArretAuPremierFacteur)
{
    auto zz = [](const char* s) { return NTL::conv<NTL::ZZ>(s); };
    const std::pair<NTL::ZZ, std::int64_t> cas[] = {
        {NTL::power(NTL::ZZ(10), 299) * 7 + 7, 7}, {zz("18446744073709551617"), 274177}, {zz("18446744073709551617") * 3, 3},
        {zz("1000006000009"), 1000003},            {zz("9223372036832100397"), 1000003},
        {zz("18446744073597200593"), 1000003},     {zz("92233720368558004681"), 1000003}};
    for (const auto& [n, dernier] : cas) {
        amorce();
        EXPECT_EQ(prem(n), 0);
        if (NTL::NumBits(n) < 64) { EXPECT_EQ(prem1(NTL::conv<long>(n)), 0); }
        EXPECT_EQ(Nprem[np], dernier) << n;
    }
    EXPECT_EQ(prem(zz("9223372036854775808")), 0);   // 2^63
    EXPECT_EQ(prem(zz("18446744073709551615")), 0);  // 2^64 - 1, by 3
    EXPECT_EQ(Nprem[np], 1000003);
}

// The side table's multiplications against plain remainders: ranges that
// start and end in and out of the blocks of primes, both word sizes, values
// at the edges of 2^32, 2^63 and 2^64; then table primes near 2^16, 2^31.5
// and 2^32, put in by hand.
TEST(Diviseur, InversesContreLeReste)
{
    auto compare = [](const std::vector<std::uint64_t>& valeurs, std::int64_t debut, std::int64_t fin) {
        for (std::uint64_t v : valeurs) {
            std::int64_t r = debut;
            while (r < fin && v % static_cast<std::uint64_t>(Nprem[static_cast<std::size_t>(r)]) != 0) ++r;
            ASSERT_EQ(diviseur(v, debut, fin), r) << v << " " << debut << " " << fin;
        }
    };
    amorce();
    while (np < 3000) Suiv();
    std::vector<std::uint64_t> n = {0, 1, 15015, 4294967295u, 4294967296u, 9223372036854775808u, 18446744073709551557u};
    for (std::size_t r = 2; r < 40; ++r)  // multiples of small primes near the edges
        for (std::uint64_t haut : {4294967295ul, 9223372036854775807ul, 18446744073709551615ul}) {
            const auto p = static_cast<std::uint64_t>(Nprem[r]);
            n.insert(n.end(), {haut / p * p, haut / p * p - p, haut / p * p + 1});
        }
    std::mt19937_64 alea(3);
    for (int t = 0; t < 3000; ++t) {
        const std::uint64_t h = alea(), p = static_cast<std::uint64_t>(Nprem[2 + h % 2999]);
        n.insert(n.end(), {h, h >> 32, (h >> 32) / p * p, h / p * p});
    }
    for (std::int64_t debut : {2, 3, 17, 18, 50, 1000})
        for (std::int64_t lg : {0, 1, 15, 16, 17, 31, 33, 40, 100, 3001}) compare(n, debut, std::min(debut + lg, np + 1));

    amorce();
    n = {0, 1, 4294967295u, 18446744047939747881u, 18446744073709551615u, 9223372036854775807u, 9223372000000000000u};
    for (std::uint64_t q : {3037000493ul, 4294967291ul, 4294967311ul, 65521ul, 65537ul}) {
        Nprem.push_back(static_cast<std::int64_t>(q));
        ++np;
        for (std::uint64_t m : {1ul, 3ul, 65535ul, q - 2, q, q + 2, UINT64_MAX / q, 4294967295u / q})
            if (m <= UINT64_MAX / q) n.push_back(q * m);
    }
    for (std::int64_t debut = 2; debut <= np; ++debut) compare(n, debut, np + 1);
    amorce();
}
