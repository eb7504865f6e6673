// The number-entry routine controle and valtest: reads one line at a time,
// checks it against the syntax of the question's mode, and asks again,
// silently, until a line fits.
#include "controle.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <limits>

#include "table.h"

int valeur2 = 0;
std::int64_t valeur = 0;
NTL::ZZ valeur0;
int xn = 0;
int un = 0;
int voir = 0;
std::int64_t valtest1 = 0;

namespace {

// Line reader over a file descriptor, with its own buffer so that nothing
// is read past what a line needs but a buffer-full, and nothing buffered
// is lost between questions when input is not a terminal.
struct Lecteur {
    int fd = 0;
    char tampon[65536];
    std::size_t debut = 0, fin = 0;
    bool eof = false;
    int terminal = -1;  // isatty(fd), asked once

    bool au_terminal()
    {
        if (terminal < 0) terminal = ::isatty(fd);
        return terminal == 1;
    }

    // Next byte, or -1 at end of input.
    int octet()
    {
        if (debut == fin) {
            if (eof) return -1;
            ssize_t n = ::read(fd, tampon, sizeof tampon);
            while (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) {
                // A non-blocking input with no line yet: wait for one
                // rather than take it for the end of input.
                if (errno != EINTR) {
                    pollfd attente{fd, POLLIN, 0};
                    ::poll(&attente, 1, -1);
                }
                n = ::read(fd, tampon, sizeof tampon);
            }
            if (n < 0) throw ErreurLecture("lecture impossible sur l'entree standard");
            if (n == 0) { eof = true; return -1; }
            debut = 0;
            fin = static_cast<std::size_t>(n);
        }
        return static_cast<unsigned char>(tampon[debut++]);
    }

    // At a terminal, drop what was typed ahead; from a pipe or a file,
    // drop nothing, so that a script is answered line by line.
    void vider()
    {
        if (au_terminal()) {
            debut = fin = 0;
            ::tcflush(fd, TCIFLUSH);
            eof = false;
        }
    }
};

Lecteur lecteur;
void (*a_la_fin)() = nullptr;

enum class Lu { Ligne, TropLongue, Fin };

// A terminal keeps at most this many characters of a line and drops the
// rest: a line that reaches it may have lost its tail.
constexpr std::size_t LIGNE_TERMINAL = 4095;

// Reads one line into entree without its "\n" or "\r\n". A last line
// without "\n" still counts; a line over LIGNE_MAX is read to its end.
Lu lire_ligne(std::string& entree)
{
    entree.clear();
    bool trop = false;
    int c = lecteur.octet();
    if (c < 0) return Lu::Fin;
    for (; c >= 0 && c != '\n'; c = lecteur.octet()) {
        if (entree.size() <= LIGNE_MAX) entree.push_back(static_cast<char>(c));
        else trop = true;
    }
    if (entree.size() >= LIGNE_TERMINAL && lecteur.au_terminal()) return Lu::TropLongue;
    if (!entree.empty() && entree.back() == '\r' && !trop) entree.pop_back();
    if (trop || entree.size() > LIGNE_MAX) return Lu::TropLongue;
    return Lu::Ligne;
}

[[noreturn]] void fin_des_entrees()
{
    std::cout << "\n";
    std::cout.flush();
    if (a_la_fin) a_la_fin();
    std::exit(1);
}

// The number syntax of every number mode: "0" alone, or an optional sign
// ("+", or "-" when moins_permis) then a digit 1-9 and any further digits.
// Characters are read through valtest; each digit's value goes to ajoute,
// which may refuse the line (a value out of range).
template <class Accumulateur>
bool syntaxe(const std::string& e, bool moins_permis, Accumulateur&& ajoute)
{
    if (e.empty()) return false;
    const bool apres_signe = e[0] == '+' || e[0] == '-';
    for (std::size_t p = 0; p < e.size(); ++p) {
        const char c = e[p];
        if (valtest(c) == 0) return false;
        if (c == '+' || c == '-') {
            if (p > 0 || e.size() == 1 || (c == '-' && !moins_permis)) return false;
            continue;
        }
        // "05", "+0", "-05": a leading zero only as the whole line.
        if (c == '0' && ((p == 0 && e.size() > 1) || (p == 1 && apres_signe))) return false;
        if (!ajoute(valtest1)) return false;
    }
    return true;
}

// Modes 4 and 11: unsigned, signed 64-bit value.
bool lit_non_signe64(const std::string& e, std::int64_t& v)
{
    std::int64_t w = 0;
    const bool ok = syntaxe(e, false, [&](std::int64_t d) {
        return !__builtin_mul_overflow(w, 10, &w) && !__builtin_add_overflow(w, d, &w);
    });
    if (ok) v = w;
    return ok;
}

// Mode 9: unsigned, arbitrary precision.
bool lit_non_signe_zz(const std::string& e, NTL::ZZ& v)
{
    NTL::ZZ w;
    const bool ok = syntaxe(e, false, [&](std::int64_t d) {
        w *= 10;
        w += d;
        return true;
    });
    if (ok) v = w;
    return ok;
}

// Modes 5 and 7: signed. A negative value is built downward, so -2^63 fits.
bool lit_signe64(const std::string& e, std::int64_t& v)
{
    const bool negatif = !e.empty() && e[0] == '-';
    std::int64_t w = 0;
    const bool ok = syntaxe(e, true, [&](std::int64_t d) {
        if (__builtin_mul_overflow(w, 10, &w)) return false;
        return !(negatif ? __builtin_sub_overflow(w, d, &w) : __builtin_add_overflow(w, d, &w));
    });
    if (ok) v = w;
    return ok;
}

// The keys each single-key mode accepts, as the highest and lowest digit.
bool touche(int mode, char c, int& v)
{
    int bas = 0, haut = -1;
    switch (mode) {
    case 1: bas = 0; haut = 1; break;
    case 2: bas = 1; haut = 2; break;
    case 3: bas = 0; haut = 2; break;
    case 6: case 8: bas = 0; haut = 5; break;
    case 10: bas = 0; haut = 3; break;
    }
    if (valtest(c) == 0 || c == '+' || c == '-' || valtest1 < bas || valtest1 > haut) return false;
    v = static_cast<int>(valtest1);
    return true;
}

}  // namespace

void controle_lire_depuis(int fd)
{
    lecteur.fd = fd;
    lecteur.debut = lecteur.fin = 0;
    lecteur.eof = false;
    lecteur.terminal = -1;
}

int controle_non_nul(int mode, const std::string& message)
{
    xn = 1;
    controle(mode, message);
    xn = 0;
    return 0;
}

void controle_a_la_fin(void (*f)()) { a_la_fin = f; }

int valtest(char c)
{
    valtest1 = 0;
    if (c >= '0' && c <= '9') valtest1 = c - '0';
    else if (c == '+') valtest1 = 1;
    else if (c == '-') valtest1 = -1;
    else return 0;
    return 1;
}

int controle(int mode, const std::string& message)
{
    lecteur.vider();
    voir = 0;
    if (mode < 1 || mode > 11) return 0;

    std::string entree;
    for (;;) {
        std::cout << message;
        std::cout.flush();
        const Lu lu = lire_ligne(entree);
        if (lu == Lu::Fin) fin_des_entrees();
        if (lu == Lu::TropLongue) continue;

        bool egal = false;
        if (mode == 7) {
            if (entree == "*" && np > 2) {
                voir = 1;
                return 0;
            }
            if (!entree.empty() && entree[0] == '=') {
                egal = true;
                entree.erase(0, 1);
            }
        }
        if (entree.empty()) continue;

        switch (mode) {
        case 1: case 2: case 3: case 6: case 8: case 10:
            if (entree.size() == 1 && touche(mode, entree[0], valeur2)) return 0;
            break;
        case 4: case 11: {
            std::int64_t v;
            if (lit_non_signe64(entree, v) && !(xn == 1 && v == 0)) {
                valeur = v;
                return 0;
            }
            break;
        }
        case 9: {
            NTL::ZZ v;
            if (lit_non_signe_zz(entree, v) && !(xn == 1 && v == 0)) {
                valeur0 = v;
                return 0;
            }
            break;
        }
        case 5: case 7: {
            std::int64_t v;
            if (lit_signe64(entree, v)) {
                valeur = v;
                if (egal) un = 1;
                return 0;
            }
            break;
        }
        }
    }
}
