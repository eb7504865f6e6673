// Choice 3, the primes between two limits, run through the main menu:
// small ranges byte for byte, a long listing against a sieve, counts
// against known and independently sieved values, and limits at 2^63 - 1.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "harness.h"

namespace {

const std::string INF = "\n \t Limite inferieure ? : ";
const std::string SUP = "\n \t Limite superieure ? : ";
const std::string MODE = "\n \n \t Afficher,  [1] L'effectif seulement / [0] Toute la liste : ? ";
const std::string ENTETE = " \n \n \t  Entre ces limites, les nombres premiers sont : ";

std::string effectif(std::int64_t n)
{
    return " \n \n \t  Il y a  " + std::to_string(n) + "  nombres premiers entre ces limites. \n \n \n ";
}

// What one run of choice 3 prints after the limit questions.
std::string resultat(bool liste, const std::vector<std::int64_t>& p)
{
    std::string s = MODE;
    if (liste) {
        s += ENTETE;
        for (auto q : p) s += " " + std::to_string(q) + " , ";
    }
    return s + effectif(static_cast<std::int64_t>(p.size()));
}

// Choice 3 with limits a and b accepted at once, then choice 0.
Session choix3(const std::string& a, const std::string& b, bool liste)
{
    return lance("3\n" + a + "\n" + b + "\n" + (liste ? "0" : "1") + "\n0\n");
}

void attendu(const std::string& a, const std::string& b, const std::vector<std::int64_t>& p)
{
    for (bool liste : {true, false}) {
        const Session s = choix3(a, b, liste);
        EXPECT_EQ(s.sortie, menu() + " \n " + INF + " \n  " + SUP + resultat(liste, p) + menu())
            << a << " " << b << (liste ? " liste" : " effectif");
        EXPECT_EQ(s.statut, 1);
        EXPECT_EQ(s.erreurs, "");
    }
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

// Primes in [bas, haut] by a sieve of that window alone.
std::int64_t compte_fenetre(std::int64_t bas, std::int64_t haut)
{
    std::int64_t r = 1;
    while ((r + 1) * (r + 1) <= haut) ++r;
    std::vector<bool> compose(static_cast<std::size_t>(haut - bas + 1), false);
    for (std::int64_t p : crible(r)) {
        std::int64_t m = std::max(p * p, (bas + p - 1) / p * p);
        for (; m <= haut; m += p) compose[static_cast<std::size_t>(m - bas)] = true;
    }
    std::int64_t n = 0;
    for (std::int64_t v = std::max<std::int64_t>(bas, 2); v <= haut; ++v)
        n += !compose[static_cast<std::size_t>(v - bas)];
    return n;
}

std::int64_t lit_effectif(const std::string& sortie)
{
    const std::string debut = " \n \n \t  Il y a  ";
    const auto i = sortie.find(debut);
    if (i == std::string::npos) return -1;
    return std::stoll(sortie.substr(i + debut.size()));
}

}  // namespace

TEST(Liste, PetitesBornesOctetPourOctet)
{
    attendu("1", "1", {});
    attendu("1", "2", {2});
    attendu("1", "3", {2, 3});
    attendu("2", "2", {2});
    attendu("3", "3", {3});
    attendu("4", "4", {});
    attendu("8", "8", {});
    attendu("10", "20", {11, 13, 17, 19});
    attendu("96", "96", {});
    attendu("97", "97", {97});
    attendu("1", "10", {2, 3, 5, 7});
    attendu("+25", "+29", {29});
    attendu("3", "5", {3, 5});
    attendu("1", "100", {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47,
                         53, 59, 61, 67, 71, 73, 79, 83, 89, 97});
}

TEST(Liste, BornesRedemandeesEtReponsesRefusees)
{
    // 10 then 5: both asked again, the lower first; equal limits accepted.
    Session s = lance("3\n10\n5\n7\n7\n0\n0\n");
    EXPECT_EQ(s.sortie, menu() + " \n " + INF + " \n  " + SUP + INF + " \n  " + SUP +
                            resultat(true, {7}) + menu());
    // 0, a sign, a leading zero and a value past 2^63 - 1 are refused
    // silently; so is a display key other than 0 or 1.
    s = lance("3\n0\n-1\n01\n9223372036854775808\n5\n0\n9\n2\n1\n0\n");
    EXPECT_EQ(s.sortie, menu() + " \n " + INF + INF + INF + INF + INF + " \n  " + SUP + SUP +
                            MODE + resultat(false, {5, 7}) + menu());
    EXPECT_EQ(s.statut, 1);
    // End of input at a limit question.
    s = lance("3\n20\n");
    EXPECT_EQ(s.sortie, menu() + " \n " + INF + " \n  " + SUP + FIN_ENTREE);
    EXPECT_EQ(s.statut, 1);
}

TEST(Liste, ListeEntiereContreUnCrible)
{
    const auto p = crible(300000);
    for (auto [bas, haut] : {std::pair<std::int64_t, std::int64_t>{1, 300000}, {4, 299999},
                             {149998, 150017}, {100000, 300000}}) {
        std::vector<std::int64_t> attendus;
        for (auto q : p)
            if (q >= bas && q <= haut) attendus.push_back(q);
        const Session s = choix3(std::to_string(bas), std::to_string(haut), true);
        EXPECT_EQ(s.sortie, menu() + " \n " + INF + " \n  " + SUP + resultat(true, attendus) + menu())
            << bas << " " << haut;
    }
}

TEST(Liste, EffectifsConnus)
{
    EXPECT_EQ(lit_effectif(choix3("1", "1000000", false).sortie), 78498);
    EXPECT_EQ(lit_effectif(choix3("1", "10000000", false).sortie), 664579);
    // Windows high up, counted by a sieve of the window itself.
    for (auto [bas, haut] : {std::pair<std::int64_t, std::int64_t>{1000000000000, 1000000100000},
                             {999999999989, 1000000000039}, {4294967000, 4294968000}}) {
        const Session s = choix3(std::to_string(bas), std::to_string(haut), false);
        EXPECT_EQ(s.sortie, menu() + " \n " + INF + " \n  " + SUP + MODE +
                                effectif(compte_fenetre(bas, haut)) + menu())
            << bas << " " << haut;
    }
}

TEST(Liste, BornesJusquA2Puissance63MoinsUn)
{
    // No prime lies above 2^63 - 25; each odd value tested here has a small
    // factor, so prem1 stays cheap. The last candidate is 2^63 - 1 itself,
    // after which the next odd value would not fit in 64 bits.
    for (std::int64_t ecart = 28; ecart >= 0; ecart -= 2) {
        if (ecart == 24) continue;  // 2^63 - 25, the prime left out below
        const std::int64_t v = INT64_MAX - ecart;
        bool petit = false;
        for (std::int64_t d = 3; d < 1000 && !petit; d += 2) petit = v % d == 0;
        ASSERT_TRUE(petit) << v;
    }
    attendu("9223372036854775807", "9223372036854775807", {});
    attendu("9223372036854775806", "9223372036854775807", {});
    attendu("9223372036854775784", "9223372036854775807", {});
    attendu("9223372036854775785", "9223372036854775806", {});
    attendu("9223372036854775779", "9223372036854775781", {});
}
