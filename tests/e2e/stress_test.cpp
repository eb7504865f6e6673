// Whole sessions made at random (fixed seed) from the questions of each
// operation, with refused answers and odd bytes among them, fed to the
// built program: each must end with status 1, in time, with nothing on
// standard error (where the sanitizer build reports faults and leaks).
// PREMIERS_STRESS_SESSIONS=N runs N sessions in all instead of 200.
#include <gtest/gtest.h>


#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "harness.h"

namespace {

constexpr int PARTS = 8;             // one ctest each, so that they run side by side
constexpr int SESSIONS_CI = 200;
constexpr int DELAI_S = 60;          // per session, sanitizers included

struct Alea {
    std::uint64_t s;
    std::uint64_t operator()()
    {
        std::uint64_t z = (s += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    std::int64_t entre(std::int64_t a, std::int64_t b)  // a..b included
    {
        return a + static_cast<std::int64_t>((*this)() % static_cast<std::uint64_t>(b - a + 1));
    }
    bool sur(int n) { return entre(1, n) == 1; }  // one chance in n
    // Small values much more often than large ones.
    std::int64_t petit(std::int64_t max)
    {
        std::int64_t m = max;
        while (m > 10 && sur(2)) m /= 10;
        return entre(1, m);
    }
};

// The primes up to 2 000 000, for the rank and value bounds of the
// selection menu.
const std::vector<std::int64_t>& premiers()
{
    static const std::vector<std::int64_t> p = [] {
        constexpr std::int64_t N = 2000000;
        std::vector<bool> compose(N + 1, false);
        std::vector<std::int64_t> r{0};
        for (std::int64_t a = 2; a <= N; ++a) {
            if (compose[a]) continue;
            r.push_back(a);
            for (std::int64_t m = a * a; m <= N; m += a) compose[m] = true;
        }
        return r;
    }();
    return p;
}

// Could some question take this line? "*", or an optional "=", an optional
// sign, then "0" alone (unsigned) or digits without a leading 0.
bool lisible(const std::string& l)
{
    if (l.size() > 4096) return false;
    if (l == "*") return true;
    std::size_t p = 0;
    if (p < l.size() && l[p] == '=') ++p;
    const bool signe = p < l.size() && (l[p] == '+' || l[p] == '-');
    if (signe) ++p;
    if (p == l.size() || l.find_first_not_of("0123456789", p) != std::string::npos) return false;
    return l[p] != '0' || (!signe && p + 1 == l.size());
}

// An operation that is not built yet returns at once, and the answers
// meant for it would reach the main menu: sessions leave it out.
const std::vector<bool>& construites()
{
    static const std::vector<bool> c = [] {
        std::vector<bool> r(5, false);
        for (int choix = 1; choix <= 4; ++choix)
            r[choix] = lance(std::to_string(choix) + "\n").sortie != menu() + menu() + FIN_ENTREE;
        return r;
    }();
    return c;
}

class Generateur {
public:
    explicit Generateur(std::uint64_t graine) : a{graine} {}

    bool par_zero = false;  // the session ends by the choice 0, not by the end of input

    // One session: some operations from the main menu, then either the
    // choice 0 or the end of input, the last line break sometimes missing.
    std::string session()
    {
        for (auto n = a.entre(0, 6); n > 0; --n) {
            auto choix = a.entre(1, 7);
            if (choix <= 4 && !construites()[choix]) choix = 7;
            switch (choix) {
            case 1: decomp(); break;
            case 2: premier(); break;
            case 3: liste(); break;
            case 4: concat(); break;
            case 5: reponse("5"); break;
            case 6: reponse(std::to_string(a.entre(6, 9))); break;  // no such choice
            default: bruit(); break;
            }
        }
        if ((par_zero = a.sur(2))) {
            reponse("0");
            if (a.sur(3)) reponse("1");  // never read
        }
        if (a.sur(3) && !texte.empty() && texte.back() == '\n') texte.pop_back();
        return texte;
    }

private:
    Alea a;
    std::string texte;
    std::int64_t np_min = 2;      // the table holds at least this many primes
    bool au_dela_amorce = false;  // surely more than the seed
    bool amorce_seule = true;     // surely the seed alone: nothing has run yet

    void brut(const std::string& l) { texte += l + (a.sur(5) ? "\r\n" : "\n"); }

    // A line no question takes, whatever it is.
    void bruit()
    {
        static const char* const FIXES[] = {
            "", " ", "\t", "+", "-", "=", "==3", "+-2", "--4", "-+1", "05", "+0", "-0", "=05",
            "=*", "**", "*5", " *", "==", "abc", "1e3", "0x10", "5a", "7\r\r", "12\r34",
            "\xc3\xa9", "\xc3\xa9" "5", "\xff\xfe", "1 0", "9\x0b", "\x1b[A"};
        std::string l;
        switch (a.entre(1, 6)) {
        case 1: l = std::string(static_cast<std::size_t>(a.entre(4097, 20000)), '0' + a.entre(0, 9)); break;
        case 2: l = std::string(a.sur(2) ? "5" : "") + std::string(1, '\0') + (a.sur(2) ? "5" : ""); break;
        case 3: l = std::to_string(a.entre(1, 99)) + (a.sur(2) ? " " : "\t"); break;
        case 4: for (auto n = a.entre(1, 2000); n > 0; --n) l += "12 "; break;
        default: l = FIXES[a.entre(0, std::size(FIXES) - 1)];
        }
        if (lisible(l)) std::abort();  // the generator itself is wrong
        brut(l);
    }

    // An answer the question takes, sometimes after refused lines.
    void reponse(const std::string& l)
    {
        while (a.sur(5)) bruit();
        brut(l);
    }

    // z = z * f, in decimal.
    static void fois(std::string& z, int f)
    {
        std::int64_t r = 0;
        for (auto c = z.rbegin(); c != z.rend(); ++c) {
            const std::int64_t v = (*c - '0') * std::int64_t{f} + r;
            *c = static_cast<char>('0' + v % 10);
            r = v / 10;
        }
        for (; r > 0; r /= 10) z.insert(z.begin(), static_cast<char>('0' + r % 10));
    }

    std::string nombre(std::int64_t v) { return (a.sur(6) ? "+" : "") + std::to_string(v); }
    void cle(int max) { reponse(std::to_string(a.entre(0, max))); }
    void oui_non(bool oui)
    {
        if (a.sur(6)) reponse(std::to_string(a.entre(2, 9)));  // refused key
        reponse(oui ? "1" : "0");
    }
    void nul_refuse() { if (a.sur(8)) reponse("0"); }  // 0 is refused for every unsigned number

    // Two bounds; sometimes a first pair in the wrong order, asked again.
    void bornes(std::int64_t bas, std::int64_t haut, std::int64_t largeur)
    {
        const std::int64_t x = a.entre(bas, haut);
        const std::int64_t y = std::min(haut, x + a.petit(largeur + 1) - 1);
        if (y > x && a.sur(5)) {
            reponse(nombre(y));
            reponse(nombre(x));
        }
        nul_refuse();
        reponse(nombre(x));
        reponse(nombre(y));
    }

    void decomp()
    {
        reponse("1");
        amorce_seule = false;
        for (auto n = a.entre(1, 3); n > 0; --n) {
            nul_refuse();
            std::string N;
            switch (a.entre(1, 5)) {
            case 1: N = std::to_string(a.entre(1, 1000000000000LL)); break;
            case 2: {  // many digits, small factors, a cofactor of at most 10^6
                static const int P[] = {2, 3, 5, 7, 11, 13, 97, 101, 997};
                std::string z = "1";
                for (auto k = a.entre(1, 40); k > 0; --k) fois(z, P[a.entre(0, std::size(P) - 1)]);
                fois(z, static_cast<int>(a.entre(1, 1000000)));
                N = z;
                break;
            }
            default: N = std::to_string(a.petit(10000000));
            }
            reponse((a.sur(6) ? "+" : "") + N);
            oui_non(n > 1);
        }
    }

    void premier()
    {
        reponse("2");
        if (amorce_seule && a.sur(3)) reponse("*");  // refused while the table is the seed
        for (auto n = a.entre(0, 5); n > 0; --n) {
            amorce_seule = false;
            switch (a.entre(1, 6)) {
            case 1: {
                const std::int64_t K = a.petit(3000);
                reponse(nombre(K));
                np_min += K;
                au_dela_amorce = true;
                break;
            }
            case 2: {  // rank K: the table reaches it, or was already past it
                const std::int64_t K = a.petit(5000);
                reponse("=" + nombre(K));
                np_min = std::max(np_min, K);
                break;
            }
            case 3: case 4: {  // up to K: the table ends above K, listed or not
                const std::int64_t K = a.petit(30000);
                reponse((a.sur(2) ? "=-" : "-") + std::to_string(K));
                const auto& p = premiers();
                np_min = std::max<std::int64_t>(
                    np_min, std::upper_bound(p.begin(), p.end(), K) - p.begin());
                if (K >= 3) au_dela_amorce = true;
                break;
            }
            case 5:
                if (au_dela_amorce) {
                    reponse("*");
                    affiche();
                }
                break;
            default: bruit();
            }
        }
        reponse(a.sur(4) ? "=0" : "0");
    }

    void affiche()
    {
        const std::int64_t r = np_min;
        const std::int64_t v = premiers()[static_cast<std::size_t>(std::min<std::int64_t>(r, premiers().size() - 1))];
        for (auto n = a.entre(1, 4); n > 0; --n) {
            const auto choix = a.entre(1, 6);
            if (choix == 6) {
                reponse(std::to_string(a.entre(6, 9)));  // no such choice
                continue;
            }
            reponse(std::to_string(choix));
            switch (choix) {
            case 1: nul_refuse(); reponse(nombre(a.entre(1, r))); break;
            case 2: nul_refuse(); reponse(nombre(a.entre(1, v))); break;
            case 3: bornes(1, r, 2000); break;
            case 4: bornes(1, v, 20000); break;
            case 5:
                bornes(1, v, 20000);
                reponse(nombre(a.sur(3) ? a.entre(1, 30) : 2 * a.entre(1, 10)));
                if (a.sur(4)) reponse("1");  // a run needs at least 2 primes
                reponse(nombre(a.entre(2, 5)));
                break;
            }
        }
        reponse("0");
    }

    void liste()
    {
        reponse("3");
        amorce_seule = false;
        bornes(1, 9999999, 5000);
        if (a.sur(6)) reponse("2");
        cle(1);
    }

    void concat()
    {
        reponse("4");
        amorce_seule = false;
        for (auto n = a.entre(1, 4); n > 0; --n) {
            const auto choix = a.entre(1, 4);
            if (choix == 4) {
                reponse(std::to_string(a.entre(4, 9)));  // no such choice
                continue;
            }
            reponse(std::to_string(choix));
            if (choix == 1) {
                for (auto k = a.entre(1, 3); k > 0; --k) {
                    nul_refuse();
                    static const char* const N[] = {"23", "2357", "307", "2003", "2113", "3137", "1009", "24", "100"};
                    reponse(a.sur(3) ? N[a.entre(0, std::size(N) - 1)] : nombre(a.petit(9999999)));
                    oui_non(k > 1);
                }
            } else {
                bornes(1, 1000000, 300);
                cle(1);
            }
        }
        reponse("0");
    }
};

int sessions_en_tout()
{
    const char* v = std::getenv("PREMIERS_STRESS_SESSIONS");
    const int n = v ? std::atoi(v) : SESSIONS_CI;
    return n > 0 ? n : SESSIONS_CI;
}

bool finit_par(const std::string& s, const std::string& f)
{
    return s.size() >= f.size() && s.compare(s.size() - f.size(), f.size(), f) == 0;
}

class Stress : public ::testing::TestWithParam<int> {};

}  // namespace

TEST_P(Stress, SessionsAuHasard)
{
    const int part = GetParam();
    const int total = sessions_en_tout();
    for (int k = part; k < total; k += PARTS) {
        const std::uint64_t graine = 0x5e55105ULL * 1000003ULL + static_cast<std::uint64_t>(k);
        Generateur g(graine);
        const std::string entree = g.session();
        const Session s = lance(entree, DELAI_S);
        // Ending where the generator meant it to end shows that every
        // question took the lines it was given.
        const bool bon = s.statut == 1 && s.erreurs.empty() && s.sortie.rfind(menu(), 0) == 0 &&
                         finit_par(s.sortie, g.par_zero ? INVITE : FIN_ENTREE);
        if (!bon) {
            const std::string nom = "/tmp/premiers-stress-" + std::to_string(k) + ".txt";
            std::ofstream(nom, std::ios::binary) << entree;
            ADD_FAILURE() << "session " << k << " (entree dans " << nom << ") : statut " << s.statut
                          << (s.statut < 0 ? " (tuee au bout du delai)" : "")
                          << "\nerreurs : " << s.erreurs.substr(0, 4000);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Parts, Stress, ::testing::Range(0, PARTS));
