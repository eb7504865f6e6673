// Sessions made at random from the questions of every operation, with lines
// that every question refuses among the answers: each must end where meant,
// with status 1 and nothing on standard error (faults, leaks under ASan).
#include <gtest/gtest.h>

#include <random>

#include "harness.h"

namespace {

struct Generateur {
    std::mt19937_64 a;
    std::string texte = "";
    bool par_zero = false;  // ends by the choice 0, else at the end of its input

    std::int64_t entre(std::int64_t x, std::int64_t y) { return std::uniform_int_distribution<std::int64_t>(x, y)(a); }
    void l(const std::string& ligne)
    {
        static const char* const BRUIT[] = {"", " ", "+", "-", "=", "==3", "+-2", "05", "+0", "-0", "=05", "=*", "**",
                                            "*5", " *", "abc", "1e3", "7\r\r", "\xc3\xa9", "\xff", "1 0", "12\t"};
        for (int k = 0; entre(1, 5) == 1; ++k)  // sometimes long, sometimes with a NUL
            texte += (k % 4 == 3 ? std::string(20000, '1') : BRUIT[entre(0, 21)] + std::string(k % 3 / 2, '\0')) + '\n';
        texte += ligne + (entre(1, 5) == 1 ? "\r\n" : "\n");
    }
    void n(std::int64_t v) { l(std::to_string(v)); }
    void bornes(std::int64_t haut, std::int64_t ecart)
    {
        const std::int64_t x = entre(1, haut);
        n(x), n(std::min(haut, x + entre(0, ecart)));
    }

    std::string session()
    {
        std::int64_t rangs = 2, valeurs = 3;  // the table holds at least this many primes, up to at least this
        for (auto k = entre(0, 6); k > 0; --k) {
            const auto c = entre(1, 6);
            n(c == 6 ? entre(6, 9) : c);  // 6 to 9: no such choice
            for (auto m = c == 1 ? entre(1, 3) : 0; m > 0; --m) {  // up to 13 digits, sometimes many zeros after
                const std::int64_t v = entre(1, entre(0, 1) ? 10000000 : 1000000000000);
                l(std::to_string(v) + std::string(entre(0, 2) ? 0 : m * 13, '0'));
                n(m > 1);
            }
            for (auto m = c == 2 ? entre(1, 6) : 0; m > 0; --m) {  // [K], [=K], [-K], [=-K] or "*"
                const std::int64_t K = entre(1, entre(0, 1) ? 30 : 30000), d = entre(1, 4);
                if (d < 4) l(std::string(d == 1 ? "" : d == 2 ? "=" : entre(0, 1) ? "-" : "=-") + std::to_string(K));
                rangs = d == 1 ? rangs + K : d == 2 ? std::max(rangs, K) : rangs;
                valeurs = std::max({valeurs, rangs, d == 3 ? K : 0});  // no prime is below its rank
                if (d < 4 || rangs == 2) continue;  // "*" is refused while the table is the seed
                l("*");
                for (auto s = entre(1, 4); s > 0; --s) {
                    const auto e = entre(1, 6);
                    n(e == 6 ? entre(6, 9) : e);
                    if (e == 1 || e == 2) n(entre(1, e == 1 ? rangs : valeurs));
                    if (e >= 3 && e <= 5) bornes(e == 3 ? rangs : valeurs, 2000);
                    if (e == 5) n(entre(1, 30)), n(entre(2, 5));
                }
                n(0);
            }
            if (c == 2) l(entre(0, 3) ? "0" : "=0");
            if (c == 3) bornes(9999999, 5000), n(entre(0, 1));
            for (auto m = c == 4 ? entre(1, 4) : 0; m > 0; --m) {
                const auto o = entre(1, 4);
                n(o == 4 ? entre(4, 9) : o);
                for (auto r = o == 1 ? entre(1, 3) : 0; r > 0; --r) n(entre(1, 9999999)), n(r > 1);
                if (o == 2 || o == 3) bornes(1000000, 300), n(entre(0, 1));
            }
            if (c == 4) n(0);
        }
        if ((par_zero = entre(0, 1))) n(0);
        if (entre(0, 2) == 0 && !texte.empty()) texte.pop_back();  // no final line break
        return texte;
    }
};

class Stress : public ::testing::TestWithParam<int> {};
constexpr int TRANCHES = 8, SESSIONS = 200;  // one ctest per slice, so that they run side by side

}  // namespace

TEST_P(Stress, SessionsAuHasard)
{
    for (int k = GetParam(); k < SESSIONS; k += TRANCHES) {
        Generateur g{std::mt19937_64(0x5e55105ULL + static_cast<std::uint64_t>(k))};
        const std::string entree = g.session(), fin = g.par_zero ? "Quel est votre choix ? : " : "\n";
        const Session s = lance(entree);
        EXPECT_TRUE(s.statut == 1 && s.erreurs.empty() && s.sortie.size() >= fin.size() &&
                    s.sortie.compare(s.sortie.size() - fin.size(), fin.size(), fin) == 0)
            << "session " << k << ", statut " << s.statut << "\n" << s.erreurs.substr(0, 4000);
    }
}

INSTANTIATE_TEST_SUITE_P(Tranches, Stress, ::testing::Range(0, TRANCHES));
