// Factorisation run in-process: how far each N grows the prime table, and
// factorisations checked by multiplying back, against coreutils factor and
// against a plain walk over a sieve.
#include <gtest/gtest.h>

#include <NTL/ZZ.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "dialogue.h"
#include "operations.h"
#include "table.h"

namespace {

const std::string QUESTION_N = " \n \n \n \t N ? : ";
const std::string ENCORE = "\n \n \t Nouvelle valeur de N ? Oui [1] , Non [0] : ";
const std::string AVANT = " \n \n \t ";  // before every result line

// Factorises each value in one call of decomp (answering 1 between them),
// and returns the result line of each, without its leading " \n \n \t ".
std::vector<std::string> resultats(const std::vector<std::string>& valeurs)
{
    std::string entree;
    for (std::size_t n = 0; n < valeurs.size(); ++n)
        entree += valeurs[n] + (n + 1 < valeurs.size() ? "\n1\n" : "\n0\n");
    const std::string sortie = dialogue(entree, [] { decomp(); });

    std::vector<std::string> r;
    std::size_t pos = sortie.find(QUESTION_N);
    while (pos != std::string::npos) {
        pos += QUESTION_N.size();
        const std::size_t fin = sortie.find(ENCORE, pos);
        EXPECT_EQ(sortie.compare(pos, AVANT.size(), AVANT), 0);
        r.push_back(sortie.substr(pos + AVANT.size(), fin - pos - AVANT.size()));
        pos = sortie.find(QUESTION_N, fin);
    }
    EXPECT_EQ(r.size(), valeurs.size());
    return r;
}

// The factors of a result line, each repeated as often as its exponent.
std::vector<NTL::ZZ> facteurs(const std::string& ligne)
{
    std::vector<NTL::ZZ> f;
    const std::size_t egal = ligne.find(" =  ");
    if (egal == std::string::npos) {
        f.push_back(NTL::conv<NTL::ZZ>(ligne.substr(0, ligne.find(' ')).c_str()));
        return f;
    }
    std::size_t p = egal + 4;
    while (p < ligne.size()) {
        const std::size_t ferme = ligne.find(')', p);
        const NTL::ZZ q = NTL::conv<NTL::ZZ>(ligne.substr(p + 1, ferme - p - 1).c_str());
        p = ferme + 1;
        long e = 1;
        if (p < ligne.size() && ligne[p] == '^') {
            std::size_t lu = 0;
            e = std::stol(ligne.substr(p + 1), &lu);
            p += 1 + lu;
        }
        for (long n = 0; n < e; ++n) f.push_back(q);
        if (p < ligne.size()) p += 3;  // " X "
    }
    return f;
}

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

struct Croissance {
    const char* n;
    std::int64_t np;
    std::int64_t dernier;  // Nprem[np]
};

}  // namespace

TEST(Decomp, CroissanceDeLaTableDepuisLAmorce)
{
    const Croissance cas[] = {
        {"360", 3, 5},       {"12", 2, 3},        {"9", 2, 3},    {"1", 2, 3},
        {"97", 5, 11},       {"20014", 26, 101},  {"25", 3, 5},   {"2", 2, 3},
        {"4", 2, 3},
        // Squares found by division: the table reaches the prime itself.
        {"1018081", 169, 1009},  // 1009^2
        {"20402", 26, 101},      // 2 x 101^2
        {"3054243", 169, 1009},  // 3 x 1009^2
        // The same largest prime with exponent 1: only past its root.
        {"202", 5, 11},          // 2 x 101: 11^2 > 101
        {"3027", 12, 37},        // 3 x 1009: 37^2 > 1009
        // The prime after the second largest factor can be the last trial.
        {"10403", 27, 103},      // 101 x 103
    };
    for (const auto& c : cas) {
        amorce();
        resultats({c.n});
        EXPECT_EQ(np, c.np) << c.n;
        EXPECT_EQ(Nprem[np], c.dernier) << c.n;
        EXPECT_EQ(Nprem.size(), static_cast<std::size_t>(np + 1)) << c.n;
    }
}

TEST(Decomp, LaTableNeRetrecitPasEtSertAuxSuivants)
{
    amorce();
    const auto r = resultats({"20014", "97", "30030", "12"});
    EXPECT_EQ(np, 26);
    EXPECT_EQ(r[1], "97  est un nombre premier. ");
    EXPECT_EQ(r[2], "30030 =  (2) X (3) X (5) X (7) X (11) X (13)");
    EXPECT_EQ(r[3], "12 =  (2)^2 X (3)");
}

TEST(Decomp, PassageDesGrandsEntiersAuxEntiers64Bits)
{
    // 2^64 + 1 = 274177 x 67280421310721: the big remainder turns 64-bit
    // after the first factor; the table then runs to the first prime
    // above the root of the cofactor.
    amorce();
    const auto r = resultats({"18446744073709551617"});
    EXPECT_EQ(r[0], "18446744073709551617 =  (274177) X (67280421310721)");
    const auto p = crible(8300000);
    std::size_t rang = 0;
    while (p[rang] * p[rang] <= 67280421310721) ++rang;
    EXPECT_EQ(np, static_cast<std::int64_t>(rang + 1));
    EXPECT_EQ(Nprem[np], p[rang]);

    // Around 2^63: the last values that need a big remainder, and the
    // first that fit 64 bits.
    amorce();
    const auto b = resultats({"9223372036854775808", "9223372036854775807",
                              "18446744073709551615", "18446744073709551614",
                              "9223372036854775809"});
    EXPECT_EQ(b[0], "9223372036854775808 =  (2)^63");
    EXPECT_EQ(b[1], "9223372036854775807 =  (7)^2 X (73) X (127) X (337) X (92737) X (649657)");
    EXPECT_EQ(b[2], "18446744073709551615 =  (3) X (5) X (17) X (257) X (641) X (65537) X (6700417)");
    EXPECT_EQ(b[3], "18446744073709551614 =  (2) X (7)^2 X (73) X (127) X (337) X (92737) X (649657)");
    EXPECT_EQ(b[4], "9223372036854775809 =  (3)^3 X (19) X (43) X (5419) X (77158673929)");
}

TEST(Decomp, ProduitEtPrimaliteContreFactorDeCoreutils)
{
    // Smooth parts times a cofactor whose factors stay below 10^6, so the
    // trial division ends quickly; many values pass 2^64.
    const auto petits = crible(1000);
    const auto moyens = crible(1000000);
    std::mt19937_64 alea(20240917);
    auto tire = [&](const std::vector<std::int64_t>& v) {
        return v[static_cast<std::size_t>(alea() % v.size())];
    };
    std::vector<std::string> valeurs;
    std::vector<NTL::ZZ> nombres;
    for (int n = 0; n < 300; ++n) {
        NTL::ZZ N(1);
        const int lisses = static_cast<int>(alea() % 16);
        for (int m = 0; m < lisses; ++m) N *= tire(petits);
        switch (alea() % 4) {
        case 0: break;
        case 1: N *= tire(moyens); break;
        case 2: N *= tire(moyens); N *= tire(moyens); break;
        case 3: { const auto q = tire(moyens); N *= q; N *= q; break; }
        }
        nombres.push_back(N);
        std::ostringstream s;
        s << N;
        valeurs.push_back(s.str());
    }
    valeurs.push_back("1");
    nombres.push_back(NTL::ZZ(1));

    amorce();
    const auto r = resultats(valeurs);
    ASSERT_EQ(r.size(), valeurs.size());

    std::string commande = "/usr/bin/factor";
    for (const auto& v : valeurs) commande += " " + v;
    FILE* tube = popen(commande.c_str(), "r");
    ASSERT_NE(tube, nullptr);
    std::string attendus;
    char buf[4096];
    for (std::size_t lu; (lu = fread(buf, 1, sizeof buf, tube)) > 0;) attendus.append(buf, lu);
    ASSERT_EQ(pclose(tube), 0);
    // factor may write big and small values out of order through a pipe:
    // match its lines by value.
    std::map<std::string, std::string> de_coreutils;
    std::istringstream lignes(attendus);
    for (std::string l; std::getline(lignes, l);) de_coreutils[l.substr(0, l.find(':'))] = l;

    int au_dela_de_64_bits = 0;
    for (std::size_t n = 0; n < valeurs.size(); ++n) {
        if (NTL::NumBits(nombres[n]) > 64) ++au_dela_de_64_bits;
        EXPECT_EQ(r[n].substr(0, valeurs[n].size() + 1), valeurs[n] + " ") << r[n];
        const auto f = facteurs(r[n]);
        NTL::ZZ produit(1);
        std::string de_factor = valeurs[n] + ":";
        for (std::size_t m = 0; m < f.size(); ++m) {
            if (m > 0) {
                EXPECT_LE(f[m - 1], f[m]) << r[n];
            }
            EXPECT_TRUE(NTL::ProbPrime(f[m])) << r[n];
            produit *= f[m];
            std::ostringstream s;
            s << " " << f[m];
            de_factor += s.str();
        }
        if (nombres[n] == 1) {
            EXPECT_EQ(r[n], "1 =  ");
        }
        EXPECT_EQ(produit, nombres[n]) << r[n];
        EXPECT_EQ(de_factor, de_coreutils[valeurs[n]]);
    }
    EXPECT_GT(au_dela_de_64_bits, 30);
}

namespace {

// The walk written plainly over a sieve: the result line and the rank of
// the last trial prime (0 for N = 1).
std::pair<std::string, std::int64_t> marche_simple(const NTL::ZZ& N, const std::vector<std::int64_t>& p)
{
    std::ostringstream ligne;
    ligne << N;
    std::string f;
    int nf = 0;
    int dernier_expo = 0;
    NTL::ZZ S = N;
    NTL::ZZ rS = NTL::SqrRoot(S);
    std::int64_t k = 0;
    while (S != 1) {
        const std::int64_t q = p[static_cast<std::size_t>(k++)];
        std::ostringstream s;
        int expo = 0;
        if (rS < q) {
            s << S;
            expo = 1;
            S = 1;
        } else {
            s << q;
            while (S % q == 0) {
                S /= q;
                ++expo;
            }
            if (expo > 0) rS = NTL::SqrRoot(S);
        }
        if (expo == 0) continue;
        f += (nf++ > 0 ? " X (" : "(") + s.str() + ")" + (expo > 1 ? "^" + std::to_string(expo) : "");
        dernier_expo = expo;
    }
    if (nf == 1 && dernier_expo == 1) return {ligne.str() + "  est un nombre premier. ", k};
    return {ligne.str() + " =  " + f, k};
}

}  // namespace

TEST(Decomp, ResultatsEtTableContreUneMarcheSimple)
{
    // One table for all values, as in a run: the early ones grow it, the
    // later ones are mostly walked inside it. Values on both sides of 2^63,
    // with repeated medium factors, squares of primes (root equal to the
    // trial prime) and a last factor up to 10^12.
    const auto p = crible(1100000);
    std::mt19937_64 alea(7);
    auto premier_de = [&](std::int64_t borne) { return p[static_cast<std::size_t>(alea() % borne)]; };
    amorce();
    std::int64_t plus_loin = np;
    for (int n = 0; n < 250; ++n) {
        NTL::ZZ N(1);
        for (int m = static_cast<int>(alea() % 12); m > 0; --m) N *= premier_de(30);
        for (int m = static_cast<int>(alea() % 4); m > 0; --m) N *= NTL::power(NTL::ZZ(premier_de(80000)), 1 + alea() % 3);
        if (alea() % 2 == 0) N *= NTL::NextPrime(NTL::ZZ(alea() % 1000000000000));
        std::ostringstream v;
        v << N;
        const auto attendu = marche_simple(N, p);
        EXPECT_EQ(resultats({v.str()})[0], attendu.first);
        plus_loin = std::max(plus_loin, attendu.second);
        ASSERT_EQ(np, plus_loin) << v.str();
        ASSERT_EQ(Nprem[np], p[static_cast<std::size_t>(np - 1)]);
    }
}

TEST(Decomp, PremierAuDelaDeLaRacineEnFinDeTable)
{
    // After 97 the table ends with 11, the first prime above the root 10
    // of 113 and of the 113 left by 226: the bound stops there, and the
    // table does not grow.
    amorce();
    const auto r = resultats({"97", "113", "226", "121"});
    EXPECT_EQ(r[1], "113  est un nombre premier. ");
    EXPECT_EQ(r[2], "226 =  (2) X (113)");
    EXPECT_EQ(r[3], "121 =  (11)^2");
    EXPECT_EQ(np, 5);
}
