// A model of the number entry written apart from controle (lines split by
// hand, numbers read by NTL), and a runner that feeds any bytes to
// controle, question after question, checking each call against the model.
// Shared by the unit property tests and the libFuzzer target.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <NTL/ZZ.h>

#include "controle.h"
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
    if (mode == 7 && l == "*" && au_dela_amorce) {
        r.prise = r.etoile = true;
        return r;
    }
    if (mode == 7 && !l.empty() && l[0] == '=') {
        r.egal = true;
        l.erase(0, 1);
    }
    const bool signe = mode == 5 || mode == 7;
    const bool moins = signe && !l.empty() && l[0] == '-';
    // "0" alone, or a sign allowed by the mode then digits without a leading 0.
    const std::string d = !l.empty() && (l[0] == '+' || moins) ? l.substr(1) : l;
    if (d.empty() || d.find_first_not_of("0123456789") != std::string::npos || (d[0] == '0' && l != "0")) return r;
    r.v = NTL::conv<NTL::ZZ>(d.c_str());
    if (moins) NTL::negate(r.v, r.v);
    const bool tient_64 = NTL::NumBits(r.v) <= 63 || r.v == -NTL::power2_ZZ(63);
    r.prise = (mode == 9 || tient_64) && (signe || !non_nul || r.v != 0);
    return r;
}

struct Reglages {
    std::vector<int> modes{1};  // the questions, asked in turn until input ends
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
    const std::vector<std::int64_t> table(Nprem.begin(), Nprem.end());
    xn = g.xn;
    un = g.un;
    entree_de_controle(e);
    controle_a_la_fin(leve_fin);
    const NTL::ZZ SZZ = NTL::conv<NTL::ZZ>("-171717171717171717171717");
    std::string erreur;
    std::size_t pos = 0;  // where the model has read up to
    for (std::size_t q = 0, sans_lecture = 0; erreur.empty(); ++q) {
        const int mode = g.modes[q % g.modes.size()];
        const bool connu = mode >= 1 && mode <= 11;
        // Unknown modes read nothing: a cycle of them alone would never end.
        sans_lecture = connu ? 0 : sans_lecture + 1;
        if (sans_lecture > g.modes.size()) break;
        std::size_t lues = 0;
        Reponse r;
        for (; connu && !r.prise && pos < e.size(); ++lues) {
            const std::size_t nl = std::min(e.find('\n', pos), e.size());
            std::string l = e.substr(pos, nl - pos);
            pos = nl + 1;
            if (!l.empty() && l.back() == '\r') l.pop_back();
            r = juge(mode, l, xn == 1, np > 2);
        }
        const bool fin = connu && !r.prise;
        valeur2 = -7, valeur = -4242424242, valeur0 = SZZ, voir = 5;
        const int un_avant = un;
        bool fin_vue = false;
        const std::string sortie = capture([&] {
            try {
                controle(mode, "? ");
            } catch (const Fin&) {
                fin_vue = true;
            }
        });
        const bool cle = r.prise && mode != 4 && mode != 5 && mode != 7 && mode != 9 && mode != 11;
        const bool n64 = r.prise && !r.etoile && !cle && mode != 9;
        std::string ecrit = fin ? "\n" : "";  // one prompt per line read, and one that meets the end
        for (std::size_t k = 0; k < lues + fin; ++k) ecrit.insert(0, "? ");
        const std::string ici = "question " + std::to_string(q) + " mode " + std::to_string(mode) + " : ";
        if (fin_vue != fin) erreur = ici + "fin des entrees";
        else if (sortie != ecrit) erreur = ici + "sortie";
        else if (valeur2 != (cle ? NTL::conv<int>(r.v) : -7)) erreur = ici + "valeur2";
        else if (valeur != (n64 ? NTL::conv<long>(r.v) : -4242424242)) erreur = ici + "valeur";
        else if (valeur0 != (r.prise && mode == 9 ? r.v : SZZ)) erreur = ici + "valeur0";
        else if (voir != (r.etoile ? 1 : 0)) erreur = ici + "voir";
        else if (un != (r.prise && r.egal ? 1 : un_avant)) erreur = ici + "un";
        else if (xn != g.xn || std::vector<std::int64_t>(Nprem.begin(), Nprem.end()) != table) erreur = ici + "xn ou table";
        if (fin) break;
    }
    controle_a_la_fin(nullptr);
    return erreur;
}

}  // namespace verif
