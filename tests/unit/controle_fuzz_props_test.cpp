// Properties of the number entry on generated inputs, against the model of
// verif_controle.h (the same checks as the fuzzer, in every build): lines
// across the read buffer, a non-blocking input, the end-of-input hook.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

#include "verif_controle.h"

namespace {

// Deterministic generator (splitmix64), the same on every platform.
struct Alea {
    std::uint64_t s;
    std::uint64_t operator()()
    {
        std::uint64_t z = (s += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    std::size_t sous(std::size_t n) { return static_cast<std::size_t>((*this)() % n); }
};

// Pieces that lines are made of, chosen near the edges of the grammar.
const char* const MORCEAUX[] = {
    "0", "1", "5", "9", "+", "-", "=", "*", " ", "\t", "\r", "a", "\xc3\xa9", "\xff", "00", "07",
    "12", "+5", "-5", "=5", "=-5", "922337203685477580", "9223372036854775807",
    "9223372036854775808", "-9223372036854775808", "-9223372036854775809",
    "18446744073709551616", "123456789012345678901234567890"};

std::string ligne_au_hasard(Alea& a)
{
    std::string l;
    switch (a.sous(10)) {
    case 0: l = std::string(LIGNE_MAX - 2 + a.sous(5), a.sous(2) ? '7' : '0'); break;
    case 1: l = std::string(1, static_cast<char>(a.sous(256))); break;
    default:
        for (std::size_t n = 1 + a.sous(3); n > 0; --n) l += MORCEAUX[a.sous(std::size(MORCEAUX))];
    }
    if (a.sous(12) == 0) l.insert(a.sous(l.size() + 1), 1, '\0');
    return l;
}

std::string entree_au_hasard(Alea& a)
{
    std::string e;
    for (std::size_t n = a.sous(10); n > 0; --n) {
        e += ligne_au_hasard(a);
        e += a.sous(4) ? "\n" : "\r\n";
    }
    if (a.sous(3) == 0) e += ligne_au_hasard(a);  // no final line break
    return e;
}

std::string visible(const std::string& e)
{
    std::string r;
    for (unsigned char c : e.substr(0, 300)) {
        if (c >= 32 && c < 127) r += static_cast<char>(c);
        else r += "\\x" + std::string(1, "0123456789abcdef"[c >> 4]) + "0123456789abcdef"[c & 15];
    }
    return r;
}

}  // namespace

TEST(ProprietesControle, EntreesAuHasardDansTousLesModes)
{
    Alea a{20240601};
    for (int essai = 0; essai < 3000; ++essai) {
        verif::Reglages g;
        g.modes.clear();
        for (std::size_t n = 1 + a.sous(4); n > 0; --n)
            g.modes.push_back(verif::MODES[a.sous(std::size(verif::MODES))]);
        g.xn = static_cast<int>(a.sous(2));
        g.un = static_cast<int>(a.sous(2));
        g.suiv = static_cast<int>(a.sous(3));
        const std::string e = entree_au_hasard(a);
        const std::string erreur = verif::verifie(e, g);
        ASSERT_EQ(erreur, "") << "essai " << essai << ", entree : " << visible(e);
    }
}

TEST(ProprietesControle, LignesAChevalSurLeTamponDeLecture)
{
    // The reader fills 65536 bytes at a time: an accepted line, a CRLF, and
    // an over-long line must read the same whichever side of the refill
    // they fall.
    constexpr std::size_t TAMPON = 65536;
    for (int decalage = -4; decalage <= 4; ++decalage) {
        std::string e;
        while (e.size() + 200 < TAMPON) e += "x\n";
        // A refused line whose end puts the next ones across the edge.
        e += std::string(TAMPON - 4 + decalage - e.size(), 'y') + "\n";
        for (const char* fin : {"12345\r\n", "\r\n", "678\n", "+9\r\n"}) e += fin;
        e += std::string(LIGNE_MAX + 1, '4') + "\n42";
        for (int mode : {4, 7, 9}) {
            verif::Reglages g;
            g.modes = {mode};
            EXPECT_EQ(verif::verifie(e, g), "") << decalage << " mode " << mode;
        }
    }
}

TEST(ProprietesControle, EntreeNonBloquanteAttendSaLigne)
{
    // A non-blocking input that has no line yet is not at its end.
    int tube[2];
    ASSERT_EQ(pipe(tube), 0);
    fcntl(tube[0], F_SETFL, fcntl(tube[0], F_GETFL) | O_NONBLOCK);
    std::thread ecrivain([fd = tube[1]] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EXPECT_EQ(write(fd, "x\n", 2), 2);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EXPECT_EQ(write(fd, "7\n", 2), 2);
        close(fd);
    });
    controle_lire_depuis(tube[0]);
    controle_a_la_fin(verif::leve_fin);
    std::ostringstream sortie;
    auto* ancien = std::cout.rdbuf(sortie.rdbuf());
    bool fin = false;
    xn = 1;
    try {
        controle(4, "? ");
    } catch (const verif::Fin&) {
        fin = true;
    }
    std::cout.rdbuf(ancien);
    controle_a_la_fin(nullptr);
    ecrivain.join();
    close(tube[0]);
    EXPECT_FALSE(fin);
    EXPECT_EQ(sortie.str(), "? ? ");
    EXPECT_EQ(valeur, 7);
}

namespace {
int appels = 0;
void compte_et_sort()
{
    ++appels;
    throw verif::Fin{};
}
void revient() {}
}  // namespace

TEST(ProprietesControle, FinDesEntreesPasseParLeCrochet)
{
    controle_lire_depuis(verif::fichier("9\n"));
    controle_a_la_fin(compte_et_sort);
    std::ostringstream sortie;
    auto* ancien = std::cout.rdbuf(sortie.rdbuf());
    valeur2 = -1;
    try {
        controle(1, "? ");
    } catch (const verif::Fin&) {
    }
    std::cout.rdbuf(ancien);
    EXPECT_EQ(appels, 1);
    EXPECT_EQ(sortie.str(), "? ? \n");
    EXPECT_EQ(valeur2, -1);

    // A hook that returns does not let controle go on: the program ends.
    controle_a_la_fin(revient);
    EXPECT_EXIT(
        {
            controle_lire_depuis(verif::fichier(""));
            controle(6, "? ");
        },
        ::testing::ExitedWithCode(1), "");
    controle_a_la_fin(nullptr);
}
