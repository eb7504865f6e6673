// Whole sessions made at random (fixed seeds) from the questions of every
// operation, with refused answers and odd bytes among them, fed to the
// built program: each must end where it was meant to (after the choice 0,
// or at the end of its input), with status 1, in time, and nothing on
// standard error (where the sanitizer build reports faults and leaks).
// PREMIERS_STRESS_SESSIONS=N runs N sessions in all instead of 200.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "harness.h"

namespace {

constexpr int PARTS = 8;  // one ctest each, so that they run side by side

class Generateur {
public:
    explicit Generateur(std::uint64_t graine) : a(graine) {}

    bool par_zero = false;  // the session ends by the choice 0

    std::string session()
    {
        for (auto n = entre(0, 6); n > 0; --n) {
            switch (entre(1, 7)) {
            case 1: decomp(); break;
            case 2: premier(); break;
            case 3: liste(); break;
            case 4: concat(); break;
            case 5: reponse("5"); break;
            case 6: reponse(std::to_string(entre(6, 9))); break;  // no such choice
            default: bruit();
            }
        }
        if ((par_zero = sur(2))) reponse("0");
        if (par_zero && sur(3)) reponse("1");  // never read
        if (sur(3) && !texte.empty()) texte.pop_back();  // no final line break
        return texte;
    }

private:
    std::mt19937_64 a;
    std::string texte;
    std::int64_t np_min = 2;      // the table holds at least this many primes
    bool amorce_seule = true;     // nothing has run yet

    std::int64_t entre(std::int64_t x, std::int64_t y) { return std::uniform_int_distribution<std::int64_t>(x, y)(a); }
    bool sur(int n) { return entre(1, n) == 1; }  // one chance in n
    std::int64_t petit(std::int64_t max)          // small values more often
    {
        while (max > 10 && sur(2)) max /= 10;
        return entre(1, max);
    }
    void ligne(const std::string& l) { texte += l + (sur(5) ? "\r\n" : "\n"); }

    // A line that no question takes.
    void bruit()
    {
        static const char* const FIXES[] = {"", " ", "+", "-", "=", "==3", "+-2", "05", "+0", "-0", "=05", "=*",
                                            "**", "*5", " *", "abc", "1e3", "7\r\r", "\xc3\xa9", "\xff", "1 0"};
        switch (entre(1, 5)) {
        case 1: ligne(std::string(static_cast<std::size_t>(entre(4097, 20000)), static_cast<char>('0' + entre(0, 9)))); break;
        case 2: ligne(std::string("5\0", 2) + std::to_string(entre(0, 9))); break;
        case 3: ligne(std::to_string(entre(1, 99)) + (sur(2) ? " " : "\t")); break;
        default: ligne(FIXES[entre(0, std::size(FIXES) - 1)]);
        }
    }
    // An answer the question takes, sometimes after refused lines.
    void reponse(const std::string& l)
    {
        while (sur(5)) bruit();
        ligne(l);
    }
    void nombre(std::int64_t v)
    {
        if (sur(8)) reponse("0");  // refused by every unsigned question
        reponse((sur(6) ? "+" : "") + std::to_string(v));
    }
    static std::string produit(std::string z, int f)  // z * f, in decimal
    {
        int r = 0;
        for (auto c = z.rbegin(); c != z.rend(); ++c, r /= 10) {
            r += (*c - '0') * f;
            *c = static_cast<char>('0' + r % 10);
        }
        return r ? std::to_string(r) + z : z;
    }
    void oui_non(bool oui)
    {
        if (sur(6)) reponse(std::to_string(entre(2, 9)));
        reponse(oui ? "1" : "0");
    }
    // Two bounds, sometimes first in the wrong order, then asked again.
    void bornes(std::int64_t bas, std::int64_t haut, std::int64_t largeur)
    {
        const std::int64_t x = entre(bas, haut), y = std::min(haut, x + petit(largeur + 1) - 1);
        if (y > x && sur(5)) {
            nombre(y);
            nombre(x);
        }
        nombre(x);
        nombre(y);
    }

    void decomp()
    {
        reponse("1");
        amorce_seule = false;
        for (auto n = entre(1, 3); n > 0; --n) {
            if (sur(3)) {  // many digits: small factors, then a cofactor of at most 10^6
                static const int F[] = {2, 3, 5, 7, 11, 13, 97, 101, 997};
                std::string z = std::to_string(entre(1, 1000000));
                for (auto k = entre(1, 40); k > 0; --k) z = produit(z, F[entre(0, std::size(F) - 1)]);
                reponse(z);
            } else {
                nombre(sur(2) ? entre(1, 1000000000000) : petit(10000000));
            }
            oui_non(n > 1);
        }
    }

    void premier()
    {
        static const auto p = crible(2000000);
        reponse("2");
        if (amorce_seule && sur(3)) reponse("*");  // refused while the table is the seed
        for (auto n = entre(0, 5); n > 0; --n) {
            amorce_seule = false;
            const std::int64_t K = petit(sur(2) ? 3000 : 30000);
            switch (entre(1, 5)) {
            case 1: reponse(std::to_string(K)); np_min += K; break;
            case 2: reponse("=" + std::to_string(K)); np_min = std::max(np_min, K); break;  // the table reaches rank K
            case 3:  // up to K: the table ends above K, whether it is listed or not
                reponse((sur(2) ? "=-" : "-") + std::to_string(K));
                np_min = std::max<std::int64_t>(np_min, std::upper_bound(p.begin(), p.end(), K) - p.begin());
                break;
            case 4:
                if (np_min > 2) {
                    reponse("*");
                    affiche(np_min, p[static_cast<std::size_t>(std::min<std::int64_t>(np_min, p.size() - 1))]);
                }
                break;
            default: bruit();
            }
        }
        reponse(sur(4) ? "=0" : "0");
    }

    // The selections on a table of at least r primes, the last at least v.
    void affiche(std::int64_t r, std::int64_t v)
    {
        for (auto n = entre(1, 4); n > 0; --n) {
            const auto choix = entre(1, 6);
            reponse(std::to_string(choix == 6 ? entre(6, 9) : choix));  // 6 to 9: no such choice
            switch (choix) {
            case 1: nombre(entre(1, r)); break;
            case 2: nombre(entre(1, v)); break;
            case 3: bornes(1, r, 2000); break;
            case 4: bornes(1, v, 20000); break;
            case 5:
                bornes(1, v, 20000);
                nombre(sur(3) ? entre(1, 30) : 2 * entre(1, 10));
                if (sur(4)) reponse("1");  // a run needs at least 2 primes
                nombre(entre(2, 5));
            }
        }
        reponse("0");
    }

    void liste()
    {
        reponse("3");
        amorce_seule = false;
        bornes(1, 9999999, 5000);
        if (sur(6)) reponse("2");
        reponse(std::to_string(entre(0, 1)));
    }

    void concat()
    {
        reponse("4");
        amorce_seule = false;
        for (auto n = entre(1, 4); n > 0; --n) {
            const auto choix = entre(1, 4);
            reponse(std::to_string(choix == 4 ? entre(4, 9) : choix));  // 4 to 9: no such choice
            if (choix == 1) {
                for (auto k = entre(1, 3); k > 0; --k) {
                    nombre(petit(9999999));
                    oui_non(k > 1);
                }
            } else if (choix != 4) {
                bornes(1, 1000000, 300);
                reponse(std::to_string(entre(0, 1)));
            }
        }
        reponse("0");
    }
};

class Stress : public ::testing::TestWithParam<int> {};

}  // namespace

TEST_P(Stress, SessionsAuHasard)
{
    const char* v = std::getenv("PREMIERS_STRESS_SESSIONS");
    const int total = v && std::atoi(v) > 0 ? std::atoi(v) : 200;
    for (int k = GetParam(); k < total; k += PARTS) {
        Generateur g(0x5e55105ULL + static_cast<std::uint64_t>(k));
        const std::string entree = g.session();
        const Session s = lance(entree, 60);
        const std::string fin = g.par_zero ? INVITE : FIN_ENTREE;
        const bool bon = s.statut == 1 && s.erreurs.empty() && s.sortie.rfind(MENU, 0) == 0 &&
                         s.sortie.size() >= fin.size() && s.sortie.compare(s.sortie.size() - fin.size(), fin.size(), fin) == 0;
        if (!bon) {
            const std::string nom = "/tmp/premiers-stress-" + std::to_string(k) + ".txt";
            std::ofstream(nom, std::ios::binary) << entree;
            ADD_FAILURE() << "session " << k << " (entree dans " << nom << ") : statut " << s.statut
                          << "\nerreurs : " << s.erreurs.substr(0, 4000);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Parts, Stress, ::testing::Range(0, PARTS));
