// The operations of the main menu and of its sub-menus. Each runs its whole
// dialogue and returns 1 to the menu that called it.
#pragma once

int decomp();   // choice 1: factorisation
int premier();  // choice 2: listing with ranks
int affiche();  //           its selection menu, behind "*"
int liste();    // choice 3: primes between two bounds
int concat();   // choice 4: concatenation menu
