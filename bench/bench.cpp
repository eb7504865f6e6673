// Speed of the program against a plain reference that this file carries:
// the same walks written as textbooks do, on a table of their own, with a
// signed 64-bit remainder and a double square root at every step (a NTL
// remainder and square root while a number needs more than 63 bits). The
// operations are driven in-process through their own dialogue (answers from
// a temporary file, output caught in a string). Each case runs ours, then
// the reference, checks both answers and prints the times and the ratio
// reference / ours.
//
//   premiers_bench          the full run (a few minutes)
//   premiers_bench court    smaller sizes, for a quick look
//   premiers_bench court 4  only the cases whose name holds "(4" (any mark)
#include <sys/resource.h>
#include <unistd.h>

#include <NTL/ZZ.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "controle.h"
#include "operations.h"
#include "table.h"

namespace {

// ---- The reference: the walks written plainly, on their own table.

std::vector<std::int64_t> T;
std::int64_t nT = 0;

void ref_amorce()
{
    T.assign({0, 2, 3});
    nT = 2;
}

void ref_suiv()
{
    std::int64_t i = 1;
    std::int64_t j = 1;
    for (;;) {
        const std::int64_t c = T[static_cast<std::size_t>(nT)] + 2 * i;
        if (std::sqrt(static_cast<double>(c)) < static_cast<double>(T[static_cast<std::size_t>(j)])) break;
        if (c % T[static_cast<std::size_t>(j)] == 0) {
            ++i;
            j = 1;
        } else {
            ++j;
        }
    }
    T.push_back(T[static_cast<std::size_t>(nT)] + 2 * i);
    ++nT;
}

// The prime of rank k, extending the table as the walks do: one prime each
// time the rank passes the last one.
std::int64_t ref_rang(std::int64_t k)
{
    if (k > nT) ref_suiv();
    return T[static_cast<std::size_t>(k)];
}

int ref_prem1(std::int64_t S3)
{
    const auto rS1 = static_cast<std::int64_t>(std::sqrt(static_cast<double>(S3)));
    for (std::int64_t k = 1;; ++k) {
        const std::int64_t p = ref_rang(k);
        if (S3 % p == 0) return 0;
        if (p > rS1) return 1;
    }
}

int ref_prem(const NTL::ZZ& S)
{
    if (S == 2) return 1;
    if (S == 1 || S == 0) return 0;
    const NTL::ZZ rS = NTL::SqrRoot(S);
    for (std::int64_t k = 1;; ++k) {
        const std::int64_t p = ref_rang(k);
        if (NTL::rem(S, static_cast<long>(p)) == 0) return 0;
        if (p > rS) return 1;
    }
}

// The factorisation, with its remainder and root taken afresh at each trial
// prime, printed as the program prints it. The double root is exact for the
// numbers below 2^52 that the bench gives it.
std::string ref_decomp(const NTL::ZZ& N)
{
    std::ostringstream r;
    r << N << " =  ";
    NTL::ZZ S = N;
    std::string facteurs;
    int nf = 0;
    auto note = [&](const std::string& f, int expo) {
        facteurs += (nf++ > 0 ? " X (" : "(") + f + ")" + (expo != 1 ? "^" + std::to_string(expo) : "");
    };
    for (std::int64_t k = 1; S != 1; ++k) {
        const std::int64_t p = ref_rang(k);
        int expo = 0;
        if (NTL::NumBits(S) > 63) {
            long reste = NTL::rem(S, static_cast<long>(p));
            const NTL::ZZ rS = NTL::SqrRoot(S);
            if (p > rS) {
                std::ostringstream s;
                s << S;
                note(s.str(), 1);
                break;
            }
            while (reste == 0) {
                S /= p;
                ++expo;
                reste = NTL::rem(S, static_cast<long>(p));
            }
        } else {
            std::int64_t s = NTL::conv<long>(S);
            std::int64_t reste = s % p;
            const auto rs = static_cast<std::int64_t>(std::sqrt(static_cast<double>(s)));
            if (p > rs) {
                note(std::to_string(s), 1);
                break;
            }
            while (reste == 0) {
                s /= p;
                ++expo;
                reste = s % p;
            }
            S = s;
        }
        if (expo > 0) note(std::to_string(p), expo);
    }
    if (nf == 1 && facteurs.find('^') == std::string::npos) {
        std::ostringstream s;
        s << N << "  est un nombre premier. ";
        return s.str();
    }
    return r.str() + facteurs;
}

// The numbers from 1 to fin that split into prime pieces: for each, every
// piece tested (the later starts only when a piece at the first digit is
// prime), then a depth-first search for one split.
std::int64_t ref_concat(const NTL::ZZ& fin)
{
    std::vector<std::vector<int>> premier;
    std::vector<int> chiffres;
    std::function<bool(int, int)> decoupe = [&](int t, int n) {
        if (t > n) return true;
        for (int u = 1; u <= n - t + 1; ++u) {
            if (premier[static_cast<std::size_t>(t)][static_cast<std::size_t>(u)] && decoupe(t + u, n)) return true;
        }
        return false;
    };
    std::int64_t w2 = 0;
    for (NTL::ZZ N(1); N <= fin; ++N) {
        chiffres.clear();
        for (NTL::ZZ P1 = N; P1 != 0; P1 /= 10) chiffres.insert(chiffres.begin(), NTL::conv<int>(NTL::rem(P1, 10L)));
        const int n = static_cast<int>(chiffres.size());
        premier.assign(static_cast<std::size_t>(n) + 2, std::vector<int>(static_cast<std::size_t>(n) + 2, 0));
        bool au_moins_un = false;
        for (int t = 1; t <= n; ++t) {
            NTL::ZZ P1(0);
            for (int u = 1; u <= n - t + 1; ++u) {
                P1 = P1 * 10 + chiffres[static_cast<std::size_t>(t + u - 2)];
                const int oui = ref_prem(P1);
                premier[static_cast<std::size_t>(t)][static_cast<std::size_t>(u)] = oui;
                if (oui) au_moins_un = true;
            }
            if (!au_moins_un) break;
        }
        if (decoupe(1, n)) ++w2;
    }
    return w2;
}

// ---- Driving the program's own operations.

// Runs f with entree as the answers to controle, and returns what it wrote.
std::string joue(const std::string& entree, const std::function<void()>& f)
{
    char nom[] = "/tmp/premiers-bench-XXXXXX";
    const int fd = mkstemp(nom);
    if (fd < 0) std::abort();
    unlink(nom);
    if (write(fd, entree.data(), entree.size()) != static_cast<ssize_t>(entree.size())) std::abort();
    lseek(fd, 0, SEEK_SET);
    controle_lire_depuis(fd);
    std::ostringstream capture;
    auto* ancien = std::cout.rdbuf(capture.rdbuf());
    f();
    std::cout.rdbuf(ancien);
    close(fd);
    return capture.str();
}

// The word that follows the last occurrence of avant in texte.
std::string apres(const std::string& texte, const std::string& avant)
{
    const std::size_t p = texte.rfind(avant);
    if (p == std::string::npos) return "?";
    const std::size_t d = p + avant.size();
    return texte.substr(d, texte.find(' ', d) - d);
}

const std::string QUESTION_N = " \n \n \n \t N ? : ";
const std::string ENCORE = "\n \n \t Nouvelle valeur de N ? Oui [1] , Non [0] : ";
const std::string AVANT = " \n \n \t ";  // before each result line

// The result lines that decomp printed, one per N, without " \n \n \t ".
std::vector<std::string> lignes_decomp(const std::string& sortie)
{
    std::vector<std::string> r;
    for (std::size_t p = sortie.find(QUESTION_N); p != std::string::npos; p = sortie.find(QUESTION_N, p)) {
        p += QUESTION_N.size() + AVANT.size();
        r.push_back(sortie.substr(p, sortie.find(ENCORE, p) - p));
    }
    return r;
}

// Gives the memory of both tables back between cases.
void libere()
{
    amorce();
    std::vector<std::int64_t>().swap(T);
    ref_amorce();
}

// ---- The cases: each computes one answer, known in advance, both ways.

struct Cas {
    std::string nom;
    std::string attendu;
    std::function<std::string()> nous;
    std::function<std::string()> reference;
    bool memoire = false;  // print the peak resident size after ours
    // Untimed set-up, run after the tables are freed.
    std::function<void()> prepare_nous = [] {};
    std::function<void()> prepare_reference = [] {};
};

double chrono(const std::function<std::string()>& f, std::string& valeur)
{
    const auto t0 = std::chrono::steady_clock::now();
    valeur = f();
    const auto t1 = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(t1 - t0).count();
}

long pic_resident_ko()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// (1) The table grown by Suiv alone.
Cas croissance(std::int64_t rang, std::int64_t attendu, bool memoire)
{
    Cas c{"(1) table jusqu'au rang " + std::to_string(rang), std::to_string(attendu),
          [rang] {
              while (np < rang) Suiv();
              return std::to_string(Nprem[static_cast<std::size_t>(np)]);
          },
          [rang] {
              while (nT < rang) ref_suiv();
              return std::to_string(T[static_cast<std::size_t>(nT)]);
          }};
    c.memoire = memoire;
    return c;
}

// (2) The count of the primes from 1 to fin by the listing between bounds,
// against the plain loop: 2 and 3, then every odd number from 5 by prem1.
Cas effectif(std::int64_t fin, std::int64_t attendu)
{
    return {"(2) liste : premiers de 1 a " + std::to_string(fin), std::to_string(attendu),
            [fin] {
                const std::string sortie = joue("1\n" + std::to_string(fin) + "\n1\n", [] { liste(); });
                return apres(sortie, "Il y a  ");
            },
            [fin] {
                std::int64_t w1 = 2;
                for (std::int64_t S3 = 5; S3 <= fin; S3 += 2) w1 += ref_prem1(S3);
                return std::to_string(w1);
            }};
}

// (3) One factorisation from the seed table; the answer is the result line
// and the last prime the table reached.
Cas factorisation(const std::string& N, const std::string& ligne, const std::string& dernier)
{
    return {"(3) decomp de " + N, ligne + " ; table jusqu'a " + dernier,
            [N] {
                const auto r = lignes_decomp(joue(N + "\n0\n", [] { decomp(); }));
                return (r.empty() ? "?" : r.back()) + " ; table jusqu'a " +
                       std::to_string(Nprem[static_cast<std::size_t>(np)]);
            },
            [N] {
                const std::string r = ref_decomp(NTL::conv<NTL::ZZ>(N.c_str()));
                return r + " ; table jusqu'a " + std::to_string(T[static_cast<std::size_t>(nT)]);
            }};
}

// (3b) The same factorisations, fois times each, on a table that already
// holds every prime they need: the division loop alone. The answer is the
// number of right result lines.
Cas factorisations_table_faite(const std::vector<std::string>& N, const std::vector<std::string>& lignes, int fois)
{
    const auto tous = std::to_string(fois * static_cast<int>(N.size()));
    auto entree = [N](int repete) {
        std::string e;
        for (int f = 0; f < repete; ++f)
            for (const auto& n : N) e += n + "\n1\n";
        return e + "1\n0\n";
    };
    auto justes = [N, lignes](const std::vector<std::string>& r) {
        int j = 0;
        for (std::size_t m = 0; m < r.size(); ++m) j += r[m] == lignes[m % N.size()] ? 1 : 0;
        return std::to_string(j);
    };
    Cas c{"(3b) ces decomp " + std::to_string(fois) + " fois, table faite", tous,
          [entree, justes, fois] { return justes(lignes_decomp(joue(entree(fois), [] { decomp(); }))); },
          [N, justes, fois] {
              std::vector<std::string> r;
              for (int f = 0; f < fois; ++f)
                  for (const auto& n : N) r.push_back(ref_decomp(NTL::conv<NTL::ZZ>(n.c_str())));
              return justes(r);
          }};
    c.prepare_nous = [entree] { joue(entree(1), [] { decomp(); }); };
    c.prepare_reference = [N] {
        for (const auto& n : N) ref_decomp(NTL::conv<NTL::ZZ>(n.c_str()));
    };
    return c;
}

// (4) The concatenation range scan, option 2, counted from 1 to fin.
Cas concatenations(std::int64_t fin, std::int64_t attendu)
{
    return {"(4) Nconcat option 2 de 1 a " + std::to_string(fin), std::to_string(attendu),
            [fin] {
                const std::string sortie = joue("2\n1\n" + std::to_string(fin) + "\n1\n0\n", [] { concat(); });
                return apres(sortie, "Il y a  ");
            },
            [fin] { return std::to_string(ref_concat(NTL::ZZ(fin))); }};
}

// (5) prem on numbers of about 60 digits, p x (10^59 + 19) (its smallest factor
// is beyond the primes used) for each prime p of rank 2 to rang: each test
// stops at p. The answer checked is the number of composites found.
Cas grands(std::int64_t rang)
{
    static std::vector<std::int64_t> t;
    auto essais = [rang](int (*test)(const NTL::ZZ&)) {
        const NTL::ZZ C = NTL::power(NTL::ZZ(10), 59) + 19;
        std::int64_t composes = 0;
        for (std::int64_t r = 2; r <= rang; ++r) composes += 1 - test(C * t[static_cast<std::size_t>(r)]);
        return std::to_string(composes);
    };
    Cas c{"(5) prem de " + std::to_string(rang - 1) + " entiers de 60 chiffres", std::to_string(rang - 1),
          [essais] { return essais(prem); }, [essais] { return essais(ref_prem); }};
    // The factors come from a table built beforehand; each test starts
    // from the seed.
    c.prepare_nous = [rang] {
        while (np < rang) Suiv();
        t.assign(Nprem.begin(), Nprem.end());
        amorce();
    };
    c.prepare_reference = [] { ref_amorce(); };
    return c;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool court = argc > 1 && std::strcmp(argv[1], "court") == 0;
    const std::string choisi = argc > 2 ? std::string("(") + argv[2] : "";
    // 10000019 x 10000079, and 2^64 + 1.
    const std::vector<std::string> N = {"100000980001501", "18446744073709551617"};
    const std::vector<std::string> lignes = {"100000980001501 =  (10000019) X (10000079)",
                                             "18446744073709551617 =  (274177) X (67280421310721)"};
    std::vector<Cas> cas;
    if (court) {
        cas.push_back(croissance(100000, 1299709, false));
        cas.push_back(croissance(1000000, 15485863, true));
        cas.push_back(effectif(10000000, 664579));
    } else {
        cas.push_back(croissance(1000000, 15485863, false));
        cas.push_back(croissance(10000000, 179424673, true));
        cas.push_back(effectif(100000000, 5761455));
    }
    cas.push_back(factorisation(N[0], lignes[0], "10000079"));
    cas.push_back(factorisation(N[1], lignes[1], "8202479"));
    cas.push_back(factorisations_table_faite(N, lignes, court ? 10 : 100));
    if (court) {
        cas.push_back(concatenations(100000, 30648));
        cas.push_back(grands(2000));
    } else {
        cas.push_back(concatenations(1000000, 298492));
        cas.push_back(grands(20000));
    }

    int faux = 0;
    std::printf("%-46s %12s %14s %9s\n", "cas", "nous (s)", "reference (s)", "rapport");
    for (const Cas& c : cas) {
        if (c.nom.find(choisi) == std::string::npos) continue;
        libere();
        c.prepare_nous();
        std::string a;
        const double tn = chrono(c.nous, a);
        const long pic = pic_resident_ko();
        libere();
        c.prepare_reference();
        std::string b;
        const double tr = chrono(c.reference, b);
        const bool juste = a == c.attendu && b == c.attendu;
        faux += juste ? 0 : 1;
        std::printf("%-46s %12.3f %14.3f %9.2f%s\n", c.nom.c_str(), tn, tr, tr / tn, juste ? "" : "  FAUX");
        std::printf("   resultat : %s\n", a.c_str());
        if (!juste) std::printf("   attendu : %s\n   reference : %s\n", c.attendu.c_str(), b.c_str());
        if (c.memoire) std::printf("   memoire maximale (ru_maxrss) apres notre table : %ld Mo\n", pic * 1024 / 1000000);
        std::fflush(stdout);
    }
    return faux == 0 ? 0 : 1;
}
