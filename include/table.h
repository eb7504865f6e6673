// The prime table shared by every operation, and the two primality tests
// that read and extend it.
#pragma once

#include <cstdint>
#include <stdexcept>

#include <NTL/ZZ.h>

#include "tableau.h"

// Table primes go to NTL as long, which must hold all 64 bits.
static_assert(sizeof(long) == sizeof(std::int64_t), "NTL's long must carry a full table prime");

// Nprem[r] is the prime of rank r for r = 1..np; Nprem[0] holds 0.
// The table only grows, one prime per call of Suiv, for the whole run.
extern Tableau<std::int64_t> Nprem;
extern std::int64_t np;

// Puts the table back to its seed: 0, 2, 3 with np = 2, giving back the
// memory of a grown table.
void amorce();

// Thrown by Suiv when the next prime would pass 2^63 - 1; the table is
// then unchanged.
struct TableDepassee : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Appends the prime that follows Nprem[np]. Returns 1.
int Suiv();

// 1 if S (at least 0) is prime, else 0. Divides by the table primes in
// increasing rank, extending the table as far as the test reaches.
int prem(const NTL::ZZ& S);

// 1 if S3 (odd, at least 5) is prime, else 0; same division order as prem,
// but its walk stops above the truncated double root of S3, not the exact one.
int prem1(std::int64_t S3);

// The first rank r in [debut, fin) whose prime divides n, or fin when none
// does; for 2 <= debut and fin <= np + 1 (odd primes of the table only).
std::int64_t diviseur(std::uint64_t n, std::int64_t debut, std::int64_t fin);

// The same for a big S: one NTL remainder by a product of consecutive
// primes that fits 63 bits serves the whole product.
std::int64_t diviseur_zz(const NTL::ZZ& S, std::int64_t debut, std::int64_t fin);

// The first rank in [debut, np] whose prime is above r, or np + 1 when
// none is: the ranks below it hold the primes up to r.
std::int64_t rang_au_dela(std::int64_t r, std::int64_t debut);

// Floor of the square root of n, exact for every n >= 0.
std::int64_t racine(std::int64_t n);
