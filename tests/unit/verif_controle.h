// A model of the number entry written apart from controle (lines split by
// hand, numbers read by NTL), and a runner that feeds any bytes to controle
// and checks each call against it. Shared with the libFuzzer target.
#pragma once

#include <NTL/ZZ.h>

#include <vector>

#include "dialogue.h"
#include "table.h"

namespace verif {

// Every mode that controle knows, and three it must ignore.
constexpr int MODES[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 12, -1};

struct Reponse {
    bool prise = false, etoile = false, egal = false;  // accepted; mode 7: "*", a leading "="
    NTL::ZZ v;
};

// What `mode` (1 to 11) makes of one line, without its line break and CR.
inline Reponse juge(int mode, std::string l, bool non_nul, bool au_dela_amorce)
{
    static const std::string CLES[] = {"", "01", "12", "012", "", "", "012345", "", "012345", "", "0123", ""};
    Reponse r;
    if (l.size() > LIGNE_MAX) return r;
    if (!CLES[mode].empty()) {  // a single key
        r.prise = l.size() == 1 && l[0] != '\0' && CLES[mode].find(l[0]) != std::string::npos;
        r.v = l[0] - '0';
        return r;
    }
    if (mode == 7 && l == "*" && au_dela_amorce) return r.prise = r.etoile = true, r;
    if (mode == 7 && !l.empty() && l[0] == '=') r.egal = true, l.erase(0, 1);
    const bool signe = mode == 5 || mode == 7, moins = signe && !l.empty() && l[0] == '-';
    // "0" alone, or a sign allowed by the mode then digits without a leading 0.
    const std::string d = !l.empty() && (l[0] == '+' || moins) ? l.substr(1) : l;
    if (d.empty() || d.find_first_not_of("0123456789") != std::string::npos || (d[0] == '0' && l != "0")) return r;
    r.v = NTL::conv<NTL::ZZ>(d.c_str()) * (moins ? -1 : 1);
    r.prise = (mode == 9 || NTL::NumBits(r.v) <= 63 || r.v == -NTL::power2_ZZ(63)) && (signe || !non_nul || r.v != 0);
    return r;
}

struct Reglages {
    std::vector<int> modes{1};     // the questions, asked in turn until input ends
    int xn = 0, un = 0, suiv = 0;  // suiv: Suiv calls after the seed
};

struct Fin {};  // thrown at end of input, in place of the exit
inline void leve_fin() { throw Fin{}; }

// Feeds `e` to controle and checks each call against the model: prompts,
// answer, flags, and the table left alone. "" when all held, else the
// first difference.
inline std::string verifie(const std::string& e, const Reglages& g)
{
    amorce();
    for (int s = 0; s < g.suiv; ++s) Suiv();
    const std::int64_t np_avant = np, dernier = Nprem[np];
    xn = g.xn, un = g.un;
    entree_de_controle(e);
    controle_a_la_fin(leve_fin);
    const NTL::ZZ SZZ = NTL::conv<NTL::ZZ>("-171717171717171717171717");
    const char* ecart = nullptr;
    std::size_t q = 0, pos = 0;  // pos: where the model has read up to
    for (std::size_t sans_lecture = 0;; ++q) {
        const int mode = g.modes[q % g.modes.size()];
        const bool connu = mode >= 1 && mode <= 11;
        // Unknown modes read nothing: a cycle of them alone would never end.
        if ((sans_lecture = connu ? 0 : sans_lecture + 1) > g.modes.size()) break;
        std::string ecrit;  // a prompt per line read, and one that meets the end with "\n"
        Reponse r;
        for (std::size_t nl = 0; connu && !r.prise && pos < e.size(); pos = nl + 1, ecrit += "? ") {
            nl = std::min(e.find('\n', pos), e.size());
            const std::size_t cr = nl > pos && e[nl - 1] == '\r';
            r = juge(mode, e.substr(pos, nl - pos - cr), xn == 1, np > 2);
        }
        const bool fin = connu && !r.prise;
        if (fin) ecrit += "? \n";
        valeur2 = -7, valeur = -4242424242, valeur0 = SZZ, voir = 5;
        const int un_avant = un;
        bool fin_vue = false;
        const std::string sortie = capture([&] {
            try { controle(mode, "? "); } catch (const Fin&) { fin_vue = true; }
        });
        const bool cle = r.prise && mode != 4 && mode != 5 && mode != 7 && mode != 9 && mode != 11;
        const bool n64 = r.prise && !r.etoile && !cle && mode != 9;
        ecart = fin_vue != fin ? "fin des entrees" : sortie != ecrit ? "sortie"
              : valeur2 != (cle ? NTL::conv<int>(r.v) : -7) ? "valeur2"
              : valeur != (n64 ? NTL::conv<long>(r.v) : -4242424242) ? "valeur"
              : valeur0 != (r.prise && mode == 9 ? r.v : SZZ) ? "valeur0" : voir != (r.etoile ? 1 : 0) ? "voir"
              : un != (r.prise && r.egal ? 1 : un_avant) ? "un"
              : xn != g.xn || np != np_avant || Nprem[np] != dernier ? "xn ou table" : nullptr;
        if (ecart || fin) break;
    }
    controle_a_la_fin(nullptr);
    return ecart ? "question " + std::to_string(q) + " : " + ecart : "";
}

}  // namespace verif
