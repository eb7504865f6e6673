// The number-entry routine: every question the program asks goes through
// controle, which re-asks silently until a line fits the mode.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include <NTL/ZZ.h>

// Answers and flags shared between controle and its callers.
extern int valeur2;           // key accepted in a single-key mode
extern std::int64_t valeur;   // number accepted in modes 4, 5, 7 and 11
extern NTL::ZZ valeur0;       // number accepted in mode 9
extern int xn;                // 1: the unsigned modes refuse 0
extern int un;                // 1: the accepted mode-7 line began with "="
extern int voir;              // 1: the line "*" was accepted in mode 7

// Longest line accepted; a longer line is read to its end and refused.
constexpr std::size_t LIGNE_MAX = 4096;

// 1 for a digit, "+" or "-", else 0; valtest1 gets the character's value
// (the digit, 1 for "+", -1 for "-", 0 otherwise).
extern std::int64_t valtest1;
int valtest(char c);

// Thrown when standard input cannot be read, which is not its end.
struct ErreurLecture : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Writes message, reads lines until one fits mode, leaves the answer in
// valeur2, valeur or valeur0. Returns 0. On end of input it writes "\n"
// and ends the program with status 1; on a read error it throws
// ErreurLecture.
int controle(int mode, const std::string& message);

// An unsigned number question that refuses 0: controle in mode 4, 9 or 11
// with xn set to 1 for the question and back to 0 after it.
int controle_non_nul(int mode, const std::string& message);

// Where controle reads from: standard input unless a test says otherwise.
void controle_lire_depuis(int fd);

// Called at end of input, after the "\n", in place of the exit, so that a
// fuzzer can run many inputs in one process: it must leave by an exception.
// Should it return, the program still ends with status 1. nullptr: exit.
void controle_a_la_fin(void (*f)());
