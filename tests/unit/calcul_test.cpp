// The prime table, the primality tests and the factorisation in-process,
// against a sieve, NTL's primality test and coreutils factor; and how far
// each grows the table, by one model of the trial-division walk.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include "dialogue.h"
#include "operations.h"
#include "table.h"

// A runaway table must fail fast: a bound on the address space, or under
// ASan (whose shadow reserves far more) on the resident memory.
#ifdef __SANITIZE_ADDRESS__
extern "C" const char* __asan_default_options() { return "hard_rss_limit_mb=1024"; }
#else
static const int limite_memoire = [] { const rlimit r{1UL << 30, 1UL << 30}; return setrlimit(RLIMIT_AS, &r); }();
#endif

namespace {

// crible(n)[r] is the prime of rank r, for the primes up to n; [0] holds 0.
std::vector<std::int64_t> crible(std::int64_t n)
{
    std::vector<char> compose(static_cast<std::size_t>(n + 1));
    std::vector<std::int64_t> p{0, 2};
    for (std::int64_t a = 3; a <= n; a += 2)
        if (!compose[static_cast<std::size_t>(a)]) {
            p.push_back(a);
            for (std::int64_t m = a * a; m <= n; m += 2 * a) compose[static_cast<std::size_t>(m)] = 1;
        }
    return p;
}

// Trial division of n >= 2 by p[1], p[2], ... stops at the first prime that
// divides n or exceeds its root: its rank, as far as the walk grows the table.
std::int64_t marche(const std::vector<std::int64_t>& p, const NTL::ZZ& n)
{
    const NTL::ZZ r = NTL::SqrRoot(n);
    std::size_t k = 1;
    while (NTL::rem(n, p[k]) != 0 && r >= p[k]) ++k;
    return static_cast<std::int64_t>(k);
}

NTL::ZZ zz(const std::string& s) { return NTL::conv<NTL::ZZ>(s.c_str()); }

// The numbers in s after its first `debut`; "^e" after a number makes it e
// times in all, as factor writes a power.
std::vector<NTL::ZZ> nombres(const std::string& s, const std::string& debut)
{
    std::vector<NTL::ZZ> r;
    for (std::size_t i = s.find(debut), j; (i = s.find_first_of("0123456789", i)) != std::string::npos; i = j) {
        j = std::min(s.find_first_not_of("0123456789", i), s.size());
        if (s[i - 1] == '^') r.insert(r.end(), std::stol(s.substr(i, j - i)) - 1, NTL::ZZ(r.back()));
        else r.push_back(zz(s.substr(i, j - i)));
    }
    return r;
}

// The table holds the sieve's primes up to the furthest rank walked so far.
#define TABLE_JUSQU_A(loin, v) ASSERT_TRUE(np == (loin) && Nprem[np] == p[np]) << v << " : rang " << np << ", " << loin

}  // namespace

TEST(Table, RacineExacte)
{
    for (std::int64_t r = 1; r < 5000; ++r) EXPECT_TRUE(racine(r * r) == r && racine(r * r - 1) == r - 1) << r;
    const std::int64_t m = 3037000499, q = 94906267;  // floor(sqrt(2^63 - 1)); a root that doubles round up
    EXPECT_TRUE(racine(m * m) == m && racine(INT64_MAX) == m && racine(q * q - 1) == q - 1);
}

// Groups from the seed: beyond 64 bits, walks that end at a first factor;
// squares of primes, their neighbours and products of two primes in
// increasing order, then shuffled among odd values up to 4 x 10^12.
TEST(Table, PremEtPrem1CommeLaMarche)
{
    const auto p = crible(2001000);
    std::vector<std::vector<NTL::ZZ>> groupes = {
        {NTL::power(NTL::ZZ(10), 299) * 7 + 7}, {zz("18446744073709551617")}, {zz("18446744073709551617") * 3},
        {zz("1000006000009")}, {zz("9223372036832100397")}, {zz("18446744073597200593")},
        {zz("92233720368558004681"), zz("9223372036854775808"), zz("18446744073709551615")}, {}};
    for (std::size_t k = 2; k < 2000; k += 7) {
        const NTL::ZZ q(p[k]);
        for (const NTL::ZZ& v : {q * q + 4, q * q - 2, q * q, q * q + 2, q * p[k + 1]}) groupes.back().push_back(v);
    }
    std::mt19937_64 alea(1);
    groupes.push_back(groupes.back());
    for (int t = 0; t < 2000; ++t) groupes.back().push_back(NTL::ZZ((alea() % 4000000000000u) | 1));
    std::shuffle(groupes.back().begin(), groupes.back().end(), alea);
    for (bool un : {false, true})  // prem, then prem1 where it applies, each walk seen from its own tables
        for (const auto& g : groupes) {
            amorce();
            std::int64_t loin = 2;
            for (const NTL::ZZ& v : g) {
                loin = std::max(loin, marche(p, v));
                const int r = un && NTL::NumBits(v) < 63 ? prem1(NTL::conv<long>(v)) : prem(v);
                ASSERT_TRUE(r == NTL::ProbPrime(v) && prem(v * 2) == 0) << v;  // even: 2 alone decides
                TABLE_JUSQU_A(loin, v);
            }
        }
}

// Near 2^53, for a prime q, the double root of q^2 - 2 is q, one above its
// exact root: prem1 divides by q too and walks on to the next prime.
TEST(Table, Prem1JusquALaRacineEnDouble)
{
    const auto p = crible(94906703);
    amorce();
    for (std::size_t r = 3; p[r] <= 94906379; ++r) Nprem.push_back(p[r]), ++np;
    for (const std::int64_t q : {94906379, 94906681}) {
        while (Nprem[np] < q) Suiv();
        ASSERT_EQ(prem1(q * q - 2), 1);
        TABLE_JUSQU_A(std::lower_bound(p.begin(), p.end(), q) - p.begin() + 1, q);
    }
}

// Past 2^63 - 1 the table cannot grow: Suiv says so and leaves it as it was.
TEST(Table, SuivAuBoutDes63Bits)
{
    amorce();
    Nprem.push_back(INT64_MAX), ++np;  // stands for the last prime below 2^63
    EXPECT_THROW(Suiv(), TableDepassee);
    EXPECT_TRUE(np == 3 && Nprem.size() == 4);
    amorce();
}

// The 64-bit walk fills its side table in stretches of 4,096 ranks from
// rank 2. A first factor on either side of a stretch's edge, from a fresh
// side table, for numbers above 2^32 and above 2^63.
TEST(Table, DiviseurAuxBordsDesTranches)
{
    const auto p = crible(140000);
    for (const std::size_t r : {4097, 4098, 4099, 8193, 8194, 8195, 12289, 12290, 12291})
        for (const NTL::ZZ& borne : {NTL::power2_ZZ(32), NTL::power2_ZZ(63)}) {
            amorce();
            while (np < 13000) Suiv();  // the 32-bit walks of Suiv leave the 64-bit side table empty
            const NTL::ZZ n = p[r] * NTL::NextPrime(std::max(borne / p[r], NTL::ZZ(p[r])) + 1);  // p[r] the least factor
            ASSERT_EQ(diviseur(NTL::conv<unsigned long>(n), 2, np + 1), static_cast<std::int64_t>(r)) << n;
        }
}

// Groups from the seed, the last with small, repeated medium and large
// factors. The table grows to the rank after the second largest prime
// factor, or to the walk of the last prime power.
TEST(Decomposition, ContreFactorDeCoreutils)
{
    const auto p = crible(8300000);
    std::vector<std::vector<std::string>> groupes = {
        {"1", "97", "113", "226", "121"}, {"1018081"}, {"20402"}, {"10403"}, {"18446744073709551617"},
        {"9223372036854775808", "9223372036854775807", "18446744073709551615", "9223372036854775809"}, {}};
    std::mt19937_64 alea(7);
    for (int n = 0; n < 300; ++n) {
        NTL::ZZ N(1);
        for (auto m = alea() % 16; m > 0; --m) N *= p[1 + alea() % 168];
        for (auto m = alea() % 4; m > 0; --m) N *= NTL::power(NTL::ZZ(p[1 + alea() % 78000]), 1 + alea() % 3);
        if (alea() % 2 == 0) N *= NTL::NextPrime(NTL::ZZ(alea() % 1000000000000));
        groupes.back().push_back(capture([&N] { std::cout << N; }));
    }
    for (const auto& g : groupes) {
        amorce();
        std::int64_t loin = 2;
        for (const auto& v : g) {
            char l[4096] = "";
            FILE* factor = popen(("factor " + v).c_str(), "r");
            ASSERT_TRUE(factor && std::fgets(l, sizeof l, factor) && pclose(factor) == 0) << v;
            entree_de_controle(v + "\n0\n");
            const std::string s = capture([] { decomp(); });
            const std::size_t i = s.find("\t " + v);
            const std::string ligne = s.substr(i, s.find('\n', i) - i);
            const auto f = ligne == "\t " + v + "  est un nombre premier. " ? std::vector{zz(v)} : nombres(ligne, "=");
            ASSERT_EQ(f, nombres(l, ":")) << ligne;
            if (f.empty()) continue;
            const auto dernier = std::find(f.begin(), f.end(), f.back());  // the last prime power
            if (dernier != f.begin()) loin = std::max(loin, marche(p, dernier[-1] * dernier[-1]) + 1);
            loin = std::max(loin, marche(p, NTL::power(f.back(), f.end() - dernier)));
            TABLE_JUSQU_A(loin, v);
        }
    }
}
