// The search for splits into prime pieces: known splits, a cross-check
// against a plain recursive enumeration, the stop test, and which pieces
// reach prem (seen through the growth of the prime table).
#include <gtest/gtest.h>

#include <NTL/ZZ.h>

#include <cstdint>
#include <string>
#include <vector>

#include "decoupage.h"
#include "table.h"

namespace {

NTL::ZZ zz(const std::string& s) { return NTL::conv<NTL::ZZ>(s.c_str()); }

// Every split of N as the search gives it, each piece with its zeros.
std::vector<std::vector<std::string>> splits(Decoupage& d, const std::string& N)
{
    std::vector<std::vector<std::string>> r;
    d.w1 = 0;
    d.construit(zz(N));
    d.enumere([&r](const Decoupage& e) {
        std::vector<std::string> pieces;
        for (int k = 1; k <= e.k1; ++k) {
            std::string p;
            for (int i = e.debut(k); i < e.debut(k) + e.longueur(k); ++i)
                p += static_cast<char>('0' + e.chiffres[i]);
            pieces.push_back(p);
        }
        r.push_back(pieces);
    });
    EXPECT_EQ(d.w1, static_cast<std::int64_t>(r.size())) << N;
    EXPECT_EQ(d.k1, 0) << N;
    return r;
}

std::string texte(const std::vector<std::vector<std::string>>& v)
{
    std::string s;
    for (const auto& pieces : v) {
        s += "(";
        for (const auto& p : pieces) s += " " + p;
        s += " )";
    }
    return s;
}

bool premier_simple(std::uint64_t v)
{
    if (v < 2) return false;
    // No q below the current one divides v; past its root, v is prime.
    for (std::uint64_t q = 2; q * q <= v; ++q)
        if (v % q == 0) return false;
    return true;
}

// Shortest first piece first, then recursively the rest.
void recursif(const std::string& s, std::size_t pos, std::vector<std::string>& pile,
              std::vector<std::vector<std::string>>& r)
{
    if (pos == s.size()) {
        r.push_back(pile);
        return;
    }
    for (std::size_t lg = 1; pos + lg <= s.size(); ++lg) {
        const std::string p = s.substr(pos, lg);
        if (!premier_simple(std::stoull(p))) continue;
        pile.push_back(p);
        recursif(s, pos + lg, pile, r);
        pile.pop_back();
    }
}

std::vector<std::vector<std::string>> attendues(const std::string& s)
{
    std::vector<std::vector<std::string>> r;
    std::vector<std::string> pile;
    recursif(s, 0, pile, r);
    return r;
}

}  // namespace

TEST(Decoupage, DecoupagesConnus)
{
    amorce();
    Decoupage d(4);
    const std::vector<std::pair<std::string, std::string>> cas = {
        {"23", "( 2 3 )( 23 )"},
        {"2357", "( 2 3 5 7 )( 23 5 7 )( 2357 )"},
        {"307", "( 3 07 )( 307 )"},
        {"2003", "( 2 003 )( 2003 )"},
        {"2011", "( 2 011 )( 2011 )"},
        {"2027", "( 2 02 7 )( 2027 )"},
        {"203", "( 2 03 )"},
        {"22", "( 2 2 )"},
        {"11", "( 11 )"},
        {"2113", "( 2 11 3 )( 2 113 )( 211 3 )( 2113 )"},
        {"3137", "( 3 13 7 )( 3 137 )( 31 3 7 )( 31 37 )( 313 7 )( 3137 )"},
        {"1009", "( 1009 )"},
        {"2", "( 2 )"}, {"3", "( 3 )"}, {"5", "( 5 )"}, {"7", "( 7 )"},
        {"1", ""}, {"4", ""}, {"6", ""}, {"8", ""}, {"9", ""},
        {"10", ""}, {"100", ""}, {"24", ""},
    };
    // One object for all, longer and shorter numbers in turn, as a scan uses it.
    for (const auto& c : cas) EXPECT_EQ(texte(splits(d, c.first)), c.second) << c.first;

    // Arrays sized too small are grown rather than overrun.
    Decoupage petit(1);
    EXPECT_EQ(texte(splits(petit, "3137")), "( 3 13 7 )( 3 137 )( 31 3 7 )( 31 37 )( 313 7 )( 3137 )");
}

TEST(Decoupage, AccordAvecUneEnumerationRecursive)
{
    amorce();
    Decoupage d(11);
    for (int n = 1; n <= 20000; ++n) {
        const std::string s = std::to_string(n);
        ASSERT_EQ(splits(d, s), attendues(s)) << s;
    }
    // Longer numbers, rich in prime digits and in zeros, in mixed lengths.
    std::uint64_t x = 12345;
    const char alphabet[] = "2357301";
    for (int c = 0; c < 300; ++c) {
        std::string s;
        const int lg = 5 + c % 7;
        for (int i = 0; i < lg; ++i) {
            x = x * 6364136223846793005ULL + 1442695040888963407ULL;
            s += alphabet[(x >> 33) % 7];
        }
        if (s[0] == '0') s[0] = '3';
        ASSERT_EQ(splits(d, s), attendues(s)) << s;
    }
}

TEST(Decoupage, ArretApresLeDecoupageDemande)
{
    amorce();
    Decoupage d(4);
    for (std::int64_t seuil = 1; seuil <= 6; ++seuil) {
        std::vector<std::string> vus;
        d.w1 = 0;
        d.construit(zz("3137"));
        d.enumere([&vus](const Decoupage& e) { vus.push_back(std::to_string(e.k1)); },
                  [&d, seuil]() { return d.w1 >= seuil; });
        EXPECT_EQ(d.w1, seuil);
        ASSERT_EQ(vus.size(), static_cast<std::size_t>(seuil));
    }
    // A test that never holds changes nothing.
    d.w1 = 0;
    d.construit(zz("3137"));
    d.enumere([](const Decoupage&) {}, []() { return false; });
    EXPECT_EQ(d.w1, 6);
    EXPECT_EQ(d.k1, 0);
}

TEST(Decoupage, PiecesTestees)
{
    // None of these needs a prime beyond the seed, as long as the later
    // starts of 153 and 183 (no prime piece at the 1) go untested: 53 and 83
    // would reach 11.
    for (const char* N : {"1", "10", "100", "24", "153", "183"}) {
        amorce();
        Decoupage d(3);
        d.construit(zz(N));
        EXPECT_EQ(Nprem, (std::vector<std::int64_t>{0, 2, 3})) << N;
        EXPECT_EQ(d.stop, N == std::string("24") ? 0 : 1) << N;
    }
    // 1009 is prime: every piece is tested, 1009 itself up to 37.
    amorce();
    Decoupage d(4);
    d.construit(zz("1009"));
    EXPECT_EQ(Nprem.back(), 37);
    EXPECT_EQ(d.stop, 0);
    // 21009: 2 is prime, so the later starts are tested too; the table
    // then reaches 37 through the piece 1009, not through any piece at 2.
    amorce();
    Decoupage e(5);
    e.construit(zz("21009"));
    EXPECT_EQ(Nprem.back(), 37);
    EXPECT_EQ(e.stop, 0);
}

TEST(Decoupage, ArretSansEffetSurLaTableNiLesComptes)
{
    // A scan from 1 to 3000 with and without the stop test: same table,
    // same qualifying numbers.
    auto balaye = [](bool arreter) {
        amorce();
        Decoupage d(4);
        std::vector<int> retenus;
        for (int n = 1; n <= 3000; ++n) {
            d.w1 = 0;
            d.construit(NTL::ZZ(n));
            if (arreter) {
                d.enumere([](const Decoupage&) {}, [&d]() { return d.w1 > 0; });
            } else {
                d.enumere([](const Decoupage&) {});
            }
            if (d.w1 > 0) retenus.push_back(n);
        }
        return std::make_pair(Nprem, retenus);
    };
    const auto avec = balaye(true);
    const auto sans = balaye(false);
    EXPECT_EQ(avec.first, sans.first);
    EXPECT_EQ(avec.second, sans.second);
    EXPECT_GT(avec.first.size(), 3u);
}
