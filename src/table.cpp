// The prime table Nprem/np, its extension Suiv, and the primality tests
// prem (big integers) and prem1 (64-bit), all by trial division with the
// table's own primes.
#include "table.h"

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <limits>

std::vector<std::int64_t> Nprem(3, 0);
std::int64_t np = 0;

void amorce()
{
    Nprem.assign(3, 0);
    np = 2;
    Nprem[1] = 2;
    Nprem[2] = 3;
}

std::int64_t racine(std::int64_t n)
{
    if (n < 2) return n;
    // The double root is within one of the true root; correct it exactly.
    auto r = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
    while (r > 0 && (r > n / r)) --r;                 // r*r > n
    while ((r + 1) <= n / (r + 1)) ++r;               // (r+1)^2 <= n
    return r;
}

int Suiv()
{
    constexpr std::int64_t MAX = std::numeric_limits<std::int64_t>::max();
    std::int64_t c = Nprem[np];
    for (;;) {
        if (c > MAX - 2) {
            std::cout.flush();
            std::cerr << "\n premiers : la table depasserait 2^63 - 1, calcul impossible.\n";
            std::exit(2);
        }
        c += 2;
        const std::int64_t rc = racine(c);
        // Candidates are odd, so the division by 2 (rank 1) is skipped.
        // Invariant: no prime of rank 2..j-1 divides c, and all of them are
        // at most rc; so once Nprem[j] > rc, c has no factor <= its root.
        // The loop cannot pass np: c < 2 * Nprem[np], so rc < Nprem[np].
        std::int64_t j = 2;
        while (Nprem[j] <= rc && c % Nprem[j] != 0) ++j;
        if (Nprem[j] > rc) break;
    }
    Nprem.push_back(c);
    ++np;
    return 1;
}

int prem1(std::int64_t S3)
{
    const std::int64_t rS1 = racine(S3);
    // Invariant: no prime of rank < k divides S3. The remainder is tested
    // before the bound, so the first prime above the root is divided too.
    for (std::int64_t k = 1;; ++k) {
        if (k > np) Suiv();
        const std::int64_t p = Nprem[k];
        if (S3 % p == 0) return 0;
        if (p > rS1) return 1;
    }
}

int prem(const NTL::ZZ& S)
{
    if (S == 2) return 1;
    if (S == 1 || S == 0) return 0;
    if (NTL::NumBits(S) <= 63) {
        const std::int64_t s = NTL::conv<long>(S);
        const std::int64_t rS = racine(s);
        // Same walk as prem1, on a number that fits 64 bits.
        for (std::int64_t k = 1;; ++k) {
            if (k > np) Suiv();
            const std::int64_t p = Nprem[k];
            if (s % p == 0) return 0;
            if (p > rS) return 1;
        }
    }
    const NTL::ZZ rS = NTL::SqrRoot(S);
    // Invariant: no prime of rank < k divides S.
    for (std::int64_t k = 1;; ++k) {
        if (k > np) Suiv();
        const std::int64_t p = Nprem[k];
        if (NTL::rem(S, static_cast<long>(p)) == 0) return 0;
        if (p > rS) return 1;
    }
}
