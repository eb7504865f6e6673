// What the unit and end-to-end tests share: texts the program prints in
// several places, and the independent computations the tests check it
// against (a sieve, plain trial division, splits into prime pieces).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// crible(n)[r] is the prime of rank r, for the primes up to n; [0] holds 0.
inline std::vector<std::int64_t> crible(std::int64_t n)
{
    std::vector<bool> compose(static_cast<std::size_t>(n + 1));
    std::vector<std::int64_t> p{0};
    for (std::int64_t a = 2; a <= n; ++a) {
        if (compose[static_cast<std::size_t>(a)]) continue;
        p.push_back(a);
        for (std::int64_t m = a * a; m <= n; m += a) compose[static_cast<std::size_t>(m)] = true;
    }
    return p;
}

// Trial division of n by p[1], p[2], ... in the table's order: it stops at
// the first prime that divides n or whose square exceeds n. Returns whether
// n is prime and the rank of that last prime.
inline std::pair<bool, std::int64_t> marche(const std::vector<std::int64_t>& p, std::uint64_t n)
{
    // No prime of rank below k divides n.
    for (std::size_t k = 1;; ++k) {
        const auto q = static_cast<std::uint64_t>(p[k]);
        if (n % q == 0 || q * q > n) return {n % q != 0, static_cast<std::int64_t>(k)};
    }
}

// Every split of s[pos..] into prime pieces, the shortest first piece first.
inline std::vector<std::vector<std::string>> decoupages(const std::string& s, std::size_t pos = 0)
{
    static const auto p = crible(400000);
    std::vector<std::vector<std::string>> r;
    if (pos == s.size()) r.emplace_back();
    for (std::size_t lg = 1; pos + lg <= s.size(); ++lg) {
        const std::uint64_t v = std::stoull(s.substr(pos, lg));
        if (v < 2 || (v > 2 && !marche(p, v).first)) continue;
        for (auto& suite : decoupages(s, pos + lg)) {
            suite.insert(suite.begin(), s.substr(pos, lg));
            r.push_back(suite);
        }
    }
    return r;
}

inline std::string fois(const std::string& s, std::size_t n) { return n == 0 ? "" : s + fois(s, n - 1); }

// The prime of rank r, from a sieve of its own.
inline std::int64_t P(std::int64_t r)
{
    static const auto p = crible(100000);
    return p[static_cast<std::size_t>(r)];
}

// The listing with ranks: its entries, prompts, headers and status line.
inline std::string entrees(std::int64_t a, std::int64_t b)
{
    return a > b ? "" : "   [ " + std::to_string(a) + " : " + std::to_string(P(a)) + " ] " + entrees(a + 1, b);
}
inline std::string de_rang(std::int64_t r) { return " \n \n \t " + std::to_string(r) + " eme nombre premier : " + entrees(r, r); }
const std::string COURTE = "\n \n \n \t [K]  ou  [-K]  ou  [=K]  ou   [=-K]  ou   [0]   ? : ";
const std::string LONGUE = "\n \n \n \t [K]  ou  [-K]  ou  [=K]  ou  [=-K]   ou   [*]  ou   [0]  ? : ";
inline std::string statut(std::int64_t r)
{
    return " \n \n \t  Dernier nombre calcule  :    [ " + std::to_string(r) + " : " + std::to_string(P(r)) + " ] ." + LONGUE;
}
const std::string SUIVANTS = " \n \n \t Nombres premiers suivants :  ";
const std::string AMORCE = " \n \n \t Liste des nombres premiers :   [ 1 : 2 ]   [ 2 : 3 ] ";

// The questions of the factorisation and of the splits of one N.
const std::string QUESTION_N = " \n \n \n \t N ? : ";
const std::string ENCORE = "\n \n \t Nouvelle valeur de N ? Oui [1] , Non [0] : ";
