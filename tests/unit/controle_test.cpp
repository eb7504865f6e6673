// The number entry: explicit cases of every mode and the exit at end of
// input; then the fuzzer's checks against the model of verif_controle.h
// (end-of-input hook included) on generated inputs in every build, on lines
// across the read buffer, and a non-blocking input.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "verif_controle.h"

namespace {

// Whether `ligne` is taken at once by controle in `mode` (else the sentinel
// line after it is).
bool prise(int mode, const std::string& ligne, const std::string& sentinelle = "7")
{
    const std::string s = dialogue(ligne + "\n" + sentinelle + "\n", [mode] { controle(mode, "? "); });
    EXPECT_TRUE(s == "? " || s == "? ? ") << mode << " [" << ligne << "]";
    return s == "? ";
}

}  // namespace

TEST(Controle, CasDeChaqueMode)
{
    // The edges the model below must agree on: 64-bit limits, 0 while xn
    // is 1, "=" and "*" in mode 7, keys; unknown modes neither write nor read.
    amorce();
    xn = 1;
    for (int mode : {4, 11, 5, 7}) {
        EXPECT_TRUE(prise(mode, "+9223372036854775807") && valeur == INT64_MAX);
        EXPECT_EQ(prise(mode, "-9223372036854775808"), mode == 5 || mode == 7);
        EXPECT_EQ(prise(mode, "0"), mode == 5 || mode == 7);
        for (const char* l : {"9223372036854775808", "-9223372036854775809", "01", "+0", "-0"}) EXPECT_FALSE(prise(mode, l));
    }
    EXPECT_TRUE(prise(9, "+123456789012345678901234567890") && valeur0 == NTL::conv<NTL::ZZ>("123456789012345678901234567890"));
    EXPECT_TRUE(prise(7, "=-5") && un == 1 && valeur == -5);
    EXPECT_FALSE(prise(7, "*"));
    Suiv();
    EXPECT_TRUE(prise(7, "*") && voir == 1);
    EXPECT_TRUE(prise(10, "3", "0") && valeur2 == 3);
    EXPECT_FALSE(prise(2, "0", "1") || prise(6, "6", "0") || prise(1, "01", "0") || prise(1, "+1", "0"));
    EXPECT_EQ(dialogue("5\n", [] { controle(0, "? "); controle(12, "? "); }), "");
    for (int c = 0; c < 256; ++c) {
        const bool chiffre = c >= '0' && c <= '9';
        EXPECT_EQ(valtest(static_cast<char>(c)), chiffre || c == '+' || c == '-');
        EXPECT_EQ(valtest1, chiffre ? c - '0' : c == '+' ? 1 : c == '-' ? -1 : 0);
    }
}

TEST(Controle, FinDesEntreesTermineAvecStatutUn)
{
    // Without a hook, or with one that returns, the program ends.
    EXPECT_EXIT(dialogue("x\n", [] { controle(4, "? "); }), ::testing::ExitedWithCode(1), "");
    controle_a_la_fin([] {});
    EXPECT_EXIT(dialogue("", [] { controle(6, "? "); }), ::testing::ExitedWithCode(1), "");
}

TEST(ProprietesControle, EntreesAuHasardDansTousLesModes)
{
    // Pieces of lines near the edges of the grammar.
    static const char* const MORCEAUX[] = {
        "0", "1", "5", "9", "+", "-", "=", "*", " ", "\t", "\r", "a", "\xc3\xa9", "\xff", "00", "07", "12", "=-5",
        "922337203685477580", "9223372036854775807", "9223372036854775808", "-9223372036854775808",
        "-9223372036854775809", "18446744073709551616", "123456789012345678901234567890"};
    std::mt19937_64 a(20240601);
    auto sous = [&a](std::size_t n) { return static_cast<std::size_t>(a() % n); };
    for (int essai = 0; essai < 3000; ++essai) {
        verif::Reglages g{{}, static_cast<int>(sous(2)), static_cast<int>(sous(2)), static_cast<int>(sous(3))};
        for (std::size_t n = 1 + sous(4); n > 0; --n) g.modes.push_back(verif::MODES[sous(std::size(verif::MODES))]);
        auto ligne = [&] {
            std::string l;
            switch (sous(10)) {
            case 0: l = std::string(LIGNE_MAX - 2 + sous(5), sous(2) ? '7' : '0'); break;
            case 1: l = std::string(1, static_cast<char>(sous(256))); break;
            default:
                for (std::size_t m = 1 + sous(3); m > 0; --m) l += MORCEAUX[sous(std::size(MORCEAUX))];
            }
            if (sous(12) == 0) l.insert(sous(l.size() + 1), 1, '\0');
            return l;
        };
        std::string e;
        for (std::size_t n = sous(10); n > 0; --n) e += ligne() + (sous(4) ? "\n" : "\r\n");
        if (sous(3) == 0) e += ligne();  // no final line break
        ASSERT_EQ(verif::verifie(e, g), "") << "essai " << essai;
    }
}

TEST(ProprietesControle, LignesAChevalSurLeTamponDeLecture)
{
    // The reader fills 65536 bytes at a time: accepted lines, CRLF and an
    // over-long line read the same whichever side of the refill they fall.
    for (std::size_t decalage = 0; decalage <= 8; ++decalage) {
        const std::string e = std::string(65532 + decalage, 'y') + "\n12345\r\n\r\n678\n+9\r\n" +
                              std::string(LIGNE_MAX + 1, '4') + "\n42";
        for (int mode : {4, 7, 9}) EXPECT_EQ(verif::verifie(e, {{mode}}), "") << decalage << " mode " << mode;
    }
}

TEST(ProprietesControle, EntreeNonBloquanteAttendSaLigne)
{
    int tube[2];
    ASSERT_EQ(pipe(tube), 0);
    fcntl(tube[0], F_SETFL, fcntl(tube[0], F_GETFL) | O_NONBLOCK);
    std::thread ecrivain([fd = tube[1]] {
        for (const char* l : {"x\n", "7\n"}) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            EXPECT_EQ(write(fd, l, 2), 2);
        }
        close(fd);
    });
    controle_lire_depuis(tube[0]);
    xn = 1;
    EXPECT_EQ(capture([] { controle(4, "? "); }), "? ? ");
    EXPECT_EQ(valeur, 7);
    ecrivain.join();
    close(tube[0]);
}
