// A model of the number entry written apart from controle (lines split by
// hand, numbers read by NTL), and a runner that feeds any bytes to
// controle, question after question, and checks every answer against the
// model. Shared by the property tests and the libFuzzer target.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include <NTL/ZZ.h>

#include "controle.h"
#include "table.h"

namespace verif {

// Every mode that controle knows, and three it must ignore.
constexpr int MODES[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 12, -1};

// Next line of `e` from `pos`, without its "\n" and one "\r" before it;
// false at the end of `e`.
inline bool ligne_suivante(const std::string& e, std::size_t& pos, std::string& ligne)
{
    if (pos >= e.size()) return false;
    std::size_t nl = e.find('\n', pos);
    if (nl == std::string::npos) nl = e.size();
    ligne = e.substr(pos, nl - pos);
    pos = nl + 1;
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    return true;
}

// "0", or an optional sign then digits without a leading 0.
inline bool nombre(const std::string& l, bool moins_permis, NTL::ZZ& v)
{
    std::string chiffres = l;
    const bool signe = !l.empty() && (l[0] == '+' || (moins_permis && l[0] == '-'));
    if (signe) chiffres = l.substr(1);
    if (chiffres.empty() || chiffres.find_first_not_of("0123456789") != std::string::npos)
        return false;
    if (chiffres[0] == '0' && (signe || chiffres.size() > 1)) return false;
    v = NTL::conv<NTL::ZZ>(chiffres.c_str());
    if (l[0] == '-') v = -v;
    return true;
}

inline bool tient_64(const NTL::ZZ& v)
{
    static const NTL::ZZ bas = NTL::conv<NTL::ZZ>("-9223372036854775808");
    static const NTL::ZZ haut = NTL::conv<NTL::ZZ>("9223372036854775807");
    return v >= bas && v <= haut;
}

struct Reponse {
    bool acceptee = false;
    bool etoile = false;  // mode 7: "*"
    bool egal = false;    // mode 7: the line began with "="
    int touche = 0;
    NTL::ZZ v;
};

// What mode `mode` makes of one line (already split, CR removed).
inline Reponse juge(int mode, std::string l, bool xn_, bool au_dela_amorce)
{
    Reponse r;
    if (l.size() > LIGNE_MAX) return r;
    const char* cles = nullptr;
    switch (mode) {
    case 1: cles = "01"; break;
    case 2: cles = "12"; break;
    case 3: cles = "012"; break;
    case 6: case 8: cles = "012345"; break;
    case 10: cles = "0123"; break;
    }
    if (cles) {
        if (l.size() == 1 && l[0] != '\0' && std::string(cles).find(l[0]) != std::string::npos) {
            r.acceptee = true;
            r.touche = l[0] - '0';
        }
        return r;
    }
    if (mode == 7) {
        if (l == "*" && au_dela_amorce) {
            r.acceptee = r.etoile = true;
            return r;
        }
        if (!l.empty() && l[0] == '=') {
            r.egal = true;
            l.erase(0, 1);
        }
    }
    const bool signe = mode == 5 || mode == 7;
    if (!nombre(l, signe, r.v)) return r;
    if (mode != 9 && !tient_64(r.v)) return r;
    if (!signe && xn_ && r.v == 0) return r;
    r.acceptee = true;
    return r;
}

struct Reglages {
    std::vector<int> modes{1};  // the questions, asked in turn until input ends
    int xn = 0;
    int un = 0;
    int suiv = 0;  // Suiv calls after the seed
};

struct Fin {};  // thrown at end of input, in place of the exit
inline void leve_fin() { throw Fin{}; }

// A memory file holding the input (reused: one per process).
inline int fichier(const std::string& e)
{
    static int fd = -1;
    if (fd < 0) fd = memfd_create("entree", 0);
    if (fd < 0 || ftruncate(fd, 0) != 0) std::abort();
    if (!e.empty() && pwrite(fd, e.data(), e.size(), 0) != static_cast<ssize_t>(e.size()))
        std::abort();
    lseek(fd, 0, SEEK_SET);
    return fd;
}

inline std::string fois(const std::string& s, std::size_t n)
{
    std::string r;
    for (std::size_t k = 0; k < n; ++k) r += s;
    return r;
}

// Feeds `e` to controle and checks each call against the model. Returns
// "" when everything held, else the first difference.
inline std::string verifie(const std::string& e, const Reglages& g)
{
    const std::string INVITE = " \n \t ? : ";
    constexpr std::int64_t S64 = -4242424242;
    static const NTL::ZZ SZZ = NTL::conv<NTL::ZZ>("-171717171717171717171717");

    for (unsigned char c : e) {
        const int attendu = (c >= '0' && c <= '9') || c == '+' || c == '-';
        const std::int64_t val = c == '+' ? 1 : c == '-' ? -1 : attendu ? c - '0' : 0;
        if (valtest(static_cast<char>(c)) != attendu || valtest1 != val)
            return "valtest(" + std::to_string(c) + ")";
    }

    amorce();
    for (int s = 0; s < g.suiv; ++s) Suiv();
    const std::vector<std::int64_t> table = Nprem;
    const std::int64_t np_avant = np;
    xn = g.xn;
    un = g.un;

    controle_lire_depuis(fichier(e));
    controle_a_la_fin(leve_fin);
    std::ostringstream sortie;
    auto* ancien = std::cout.rdbuf(sortie.rdbuf());
    std::string erreur;
    std::size_t pos = 0;
    int sans_lecture = 0;

    for (std::size_t q = 0; erreur.empty(); ++q) {
        const int mode = g.modes[q % g.modes.size()];
        const bool connu = mode >= 1 && mode <= 11;
        if (!connu && ++sans_lecture > static_cast<int>(g.modes.size())) break;

        // What the model expects of this question.
        std::size_t lues = 0;
        bool fin = false;
        Reponse r;
        std::string l;
        while (connu) {
            if (!ligne_suivante(e, pos, l)) {
                fin = true;
                break;
            }
            ++lues;
            r = juge(mode, l, xn, np > 2);
            if (r.acceptee) break;
        }
        if (connu) sans_lecture = 0;

        valeur2 = -7;
        valeur = S64;
        valeur0 = SZZ;
        voir = 5;
        const int un_avant = un;
        sortie.str("");
        bool fin_vue = false;
        try {
            controle(mode, INVITE);
        } catch (const Fin&) {
            fin_vue = true;
        }

        const std::string ici = "question " + std::to_string(q) + " mode " + std::to_string(mode) + ": ";
        // One prompt per read, the one that met the end included.
        const std::string ecrit = fois(INVITE, lues + fin) + (fin ? "\n" : "");
        const bool pris = connu && !fin;
        const bool cle = pris && !r.etoile && (mode == 1 || mode == 2 || mode == 3 || mode == 6 ||
                                               mode == 8 || mode == 10);
        const bool n64 = pris && !r.etoile && (mode == 4 || mode == 5 || mode == 7 || mode == 11);
        const bool nzz = pris && mode == 9;
        if (fin_vue != fin) erreur = ici + (fin ? "fin des entrees manquee" : "fin des entrees en trop");
        else if (sortie.str() != ecrit) erreur = ici + "sortie " + std::to_string(sortie.str().size()) +
                                                 " octets, attendu " + std::to_string(ecrit.size());
        else if (valeur2 != (cle ? r.touche : -7)) erreur = ici + "valeur2";
        else if (valeur != (n64 ? NTL::conv<long>(r.v) : S64)) erreur = ici + "valeur";
        else if (valeur0 != (nzz ? r.v : SZZ)) erreur = ici + "valeur0";
        else if (voir != (r.etoile && pris ? 1 : 0)) erreur = ici + "voir";
        else if (un != (pris && r.egal ? 1 : un_avant)) erreur = ici + "un";
        else if (xn != g.xn) erreur = ici + "xn";
        else if (np != np_avant || Nprem != table) erreur = ici + "table";
        if (fin) break;
    }

    std::cout.rdbuf(ancien);
    controle_a_la_fin(nullptr);
    if (erreur.empty() && pos < e.size() && sans_lecture == 0) erreur = "entree non lue jusqu'au bout";
    return erreur;
}

}  // namespace verif
