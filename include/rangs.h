// The ranked listing: how the listing with ranks and the selections by
// range print primes together with their ranks.
#pragma once

#include <cstdint>

// One entry "   [ t : Nprem[t] ] ", with no break before it.
void entree_rang(std::int64_t t);

// The entries of ranks a..b (a >= 1, b <= np) on one line, with a break
// before every rank that opens a hundred (1, 101, 201, ...). Nothing when
// b < a.
void liste_rangs(std::int64_t a, std::int64_t b);
