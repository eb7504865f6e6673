// Splitting the decimal digits of a number into consecutive pieces that are
// all prime: the piece table, built with prem, and the depth-first walk that
// meets every split once, in increasing order of piece lengths.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <NTL/ZZ.h>

struct Decoupage {
    // Sized for numbers of at most nmax digits; one object serves any
    // number of such numbers in turn.
    explicit Decoupage(int nmax);

    // Counts the digits of N, fills chiffres and builds the piece table,
    // testing each piece with prem: starts in increasing order, lengths in
    // increasing order at each start. When no piece at the first digit is
    // prime, the later starts are not tested. N >= 1, at most nmax digits.
    void construit(const NTL::ZZ& N);

    // Walks every split of the number last built, adding 1 to w1 and calling
    // action the moment a split is complete (levels 1..k1 of the stack hold
    // its pieces). arret, when given, is asked after each counted split and
    // ends the walk when it answers true.
    void enumere(const std::function<void(const Decoupage&)>& action,
                 const std::function<bool()>& arret = nullptr);

    // Start position and length of the piece at stack level k.
    int debut(int k) const { return posdeb[nivlig[k]]; }
    int longueur(int k) const { return tlong[nivlig[k]][nivlg[k]]; }

    int nmax;                    // digits the arrays have room for
    int n0 = 0;                  // digit count of the number last built
    std::vector<int> chiffres;   // [1..n0], the leading digit first
    // Piece table: row r gathers the prime pieces starting at posdeb[r]
    // (rows in increasing position, 0 after the last); tlong[r][1..] are
    // their lengths, increasing, with 0 after the last.
    std::vector<int> posdeb;
    std::vector<std::vector<int>> tlong;
    int k2 = 0;                  // number of rows
    int stop = 0;                // 1 once no piece at the first digit was prime
    // Search stack: level k holds length index nivlg[k] of row nivlig[k];
    // L is the number of digits its k1 pieces cover.
    std::vector<int> nivlig;
    std::vector<int> nivlg;
    int k1 = 0;
    int L = 0;
    std::int64_t w1 = 0;         // splits counted; the caller resets it

private:
    void avance();
};
