// Factorisation in-process, each value against a plain walk over a sieve
// (the result line, and how far the table grows: from fresh tables and in
// one table shared by many values, both sides of 2^63 and 2^64) and against
// coreutils factor.
#include <gtest/gtest.h>

#include <NTL/ZZ.h>

#include <cstdio>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "commun.h"
#include "dialogue.h"
#include "operations.h"
#include "table.h"

namespace {

std::string texte(const NTL::ZZ& n)
{
    std::ostringstream s;
    s << n;
    return s.str();
}

// The walk written plainly over a sieve: the result line, and the rank of
// the last trial prime (0 for N = 1).
std::pair<std::string, std::int64_t> marche_decomp(const NTL::ZZ& N, const std::vector<std::int64_t>& p)
{
    std::string f;
    NTL::ZZ S = N, rS = NTL::SqrRoot(N);
    std::int64_t k = 0;
    int nf = 0, expo = 0;
    while (S != 1) {
        const long q = p[static_cast<std::size_t>(++k)];
        expo = 0;
        if (rS < q) {
            f += (nf++ ? " X (" : "(") + texte(S) + ")";
            expo = 1;
            break;
        }
        for (; S % q == 0; ++expo) S /= q;
        if (expo == 0) continue;
        f += (nf++ ? " X (" : "(") + std::to_string(q) + ")" + (expo > 1 ? "^" + std::to_string(expo) : "");
        rS = NTL::SqrRoot(S);
    }
    if (nf == 1 && expo == 1) return {texte(N) + "  est un nombre premier. ", k};
    return {texte(N) + " =  " + f, k};
}

}  // namespace

TEST(Decomp, ContreUneMarcheSimpleEtFactorDeCoreutils)
{
    const auto p = crible(8300000);
    // Each group from a fresh table: the reference values; squares found by
    // division (the table reaches the prime itself) and the same primes with
    // exponent 1; 101 x 103, where the prime after the second largest factor
    // is the last trial; after 97, values whose bound is the table's last
    // prime; 2^64 + 1 and values around 2^63 and 2^64, where the remainder
    // turns 64-bit.
    std::vector<std::vector<std::string>> groupes = {
        {"360"}, {"12"}, {"9"}, {"1"}, {"20014"}, {"97", "113", "226", "121"}, {"1018081"}, {"20402"}, {"202"},
        {"3027"}, {"10403"}, {"18446744073709551617"},
        {"9223372036854775808", "9223372036854775807", "18446744073709551615", "18446744073709551614",
         "9223372036854775809"}};
    // Then one table for many values, as in a run: small primes, repeated
    // medium factors, a last factor up to 10^12.
    std::mt19937_64 alea(7);
    groupes.emplace_back();
    int au_dela_de_64_bits = 0;
    for (int n = 0; n < 300; ++n) {
        NTL::ZZ N(1);
        for (int m = static_cast<int>(alea() % 16); m > 0; --m) N *= p[1 + alea() % 168];
        for (int m = static_cast<int>(alea() % 4); m > 0; --m) N *= NTL::power(NTL::ZZ(p[1 + alea() % 78000]), 1 + alea() % 3);
        if (alea() % 2 == 0) N *= NTL::NextPrime(NTL::ZZ(alea() % 1000000000000));
        au_dela_de_64_bits += NTL::NumBits(N) > 64;
        groupes.back().push_back(texte(N));
    }
    EXPECT_GT(au_dela_de_64_bits, 50);

    // coreutils factor's lines, keyed by value (it may write them out of order).
    std::string commande = "/usr/bin/factor";
    for (const auto& g : groupes)
        for (const auto& v : g) commande += " " + v;
    std::map<std::string, std::string> de_factor;
    FILE* tube = popen(commande.c_str(), "r");
    ASSERT_NE(tube, nullptr);
    char* l = nullptr;
    std::size_t taille = 0;
    for (ssize_t n; (n = getline(&l, &taille, tube)) > 0;) {
        const std::string ligne(l, static_cast<std::size_t>(n - 1));
        de_factor[ligne.substr(0, ligne.find(':'))] = ligne;
    }
    free(l);
    ASSERT_EQ(pclose(tube), 0);

    for (const auto& g : groupes) {
        amorce();
        std::int64_t loin = 2;
        for (const auto& v : g) {
            const std::string s = dialogue(v + "\n0\n", [] { decomp(); }), avant = QUESTION_N + " \n \n \t ";
            const std::size_t debut = s.find(avant) + avant.size();
            const std::string r = s.substr(debut, s.find(ENCORE, debut) - debut);
            const auto [ligne, rang] = marche_decomp(NTL::conv<NTL::ZZ>(v.c_str()), p);
            ASSERT_EQ(r, ligne);
            ASSERT_EQ(np, loin = std::max(loin, rang)) << v;
            // The result line written as factor writes it: "N: p p p".
            std::string comme_factor = v + ":" + (r.find("premier") != std::string::npos ? " " + v : "");
            for (std::size_t i = 0, f; (i = r.find('(', i)) != std::string::npos; i = f) {
                f = r.find(')', i);
                for (int e = r.compare(f + 1, 1, "^") == 0 ? std::stoi(r.substr(f + 2)) : 1; e > 0; --e)
                    comme_factor += " " + r.substr(i + 1, f - i - 1);
            }
            EXPECT_EQ(comme_factor, de_factor[v]);
        }
        EXPECT_TRUE(std::equal(Nprem.begin(), Nprem.end(), p.begin()));
    }
}
