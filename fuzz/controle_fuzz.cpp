// libFuzzer target: any bytes as the input of controle, in every mode, each
// answer checked against an independent model of the number entry; end of
// input is caught by controle's hook instead of ending the process.
//
// Layout of a fuzz input: byte 0 gives the number of questions in the
// cycle (1 to 4) and the bytes after it their modes; then one byte of
// settings (xn, un, how far the table is past its seed); the rest is the
// standard input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "verif_controle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::size_t p = 0;
    auto octet = [&]() -> unsigned { return p < size ? data[p++] : 0u; };

    verif::Reglages g;
    g.modes.clear();
    const unsigned n = 1 + (octet() & 3);
    constexpr unsigned NB = sizeof verif::MODES / sizeof verif::MODES[0];
    for (unsigned q = 0; q < n; ++q) g.modes.push_back(verif::MODES[octet() % NB]);
    const unsigned r = octet();
    g.xn = r & 1;
    g.un = (r >> 1) & 1;
    g.suiv = static_cast<int>((r >> 2) & 7);

    const std::string entree(reinterpret_cast<const char*>(data) + p, size - p);
    const std::string erreur = verif::verifie(entree, g);
    if (!erreur.empty()) {
        std::fprintf(stderr, "controle s'ecarte du modele : %s\n", erreur.c_str());
        std::abort();
    }
    return 0;
}
