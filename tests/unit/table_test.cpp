// The prime table and the two primality tests, checked against an
// independent sieve and against the growth each test must leave behind.
#include <gtest/gtest.h>

#include <NTL/ZZ.h>

#include <cstdint>
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
