// The ranked listing format, shared by the listing with ranks and by the
// selections by range: entries "   [ rank : prime ] " on one line, with a
// break before every rank that opens a hundred.
#include "rangs.h"

#include <iostream>

#include "table.h"

void entree_rang(std::int64_t t)
{
    std::cout << "   [ " << t << " : " << Nprem[t] << " ] ";
}

void liste_rangs(std::int64_t a, std::int64_t b)
{
    if (b < a) return;
    // Stops at b itself, so no rank past b is ever formed.
    for (std::int64_t t = a;; ++t) {
        if ((t - 1) % 100 == 0) std::cout << " \n \n \n ";
        entree_rang(t);
        if (t == b) break;
    }
}
