// The search for the splits of a number's digits into prime pieces: the
// piece table (every piece tested once with prem), then the depth-first walk.
#include "decoupage.h"

#include "table.h"

namespace {

// Index 0 of every array is unused, so n digits need n + 2 entries
// (the row end marks reach n + 1).
void dimensionne(Decoupage& d, int n)
{
    d.nmax = n;
    d.chiffres.assign(static_cast<std::size_t>(n) + 2, 0);
    d.posdeb.assign(static_cast<std::size_t>(n) + 2, 0);
    d.tlong.assign(static_cast<std::size_t>(n) + 2, std::vector<int>());
    d.nivlig.assign(static_cast<std::size_t>(n) + 2, 0);
    d.nivlg.assign(static_cast<std::size_t>(n) + 2, 0);
}

}  // namespace

Decoupage::Decoupage(int n) : nmax(0) { dimensionne(*this, n < 1 ? 1 : n); }

void Decoupage::construit(const NTL::ZZ& N)
{
    const NTL::ZZ P2 = N;
    NTL::ZZ P1 = P2;
    n0 = 0;
    while (P1 != 0) {
        ++n0;
        P1 /= 10;
    }
    // A caller that sized the arrays too small gets them grown, never overrun.
    if (n0 > nmax) dimensionne(*this, n0);
    const int n = n0;

    P1 = P2;
    for (int i1 = 1; i1 <= n; ++i1) {
        const int a2 = NTL::conv<int>(NTL::rem(P1, 10L));
        P1 /= 10;
        chiffres[n - i1 + 1] = a2;
    }

    posdeb[1] = 0;
    k2 = 0;
    stop = 0;
    for (int t1 = 1; t1 <= n && stop == 0; ++t1) {
        int j2 = 0;
        const int k3 = k2;
        // Each longer piece at this start extends the previous one by a digit.
        P1 = 0;
        for (int u1 = 1; u1 <= n - t1 + 1; ++u1) {
            P1 = P1 * 10 + chiffres[t1 + u1 - 1];
            if (prem(P1) == 1) {
                ++j2;
                if (j2 == 1) {
                    ++k2;
                    posdeb[k2] = t1;
                    tlong[k2].assign(1, 0);  // index 0 unused
                }
                tlong[k2].push_back(u1);  // lands at index j2
            }
        }
        if (k3 != k2) tlong[k2].push_back(0);  // end of the row, at j2 + 1
        if (posdeb[1] == 0) stop = 1;
    }
    posdeb[k2 + 1] = 0;
}

void Decoupage::avance()
{
    // Drop the levels whose piece has no longer alternative at its start.
    while (k1 != 0 && tlong[nivlig[k1]][nivlg[k1] + 1] == 0) {
        const int lg = longueur(k1);
        --k1;
        if (k1 > 0) L -= lg;
    }
    if (k1 > 0) {
        L = L - longueur(k1) + tlong[nivlig[k1]][nivlg[k1] + 1];
        ++nivlg[k1];
    }
}

void Decoupage::enumere(const std::function<void(const Decoupage&)>& action,
                        const std::function<bool()>& arret)
{
    if (posdeb[1] == 0) {
        k1 = 0;
        return;
    }
    k1 = 1;
    nivlig[1] = 1;
    nivlg[1] = 1;
    L = tlong[1][1];
    while (k1 != 0) {
        if (L == n0) {
            ++w1;
            action(*this);
            // The top piece reaches the last digit: no longer one can fit.
            const int lg = longueur(k1);
            --k1;
            if (k1 > 0) L -= lg;
            avance();
            if (arret && arret()) return;
        } else {
            int i1 = nivlig[k1] + 1;
            while (posdeb[i1] != 0 && posdeb[i1] <= L) ++i1;
            if (posdeb[i1] == L + 1) {
                ++k1;
                nivlig[k1] = i1;
                nivlg[k1] = 1;
                L += tlong[i1][1];
            } else {
                avance();
            }
        }
    }
}
