// The number entry against the model of verif_controle.h (the fuzzer's
// checks) on generated lines in every mode; a non-blocking input.
#include <fcntl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "verif_controle.h"

TEST(Controle, EntreesAuHasardDansTousLesModes)
{
    // Pieces of lines near the edges of the grammar and of 64 bits.
    static const char* const MORCEAUX[] = {
        "0", "1", "5", "9", "+", "-", "=", "*", " ", "\t", "\r", "a", "\xc3\xa9", "\xff", "00", "07", "12", "=-5",
        "922337203685477580", "9223372036854775807", "9223372036854775808", "-9223372036854775808",
        "-9223372036854775809", "18446744073709551616", "123456789012345678901234567890"};
    std::mt19937_64 a(20240601);
    auto sous = [&a](std::size_t n) { return static_cast<std::size_t>(a() % n); };
    auto ligne = [&] {
        std::string l;
        if (sous(10) == 0) l = std::string(LIGNE_MAX - 2 + sous(5), sous(2) ? '7' : '0');  // at the limit
        else if (sous(9) == 0) l = std::string(1, static_cast<char>(sous(256)));
        else for (std::size_t m = 1 + sous(3); m > 0; --m) l += MORCEAUX[sous(std::size(MORCEAUX))];
        if (sous(12) == 0) l.insert(sous(l.size() + 1), 1, '\0');
        return l;
    };
    for (int essai = 0; essai < 3000; ++essai) {
        verif::Reglages g{{}, static_cast<int>(sous(2)), static_cast<int>(sous(2)), static_cast<int>(sous(3))};
        for (std::size_t n = 1 + sous(4); n > 0; --n) g.modes.push_back(verif::MODES[sous(std::size(verif::MODES))]);
        // Sometimes a first line that ends near 65536 bytes, where the reader refills.
        std::string e = sous(20) ? "" : std::string(65520 + sous(20), 'y') + "\n";
        for (std::size_t n = sous(10); n > 0; --n) e += ligne() + (sous(4) ? "\n" : "\r\n");
        if (sous(3) == 0) e += ligne();  // no final line break
        ASSERT_EQ(verif::verifie(e, g), "") << "essai " << essai;
    }
}

TEST(Controle, EntreeNonBloquanteAttendSaLigne)
{
    int tube[2];
    ASSERT_EQ(pipe(tube), 0);
    fcntl(tube[0], F_SETFL, fcntl(tube[0], F_GETFL) | O_NONBLOCK);
    std::thread ecrivain([fd = tube[1]] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));  // controle finds nothing to read yet
        EXPECT_EQ(write(fd, "x\n7\n", 4), 4);
        close(fd);
    });
    controle_lire_depuis(tube[0]);
    EXPECT_EQ(capture([] { controle(4, "? "); }), "? ? ");
    EXPECT_EQ(valeur, 7);
    ecrivain.join();
    close(tube[0]);
}
