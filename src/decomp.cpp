// Choice 1 of the main menu: decomp factorises integers of any size by trial
// division with the prime table, and prints each prime factor with its power.
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include <NTL/ZZ.h>

#include "controle.h"
#include "operations.h"
#include "table.h"

namespace {

// The factors of one N, in increasing order: Nfact[t] with its exponent
// Nexpo[t] for t = 1..nf (index 0 unused). Nfact[t] = -1 marks the last
// factor when it was left over by the bound test; its value is then S2.
struct Facteurs {
    std::vector<std::int64_t> Nfact{0};
    std::vector<std::int64_t> Nexpo{0};
    int nf = 0;
    NTL::ZZ S2;

    void divise(std::int64_t p, int expo)
    {
        ++nf;
        Nfact.push_back(p);
        Nexpo.push_back(expo);
    }

    void reste_premier(const NTL::ZZ& S)
    {
        ++nf;
        Nfact.push_back(-1);
        Nexpo.push_back(1);
        S2 = S;
    }
};

// Trial division of N by the table primes in increasing rank, extending the
// table with Suiv one prime at a time, exactly as far as the trials reach.
// The remainder is held as a ZZ while it needs more than 63 bits, then as
// a 64-bit integer; both walks make the same trials in the same order.
// Within the table, the ranks whose primes neither divide nor pass the root
// are crossed in one sweep; the walk then takes up the trial at the rank
// where the sweep stopped, bound test first, as at every rank.
Facteurs factorise(const NTL::ZZ& N)
{
    Facteurs f;
    NTL::ZZ S = N;
    NTL::ZZ rS = NTL::SqrRoot(S);
    std::int64_t k = 0;

    // Invariant: no prime of rank <= k divides S, so each prime factor of S
    // is at least Nprem[k + 1]; once Nprem[k + 1] > rS = floor(sqrt(S)), S
    // cannot hold two of them and is itself prime. rS follows every change
    // of S, and the sweep stops at the first rank where either test fires.
    while (S != 1 && NTL::NumBits(S) > 63) {
        if (k >= 1 && k < np) {
            // A root beyond 63 bits is above every table prime.
            const std::int64_t fin = NTL::NumBits(rS) <= 63 ? rang_au_dela(NTL::conv<long>(rS), k + 1) : np + 1;
            k = diviseur_zz(S, k + 1, fin) - 1;
        }
        ++k;
        if (k > np) Suiv();
        const long p = Nprem[static_cast<std::size_t>(k)];
        if (rS < p) {
            f.reste_premier(S);
            return f;
        }
        int expo = 0;
        while (NTL::rem(S, p) == 0) {
            S /= p;
            ++expo;
        }
        if (expo > 0) {
            f.divise(p, expo);
            NTL::SqrRoot(rS, S);
        }
    }
    if (S == 1) return f;

    // Same walk on a remainder below 2^63. Its root is below 2^32, so the
    // trial primes stay far below any 64-bit limit here.
    std::int64_t s = NTL::conv<long>(S);
    std::int64_t rs = racine(s);
    // Invariant: as above, no prime of rank <= k divides s, and the sweep
    // stops at the first rank whose prime divides s or exceeds rs.
    while (s != 1) {
        if (k >= 1 && k < np) k = diviseur(static_cast<std::uint64_t>(s), k + 1, rang_au_dela(rs, k + 1)) - 1;
        ++k;
        if (k > np) Suiv();
        const std::int64_t p = Nprem[static_cast<std::size_t>(k)];
        if (p > rs) {
            f.reste_premier(NTL::ZZ(s));
            return f;
        }
        int expo = 0;
        while (s % p == 0) {
            s /= p;
            ++expo;
        }
        if (expo > 0) {
            f.divise(p, expo);
            rs = racine(s);
        }
    }
    return f;
}

void affiche_resultat(const NTL::ZZ& S1, const Facteurs& f)
{
    std::cout << " \n \n \t " << S1;
    if (f.nf == 1 && f.Nexpo[1] == 1) {
        std::cout << "  est un nombre premier. ";
        return;
    }
    std::cout << " =  ";
    for (int t = 1; t <= f.nf; ++t) {
        std::cout << "(";
        if (f.Nfact[t] == -1) std::cout << f.S2;
        else std::cout << f.Nfact[t];
        std::cout << ")";
        if (f.Nexpo[t] != 1) std::cout << "^" << f.Nexpo[t];
        if (t != f.nf) std::cout << " X ";
    }
}

}  // namespace

int decomp()
{
    int recalc = 1;
    std::cout << "\n" << std::string(107, '_')
              << " \n \n \t *****  DECOMPOSITION D'UN ENTIER N EN FACTEURS PREMIERS.  ***** ";
    while (recalc == 1) {
        controle_non_nul(9, " \n \n \n \t N ? : ");
        const NTL::ZZ S1 = valeur0;
        affiche_resultat(S1, factorise(S1));
        controle(1, "\n \n \t Nouvelle valeur de N ? Oui [1] , Non [0] : ");
        recalc = valeur2;
    }
    return 1;
}
