// The prime table Nprem/np, its extension Suiv, and the primality tests
// prem (big integers) and prem1 (64-bit), all by trial division with the
// table's own primes, in increasing rank.
//
// A division is replaced by a multiplication: for an odd prime p with
// inverse q modulo 2^w, and 0 <= n < 2^w, p divides n exactly when
// n * q mod 2^w <= (2^w - 1) / p. The inverses and these limits sit in a
// side table beside Nprem, filled a block ahead of the walks and never
// further: only the ranks a walk has reached cost memory there. Numbers
// below 2^32 use 32-bit words, twice as many per vector register.
#include "table.h"

#include <algorithm>
#include <cmath>
#include <limits>

Tableau<std::int64_t> Nprem(3, 0);
std::int64_t np = 0;

namespace {

constexpr std::uint64_t MAX32 = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint64_t MAX64 = std::numeric_limits<std::uint64_t>::max();

// ---- Side table

// Indexed by rank like Nprem, filled from rank 2 (ranks 0 and 1 hold 0 and
// 2, which have no inverse) up to its size minus 1.
Tableau<std::uint64_t> inv64(2, 0), lim64(2, 0);
// The 32-bit words serve numbers below 2^32, whose walks stop at the first
// prime above their root, 65537 at the latest: only those primes get them.
constexpr std::int64_t DERNIER_32 = 65537;
Tableau<std::uint32_t> inv32(2, 0), lim32(2, 0);

// How far ahead of a walk the side table is filled, in ranks.
constexpr std::int64_t AVANCE = 4096;

// Inverse of the odd p modulo 2^64 by Newton's iteration: 3p xor 2 is
// right on its 5 low bits, and each step doubles the number of right bits.
std::uint64_t inverse(std::uint64_t p)
{
    std::uint64_t q = (3 * p) ^ 2;
    for (int n = 0; n < 4; ++n) q *= 2 - p * q;
    return q;
}

std::uint64_t premier_de_rang(std::int64_t r) { return static_cast<std::uint64_t>(Nprem[static_cast<std::size_t>(r)]); }

// Makes the 64-bit side table cover every rank below fin (fin <= np + 1).
// Called once every few thousand ranks: kept out of line, so that the walks
// that call it keep their tight code.
__attribute__((noinline)) void etend64(std::int64_t fin)
{
    for (auto r = static_cast<std::int64_t>(inv64.size()); r < fin; ++r) {
        const std::uint64_t p = premier_de_rang(r);
        inv64.push_back(inverse(p));
        lim64.push_back(MAX64 / p);
    }
}

// The same for the 32-bit words, whose primes are at most DERNIER_32.
__attribute__((noinline)) void etend32(std::int64_t fin)
{
    for (auto r = static_cast<std::int64_t>(inv32.size()); r < fin; ++r) {
        const std::uint64_t p = premier_de_rang(r);
        inv32.push_back(static_cast<std::uint32_t>(inverse(p)));
        lim32.push_back(static_cast<std::uint32_t>(MAX32 / p));
    }
}

// ---- Square roots and bounds

// Floor of the square root of any 64-bit n. The double root, correctly
// rounded from the nearest double of n, is never below the true root for
// n < 2^64, only at times one above it.
std::uint64_t racine64(std::uint64_t n)
{
    std::uint64_t r = std::min(static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n))), MAX32);
    while (r * r > n) --r;
    return r;
}

// The square root of n in double precision, truncated: the bound of Suiv
// and prem1. A prime p is at most this root exactly when the double of p is
// at most the double root, since p is an integer below 2^53.
std::int64_t racine_double(std::int64_t n)
{
    return static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
}

// Last answer of rang_borne: successive bounds are usually close (the
// roots of the candidates of Suiv, of those of a listing), so the next
// answer is usually the same rank or the next one.
std::int64_t curseur = 1;

// The slow side of rang_borne: a few steps from the last answer, else a
// binary search.
std::int64_t rang_borne_loin(std::int64_t b)
{
    auto depasse = [b](std::int64_t r) { return Nprem[static_cast<std::size_t>(r)] > b; };
    std::int64_t r = std::min(std::max(curseur, std::int64_t{1}), np + 1);
    for (int pas = 0; pas < 4; ++pas) {
        if (r <= np && !depasse(r)) {
            ++r;
        } else if (r > 1 && depasse(r - 1)) {
            --r;
        } else {
            return curseur = r;
        }
    }
    const auto debut = Nprem.begin() + 1;
    return curseur = std::upper_bound(debut, debut + np, b) - Nprem.begin();
}

// The first rank >= 1 whose prime is above b, or np + 1.
inline std::int64_t rang_borne(std::int64_t b)
{
    const std::int64_t r = curseur;
    if (r >= 2 && r <= np && Nprem[static_cast<std::size_t>(r)] > b && Nprem[static_cast<std::size_t>(r - 1)] <= b)
        return r;
    return rang_borne_loin(b);
}

// ---- The division loops

// The first rank r in [debut, fin) whose prime divides n, or fin, for both
// word sizes. Whole blocks of primes are tested without a branch per prime,
// which the compiler turns into vector code; the block that holds a divisor
// is then searched one prime at a time.
template <typename U>
__attribute__((always_inline)) inline std::int64_t par_blocs(U n, const U* inv, const U* lim, std::int64_t debut,
                                                             std::int64_t fin)
{
    constexpr int BLOC = 128 / sizeof(U);  // two 512-bit registers
    std::int64_t r = debut;
    // Invariant: no prime of rank debut..r-1 divides n.
    for (; r + BLOC <= fin; r += BLOC) {
        U touche = 0;
        // Kept rolled, so that the compiler makes it whole vector operations.
#pragma GCC unroll 1
        for (int t = 0; t < BLOC; ++t) touche |= static_cast<U>(n * inv[r + t]) <= lim[r + t] ? ~U{0} : U{0};
        if (touche != 0) break;
    }
    // Invariant: no prime of rank debut..r-1 divides n.
    for (; r < fin; ++r) {
        if (static_cast<U>(n * inv[r]) <= lim[r]) return r;
    }
    return fin;
}

// One copy per instruction set on x86-64, chosen when the program loads.
#if defined(__x86_64__)
#define PAR_JEU_D_INSTRUCTIONS __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#else
#define PAR_JEU_D_INSTRUCTIONS
#endif

PAR_JEU_D_INSTRUCTIONS std::int64_t par_blocs32(std::uint32_t n, std::int64_t debut, std::int64_t fin)
{
    return par_blocs<std::uint32_t>(n, inv32.data(), lim32.data(), debut, fin);
}

PAR_JEU_D_INSTRUCTIONS std::int64_t par_blocs64(std::uint64_t n, std::int64_t debut, std::int64_t fin)
{
    return par_blocs<std::uint64_t>(n, inv64.data(), lim64.data(), debut, fin);
}

// Primes tried one at a time, inline, before the blocks: most composites
// have a factor among them, and leave without the cost of a block.
constexpr std::int64_t TETE = 16;

template <typename U>
inline std::int64_t en_tete(U n, const Tableau<U>& inv, const Tableau<U>& lim, std::int64_t debut, std::int64_t fin,
                            std::int64_t (*suite)(U, std::int64_t, std::int64_t))
{
    const std::int64_t fin_tete = std::min(fin, debut + TETE);
    // Invariant: no prime of rank debut..r-1 divides n.
    for (std::int64_t r = debut; r < fin_tete; ++r) {
        const auto i = static_cast<std::size_t>(r);
        if (static_cast<U>(n * inv[i]) <= lim[i]) return r;
    }
    return fin_tete == fin ? fin : suite(n, fin_tete, fin);
}

// The first rank r in [debut, fin) whose prime divides n, or fin
// (2 <= debut, fin <= np + 1).
inline std::int64_t premier_diviseur(std::uint64_t n, std::int64_t debut, std::int64_t fin)
{
    if (n <= MAX32 && Nprem[static_cast<std::size_t>(fin - 1)] <= DERNIER_32) {
        if (fin > static_cast<std::int64_t>(inv32.size())) etend32(fin);
        return en_tete(static_cast<std::uint32_t>(n), inv32, lim32, debut, fin, par_blocs32);
    }
    // Invariant: no prime of rank (first debut)..debut-1 divides n. Each
    // stretch ends where the side table ends, or AVANCE ranks on.
    for (;;) {
        const std::int64_t bout = std::min(fin, std::max(static_cast<std::int64_t>(inv64.size()), debut + AVANCE));
        if (bout > static_cast<std::int64_t>(inv64.size())) etend64(bout);
        const std::int64_t r = en_tete(n, inv64, lim64, debut, bout, par_blocs64);
        if (r < bout || bout == fin) return r;
        debut = bout;
    }
}

// 1 if the odd n >= 5 is prime, else 0: divides by the primes of rank 2, 3,
// ... up to the first one above the bound rS, extending the table that far.
int premier_impair(std::uint64_t n, std::int64_t rS)
{
    // Rank K holds the first prime above the bound; like every prime, it is
    // divided before the bound stops the walk.
    const std::int64_t K = rang_au_dela(rS, 2);
    if (K <= np) return premier_diviseur(n, 2, K + 1) <= K ? 0 : 1;
    if (premier_diviseur(n, 2, np + 1) <= np) return 0;
    // Invariant: no prime of rank < k divides n, and all of them are at most
    // rS. The remainder is tested before the bound, as in the whole walk.
    for (std::int64_t k = np + 1;; ++k) {
        Suiv();
        const std::uint64_t p = premier_de_rang(k);
        if (n % p == 0) return 0;
        if (p > static_cast<std::uint64_t>(rS)) return 1;
    }
}

}  // namespace

void amorce()
{
    // Fresh arrays: a table grown by an earlier run gives its memory back.
    Nprem = Tableau<std::int64_t>(3, 0);
    np = 2;
    Nprem[1] = 2;
    Nprem[2] = 3;
    inv64.shrink(2);
    lim64.shrink(2);
    inv32.shrink(2);
    lim32.shrink(2);
    curseur = 1;
}

std::int64_t racine(std::int64_t n)
{
    if (n < 2) return n;
    return static_cast<std::int64_t>(racine64(static_cast<std::uint64_t>(n)));
}

std::int64_t diviseur(std::uint64_t n, std::int64_t debut, std::int64_t fin)
{
    if (debut >= fin) return fin;
    return premier_diviseur(n, debut, fin);
}

std::int64_t rang_au_dela(std::int64_t r, std::int64_t debut)
{
    // The primes increase with the rank: past debut, the first prime above r
    // is at the first such rank overall, or at debut itself.
    return std::max(debut, rang_borne(r));
}

std::int64_t diviseur_zz(const NTL::ZZ& S, std::int64_t debut, std::int64_t fin)
{
    // Invariant: no prime of a rank passed over (from the first debut up to
    // debut - 1) divides S. One NTL remainder by a product P of consecutive
    // primes that fits 63 bits gives the remainder by each of them.
    while (debut < fin) {
        long P = Nprem[static_cast<std::size_t>(debut)];
        std::int64_t g = debut + 1;
        long suivant = 0;
        while (g < fin && !__builtin_mul_overflow(P, Nprem[static_cast<std::size_t>(g)], &suivant)) {
            P = suivant;
            ++g;
        }
        const std::int64_t r = diviseur(static_cast<std::uint64_t>(NTL::rem(S, P)), debut, g);
        if (r < g) return r;
        debut = g;
    }
    return fin;
}

int Suiv()
{
    constexpr std::int64_t MAX = std::numeric_limits<std::int64_t>::max();
    std::int64_t c = Nprem[static_cast<std::size_t>(np)];
    for (;;) {
        if (c > MAX - 2) throw TableDepassee("la table depasserait 2^63 - 1");
        c += 2;
        // Candidates are odd, so the division by 2 (rank 1) is skipped. The
        // primes of rank 2..J-1 are those up to the root of c, and J <= np
        // since c < 2 * Nprem[np] puts the root below Nprem[np].
        const std::int64_t J = rang_au_dela(racine_double(c), 2);
        if (premier_diviseur(static_cast<std::uint64_t>(c), 2, J) == J) break;
    }
    Nprem.push_back(c);
    ++np;
    return 1;
}

int prem1(std::int64_t S3)
{
    // Outside the callers' range (odd, at least 5), the answers of the plain
    // walk: 2 divides the even numbers, and 2 is above the root of 1 and 3.
    if (S3 % 2 == 0) return 0;
    if (S3 < 5) return 1;
    return premier_impair(static_cast<std::uint64_t>(S3), racine_double(S3));
}

int prem(const NTL::ZZ& S)
{
    if (S == 2) return 1;
    if (S == 1 || S == 0) return 0;
    if (!NTL::IsOdd(S)) return 0;  // the prime of rank 1 divides S
    if (S == 3) return 1;          // and is above its root
    if (NTL::NumBits(S) <= 64) {
        unsigned long s = 0;
        NTL::conv(s, S);
        return premier_impair(s, static_cast<std::int64_t>(racine64(s)));
    }
    // From 2^64 on, the root is at least 2^32. No table prime can pass a
    // root beyond 2^63 - 1, so such a root is held as 2^63 - 1.
    const NTL::ZZ rS = NTL::SqrRoot(S);
    const std::int64_t borne = NTL::NumBits(rS) <= 63 ? NTL::conv<long>(rS) : std::numeric_limits<std::int64_t>::max();
    // Rank K holds the first prime above the root; like every prime, it is
    // divided before the bound stops the walk.
    const std::int64_t K = rang_au_dela(borne, 2);
    if (K <= np) return diviseur_zz(S, 2, K + 1) <= K ? 0 : 1;
    if (diviseur_zz(S, 2, np + 1) <= np) return 0;
    // Invariant: no prime of rank < k divides S, and all of them are at most
    // borne. The remainder is tested before the bound, as in the whole walk.
    for (std::int64_t k = np + 1;; ++k) {
        Suiv();
        const long p = Nprem[static_cast<std::size_t>(k)];
        if (NTL::rem(S, p) == 0) return 0;
        if (p > borne) return 1;
    }
}
