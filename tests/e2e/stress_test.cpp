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

struct Generateur {
    std::mt19937_64 a;
    std::string texte = "";
    std::int64_t np_min = 2;  // the table holds at least this many primes

    std::int64_t entre(std::int64_t x, std::int64_t y) { return std::uniform_int_distribution<std::int64_t>(x, y)(a); }
    bool sur(int n) { return entre(1, n) == 1; }  // one chance in n
    // An answer the question takes, sometimes after lines no question takes.
    void reponse(const std::string& l)
    {
        static const char* const BRUIT[] = {"", " ", "+", "-", "=", "==3", "+-2", "05", "+0", "-0", "=05", "=*", "**",
                                            "*5", " *", "abc", "1e3", "7\r\r", "\xc3\xa9", "\xff", "1 0", "12\t"};
        while (sur(5))
            texte += (sur(4) ? std::string(static_cast<std::size_t>(entre(4097, 20000)), '1')
                             : BRUIT[entre(0, std::size(BRUIT) - 1)] + std::string(sur(4) ? 1 : 0, '\0')) + "\n";
        texte += l + (sur(5) ? "\r\n" : "\n");
    }
    void nombre(std::int64_t v)
    {
        if (sur(8)) reponse("0");  // refused by every unsigned question
        reponse((sur(6) ? "+" : "") + std::to_string(v));
    }
    void touche(std::int64_t v, std::int64_t refusee)
    {
        if (sur(6)) reponse(std::to_string(refusee));
        reponse(std::to_string(v));
    }
    // Two bounds up to `largeur` apart, sometimes first in the wrong order.
    void bornes(std::int64_t bas, std::int64_t haut, std::int64_t largeur)
    {
        const std::int64_t x = entre(bas, haut), y = std::min(haut, x + entre(0, sur(2) ? 10 : largeur));
        if (y > x && sur(5)) nombre(y), nombre(x);
        nombre(x);
        nombre(y);
    }

    void premier()
    {
        static const auto p = crible(2000000);
        for (auto n = entre(0, 5); n > 0; --n) {
            const std::int64_t K = entre(1, sur(2) ? 30 : 30000);
            switch (entre(1, 4)) {
            case 1: reponse(std::to_string(K)), np_min += K; break;
            case 2: reponse("=" + std::to_string(K)), np_min = std::max(np_min, K); break;
            case 3:  // up to K: the table ends above K, whether it is listed or not
                reponse((sur(2) ? "=-" : "-") + std::to_string(K));
                np_min = std::max<std::int64_t>(np_min, std::upper_bound(p.begin(), p.end(), K) - p.begin());
                break;
            default:
                if (np_min == 2) break;  // "*" is refused while the table is the seed
                reponse("*");
                const std::int64_t r = np_min, v = p[static_cast<std::size_t>(std::min<std::int64_t>(r, p.size() - 1))];
                for (auto k = entre(1, 4); k > 0; --k) {
                    const auto choix = entre(1, 6);
                    reponse(std::to_string(choix == 6 ? entre(6, 9) : choix));  // 6 to 9: no such choice
                    if (choix == 1 || choix == 2) nombre(entre(1, choix == 1 ? r : v));
                    if (choix == 3) bornes(1, r, 2000);
                    if (choix == 4 || choix == 5) bornes(1, v, 20000);
                    if (choix == 5) nombre(sur(3) ? entre(1, 30) : 2 * entre(1, 10)), touche(entre(2, 5), 1);
                }
                reponse("0");
            }
        }
        reponse(sur(4) ? "=0" : "0");
    }

    std::string session(bool& par_zero)
    {
        for (auto n = entre(0, 6); n > 0; --n) {
            const auto choix = entre(1, 6);
            reponse(std::to_string(choix == 6 ? entre(6, 9) : choix));  // 6 to 9: no such choice
            for (auto k = choix == 1 ? entre(1, 3) : 0; k > 0; --k) {
                // Many digits with small factors, or up to 13 digits.
                if (sur(3)) reponse(std::to_string(entre(1, 1000000)) + std::string(entre(1, 40), '0'));
                else nombre(entre(1, sur(2) ? 10000000 : 1000000000000));
                touche(k > 1, 2);
            }
            if (choix == 2) premier();
            if (choix == 3) bornes(1, 9999999, 5000), touche(entre(0, 1), 2);
            for (auto k = choix == 4 ? entre(1, 4) : 0; k > 0; --k) {
                const auto option = entre(1, 4);
                reponse(std::to_string(option == 4 ? entre(4, 9) : option));  // 4 to 9: no such choice
                for (auto m = option == 1 ? entre(1, 3) : 0; m > 0; --m) nombre(entre(1, 9999999)), touche(m > 1, 2);
                if (option == 2 || option == 3) bornes(1, 1000000, 300), touche(entre(0, 1), 2);
            }
            if (choix == 4) reponse("0");
        }
        if ((par_zero = sur(2))) reponse("0");
        if (par_zero && sur(3)) reponse("1");            // never read
        if (sur(3) && !texte.empty()) texte.pop_back();  // no final line break
        return texte;
    }
};

class Stress : public ::testing::TestWithParam<int> {};
constexpr int PARTS = 8;  // one ctest each, so that they run side by side

}  // namespace

TEST_P(Stress, SessionsAuHasard)
{
    const char* v = std::getenv("PREMIERS_STRESS_SESSIONS");
    const int total = v && std::atoi(v) > 0 ? std::atoi(v) : 200;
    for (int k = GetParam(); k < total; k += PARTS) {
        Generateur g{std::mt19937_64(0x5e55105ULL + static_cast<std::uint64_t>(k))};
        bool par_zero = false;
        const std::string entree = g.session(par_zero), fin = par_zero ? INVITE : FIN_ENTREE;
        const Session s = lance(entree, 60);
        if (s.statut != 1 || !s.erreurs.empty() || s.sortie.rfind(MENU, 0) != 0 || s.sortie.size() < fin.size() ||
            s.sortie.compare(s.sortie.size() - fin.size(), fin.size(), fin) != 0) {
            const std::string nom = "/tmp/premiers-stress-" + std::to_string(k) + ".txt";
            std::ofstream(nom, std::ios::binary) << entree;
            ADD_FAILURE() << "session " << k << " (entree dans " << nom << ") : statut " << s.statut
                          << "\nerreurs : " << s.erreurs.substr(0, 4000);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Parts, Stress, ::testing::Range(0, PARTS));
