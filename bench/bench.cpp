// Speed of the table routines (Suiv, prem1, prem) against a plain reference
// that this file carries: the same walks on a table of its own, with a
// signed 64-bit remainder and a double square root at every step. Each case
// runs ours, then the reference, checks both answers and prints the times
// and the ratio reference / ours.
//
//   premiers_bench          the full run (several minutes)
//   premiers_bench court    every size divided by 10, for a quick look
#include <sys/resource.h>

#include <NTL/ZZ.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

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

int ref_prem1(std::int64_t S3)
{
    const auto rS1 = static_cast<std::int64_t>(std::sqrt(static_cast<double>(S3)));
    for (std::int64_t k = 1;; ++k) {
        if (k > nT) ref_suiv();
        const std::int64_t p = T[static_cast<std::size_t>(k)];
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
        if (k > nT) ref_suiv();
        const std::int64_t p = T[static_cast<std::size_t>(k)];
        if (NTL::rem(S, static_cast<long>(p)) == 0) return 0;
        if (p > rS) return 1;
    }
}

// Gives the memory of both tables back between cases.
void libere()
{
    std::vector<std::int64_t>().swap(Nprem);
    amorce();
    std::vector<std::int64_t>().swap(T);
    ref_amorce();
}

// ---- The cases: each computes one figure, known in advance, both ways.

struct Cas {
    std::string nom;
    std::int64_t attendu;
    std::function<std::int64_t()> nous;
    std::function<std::int64_t()> reference;
    bool memoire = false;  // print the peak resident size after ours
};

double chrono(const std::function<std::int64_t()>& f, std::int64_t& valeur)
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

Cas croissance(std::int64_t rang, std::int64_t attendu, bool memoire)
{
    return {"table jusqu'au rang " + std::to_string(rang), attendu,
            [rang] {
                amorce();
                while (np < rang) Suiv();
                return Nprem[static_cast<std::size_t>(np)];
            },
            [rang] {
                ref_amorce();
                while (nT < rang) ref_suiv();
                return T[static_cast<std::size_t>(nT)];
            },
            memoire};
}

// The count of the primes from 1 to fin, as the listing between bounds
// makes it: 2 and 3, then every odd number from 5 through prem1.
Cas effectif(std::int64_t fin, std::int64_t attendu)
{
    return {"nombre de premiers de 1 a " + std::to_string(fin), attendu,
            [fin] {
                amorce();
                std::int64_t w1 = 2;
                for (std::int64_t S3 = 5; S3 <= fin; S3 += 2) w1 += prem1(S3);
                return w1;
            },
            [fin] {
                ref_amorce();
                std::int64_t w1 = 2;
                for (std::int64_t S3 = 5; S3 <= fin; S3 += 2) w1 += ref_prem1(S3);
                return w1;
            }};
}

// prem on numbers of about 60 digits, p x (10^59 + 19) (its smallest factor
// is beyond the primes used) for each prime p of rank 2 to rang: each test
// stops at p. The answer checked is the number of composites found.
Cas grands(std::int64_t rang)
{
    auto essais = [rang](int (*test)(const NTL::ZZ&), const std::vector<std::int64_t>& t) {
        const NTL::ZZ C = NTL::power(NTL::ZZ(10), 59) + 19;
        std::int64_t composes = 0;
        for (std::int64_t r = 2; r <= rang; ++r) composes += 1 - test(C * t[static_cast<std::size_t>(r)]);
        return composes;
    };
    return {"prem de " + std::to_string(rang - 1) + " entiers de 60 chiffres", rang - 1,
            [essais, rang] {
                amorce();
                while (np < rang) Suiv();
                const auto t = Nprem;
                amorce();
                return essais(prem, t);
            },
            [essais, rang] {
                ref_amorce();
                while (nT < rang) ref_suiv();
                const auto t = T;
                ref_amorce();
                return essais(ref_prem, t);
            }};
}

}  // namespace

int main(int argc, char** argv)
{
    const bool court = argc > 1 && std::strcmp(argv[1], "court") == 0;
    std::vector<Cas> cas;
    if (court) {
        cas.push_back(croissance(100000, 1299709, false));
        cas.push_back(croissance(1000000, 15485863, true));
        cas.push_back(effectif(10000000, 664579));
        cas.push_back(grands(2000));
    } else {
        cas.push_back(croissance(1000000, 15485863, false));
        cas.push_back(croissance(10000000, 179424673, true));
        cas.push_back(effectif(100000000, 5761455));
        cas.push_back(grands(20000));
    }

    int faux = 0;
    std::printf("%-42s %14s %12s %12s %9s\n", "cas", "resultat", "nous (s)", "reference (s)", "rapport");
    for (const Cas& c : cas) {
        libere();
        std::int64_t a = 0;
        std::int64_t b = 0;
        const double tn = chrono(c.nous, a);
        const long pic = pic_resident_ko();
        libere();
        const double tr = chrono(c.reference, b);
        const bool juste = a == c.attendu && b == c.attendu;
        faux += juste ? 0 : 1;
        std::printf("%-42s %14lld %12.3f %12.3f %9.2f%s\n", c.nom.c_str(), static_cast<long long>(a), tn, tr, tr / tn,
                    juste ? "" : "  FAUX");
        if (!juste) {
            std::printf("   attendu %lld, reference %lld\n", static_cast<long long>(c.attendu),
                        static_cast<long long>(b));
        }
        if (c.memoire) std::printf("   memoire maximale (ru_maxrss) apres notre table : %ld Mo\n", pic / 1024);
        std::fflush(stdout);
    }
    return faux == 0 ? 0 : 1;
}
