// The prime table and the two primality tests, checked against an
// independent sieve and against the growth each test must leave behind.
#include <gtest/gtest.h>

#include <NTL/ZZ.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "table.h"

namespace {

std::vector<std::int64_t> crible(std::int64_t n)
{
    std::vector<bool> compose(static_cast<std::size_t>(n + 1), false);
    std::vector<std::int64_t> p;
    for (std::int64_t a = 2; a <= n; ++a) {
        if (compose[static_cast<std::size_t>(a)]) continue;
        p.push_back(a);
        for (std::int64_t m = a * a; m <= n; m += a) compose[static_cast<std::size_t>(m)] = true;
    }
    return p;
}

NTL::ZZ zz(const char* s) { return NTL::conv<NTL::ZZ>(s); }

}  // namespace

TEST(Table, AmorceEtHuitSuiv)
{
    amorce();
    EXPECT_EQ(np, 2);
    EXPECT_EQ(Nprem, (std::vector<std::int64_t>{0, 2, 3}));
    for (int n = 0; n < 8; ++n) EXPECT_EQ(Suiv(), 1);
    EXPECT_EQ(np, 10);
    EXPECT_EQ(Nprem, (std::vector<std::int64_t>{0, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29}));
}

TEST(Table, CentMillePremiersContreUnCrible)
{
    amorce();
    while (np < 100000) Suiv();
    EXPECT_EQ(Nprem[25], 97);
    EXPECT_EQ(Nprem[100], 541);
    EXPECT_EQ(Nprem[1000], 7919);
    const auto p = crible(1299709);  // the 100000th prime
    ASSERT_EQ(p.size(), 100000u);
    ASSERT_EQ(Nprem.size(), 100001u);
    for (std::size_t r = 1; r <= 100000; ++r) ASSERT_EQ(Nprem[r], p[r - 1]) << "rang " << r;
}

TEST(Racine, ExacteAuxCarresEtAuxBords)
{
    for (std::int64_t r = 0; r < 5000; ++r) {
        EXPECT_EQ(racine(r * r), r);
        if (r > 0) {
            EXPECT_EQ(racine(r * r - 1), r - 1);
        }
    }
    const std::int64_t m = 3037000499;  // floor(sqrt(2^63 - 1))
    EXPECT_EQ(racine(m * m), m);
    EXPECT_EQ(racine(m * m - 1), m - 1);
    EXPECT_EQ(racine(INT64_MAX), m);
    // Squares whose double root rounds up.
    const std::int64_t q = 94906267;
    EXPECT_EQ(racine(q * q - 1), q - 1);
}

TEST(Prem, PetitesValeursEtCroissanceDeLaTable)
{
    amorce();
    EXPECT_EQ(prem(NTL::ZZ(0)), 0);
    EXPECT_EQ(prem(NTL::ZZ(1)), 0);
    EXPECT_EQ(prem(NTL::ZZ(2)), 1);
    EXPECT_EQ(prem(NTL::ZZ(3)), 1);
    EXPECT_EQ(prem(NTL::ZZ(4)), 0);
    EXPECT_EQ(prem(NTL::ZZ(9)), 0);
    EXPECT_EQ(np, 2);
    EXPECT_EQ(prem(NTL::ZZ(25)), 0);  // needs 5
    EXPECT_EQ(np, 3);
    EXPECT_EQ(prem(NTL::ZZ(29)), 1);  // divides by 2, 3, 5, 7 (7 > 5)
    EXPECT_EQ(np, 4);

    amorce();
    EXPECT_EQ(prem(NTL::ZZ(97)), 1);  // 2, 3, 5, 7, 11; 11 > 9
    EXPECT_EQ(np, 5);
    EXPECT_EQ(Nprem[5], 11);
}

TEST(Prem, GrandsNombres)
{
    // 300 digits with the factor 7: stops there, table up to 7.
    amorce();
    NTL::ZZ n = NTL::power(NTL::ZZ(10), 299) * 7;
    EXPECT_EQ(prem(n), 0);
    n += 7;  // still a multiple of 7, but of neither 2, 3 nor 5
    EXPECT_EQ(prem(n), 0);
    EXPECT_EQ(np, 4);
    EXPECT_EQ(Nprem[4], 7);

    // Above 64 bits: 2^64 + 1 = 274177 x 67280421310721 stops at 274177;
    // the square of 1000003 needs the table up to 1000003 itself.
    amorce();
    EXPECT_EQ(prem(zz("18446744073709551617")), 0);
    EXPECT_EQ(Nprem[np], 274177);
    EXPECT_EQ(prem(zz("1000006000009")), 0);
    EXPECT_EQ(Nprem[np], 1000003);
    EXPECT_EQ(prem(zz("1000006000009") * zz("1000000000000000000000")), 0);  // even
}

TEST(Prem1, ValeursEtAccordAvecPrem)
{
    amorce();
    EXPECT_EQ(prem1(5), 1);
    EXPECT_EQ(prem1(9), 0);
    EXPECT_EQ(prem1(25), 0);
    EXPECT_EQ(prem1(49), 0);
    EXPECT_EQ(prem1(97), 1);
    EXPECT_EQ(prem1(121), 0);
    const auto p = crible(200000);
    std::vector<bool> premier(200001, false);
    for (auto q : p) premier[static_cast<std::size_t>(q)] = true;
    for (std::int64_t c = 5; c <= 200000; c += 2) {
        ASSERT_EQ(prem1(c), premier[static_cast<std::size_t>(c)] ? 1 : 0) << c;
        ASSERT_EQ(prem(NTL::ZZ(c)), premier[static_cast<std::size_t>(c)] ? 1 : 0) << c;
    }
}

namespace {

// Deterministic pseudo-random 64-bit values (xorshift64*).
std::uint64_t hasard()
{
    static std::uint64_t x = 0x9E3779B97F4A7C15ull;
    x ^= x >> 12;
    x ^= x << 25;
    x ^= x >> 27;
    return x * 0x2545F4914F6CDD1Dull;
}

// The first rank of [debut, fin) whose prime divides n, by plain remainders.
std::int64_t diviseur_simple(std::uint64_t n, std::int64_t debut, std::int64_t fin)
{
    for (std::int64_t r = debut; r < fin; ++r) {
        if (n % static_cast<std::uint64_t>(Nprem[static_cast<std::size_t>(r)]) == 0) return r;
    }
    return fin;
}

// The walk of the primality tests on the sieve's primes: the answer, and
// the rank at which it stops (the rank the table must reach).
std::pair<int, std::int64_t> marche_simple(const std::vector<std::int64_t>& p, std::uint64_t n)
{
    for (std::size_t k = 0;; ++k) {
        const auto q = static_cast<std::uint64_t>(p[k]);
        if (n % q == 0) return {0, static_cast<std::int64_t>(k + 1)};
        if (q * q > n) return {1, static_cast<std::int64_t>(k + 1)};
    }
}

}  // namespace

// The side table's multiplications against plain remainders, over ranges
// that start and end anywhere in and out of the blocks of primes, for both
// word sizes, and at the edges of 2^32, 2^63 and 2^64.
TEST(Diviseur, InversesContreLeReste)
{
    amorce();
    while (np < 3000) Suiv();
    std::vector<std::uint64_t> n = {0, 1, 3, 9, 15015, 4294967295u, 4294967296u, 4294967297u,
                                    9223372036854775807u, 9223372036854775808u, 18446744073709551615u,
                                    18446744073709551614u, 18446744073709551557u, 18446744073597200593u};
    for (std::size_t r = 2; r < 40; ++r) {  // multiples of each small prime near the edges
        const auto p = static_cast<std::uint64_t>(Nprem[r]);
        for (std::uint64_t haut : {std::uint64_t{4294967295u}, std::uint64_t{9223372036854775807u},
                                   std::uint64_t{18446744073709551615u}}) {
            n.push_back(haut / p * p);
            n.push_back(haut / p * p - p);
            n.push_back(haut / p * p + 1);
        }
    }
    for (int t = 0; t < 3000; ++t) {
        const std::uint64_t h = hasard();
        const auto p = static_cast<std::uint64_t>(Nprem[static_cast<std::size_t>(2 + h % 2999)]);
        n.push_back(h);
        n.push_back(h >> 32);
        n.push_back((h >> 32) / p * p);
        n.push_back(h / p * p);
    }
    for (std::uint64_t v : n) {
        for (std::int64_t debut : {2, 3, 17, 18, 50, 1000}) {
            for (std::int64_t fin : {debut, debut + 1, debut + 15, debut + 16, debut + 17, debut + 40, debut + 31,
                                     debut + 33, debut + 100, std::int64_t{3001}}) {
                if (fin > np + 1) continue;
                ASSERT_EQ(diviseur(v, debut, fin), diviseur_simple(v, debut, fin)) << v << " " << debut << " " << fin;
            }
        }
    }
}

// Primes around 2^32 and 2^31.5 as divisors: far beyond any table reached in
// a test, so they are put in the table by hand, after the seed.
TEST(Diviseur, GrandsPremiersEnTable)
{
    amorce();
    const std::vector<std::int64_t> grands = {3037000493, 4294967291, 4294967311, 65521, 65537};
    for (std::int64_t p : grands) {
        Nprem.push_back(p);
        ++np;
    }
    std::vector<std::uint64_t> n = {0, 1, 4294967291u, 4294967295u, 4294967311u, 18446744047939747881u,
                                    18446744073709551615u, 9223372036854775807u, 9223372000000000000u};
    for (std::int64_t p : grands) {
        const auto q = static_cast<std::uint64_t>(p);
        for (std::uint64_t m : {std::uint64_t{1}, std::uint64_t{3}, std::uint64_t{65535}, q - 2, q, q + 2}) {
            if (m <= 18446744073709551615u / q) n.push_back(q * m);
        }
        n.push_back(18446744073709551615u / q * q);
        n.push_back(4294967295u / q * q);
    }
    for (std::uint64_t v : n) {
        for (std::int64_t debut = 2; debut <= np; ++debut) {
            ASSERT_EQ(diviseur(v, debut, np + 1), diviseur_simple(v, debut, np + 1)) << v << " " << debut;
        }
    }
    amorce();
}

// Answers and table growth of prem1 and prem, on values in no particular
// order, against the same walk on a sieve's primes: the table must end at
// the highest rank any walk reached so far, and never beyond.
TEST(Prem, CroissanceCommeLaMarcheSimple)
{
    const auto p = crible(2000000);
    std::vector<std::uint64_t> n;
    for (std::size_t k = 1; k < 2000; k += 7) {
        const auto q = static_cast<std::uint64_t>(p[k]);
        n.push_back(q * q);
        n.push_back(q * q - 2);
        n.push_back(q * q + 2);
        n.push_back(q * static_cast<std::uint64_t>(p[k + 1]));
    }
    for (int t = 0; t < 2000; ++t) n.push_back((hasard() % 4000000000000u) | 1);
    for (std::size_t k = n.size() - 1; k > 0; --k) std::swap(n[k], n[hasard() % (k + 1)]);

    amorce();
    std::int64_t attendu = 2;
    for (std::uint64_t v : n) {
        const auto [reponse, rang] = marche_simple(p, v);
        attendu = std::max(attendu, rang);
        ASSERT_EQ(prem1(static_cast<std::int64_t>(v)), reponse) << v;
        ASSERT_EQ(np, attendu) << v;
        ASSERT_EQ(prem(NTL::ZZ(v) * 2), 0);  // even: 2 alone decides
        ASSERT_EQ(prem(NTL::ZZ(v)), reponse) << v;
        ASSERT_EQ(np, attendu) << v;
    }
    ASSERT_EQ(Nprem.size(), static_cast<std::size_t>(np + 1));
    for (std::size_t r = 1; r <= static_cast<std::size_t>(np); ++r) ASSERT_EQ(Nprem[r], p[r - 1]);
}

// A factor of 1000003 with a prime cofactor, just below 2^63, just below
// 2^64 and beyond 2^64: each test stops at 1000003 and the table with it.
TEST(Prem, FacteurMoyenAuxBordsDe64Bits)
{
    amorce();
    EXPECT_EQ(prem1(9223372036832100397), 0);  // 1000003 x 9223344366799
    EXPECT_EQ(Nprem[np], 1000003);
    amorce();
    EXPECT_EQ(prem(zz("18446744073597200593")), 0);  // 1000003 x 18446688733531
    EXPECT_EQ(Nprem[np], 1000003);
    amorce();
    EXPECT_EQ(prem(zz("92233720368558004681")), 0);  // 1000003 x 92233443668227
    EXPECT_EQ(Nprem[np], 1000003);
    EXPECT_EQ(prem(zz("9223372036854775808")), 0);  // 2^63
    EXPECT_EQ(prem(zz("18446744073709551615")), 0);  // 2^64 - 1, by 3
    EXPECT_EQ(Nprem[np], 1000003);
    // prem1 outside its callers' range answers as the plain walk does.
    EXPECT_EQ(prem1(0), 0);
    EXPECT_EQ(prem1(2), 0);
    EXPECT_EQ(prem1(4), 0);
    EXPECT_EQ(prem1(3), 1);
}
