// Choice 4 of the main menu: the concatenation menu, the splits of one N
// into prime pieces (concatN), and the scan of a range for such N (Nconcat).
#include <cstdint>
#include <functional>
#include <iostream>

#include <NTL/ZZ.h>

#include "controle.h"
#include "decoupage.h"
#include "operations.h"
#include "table.h"

namespace {

int choix0 = 0;  // last choice of the concatenation menu; Nconcat reads it

int chiffres_de(const NTL::ZZ& x)
{
    NTL::ZZ P1 = x;
    int n0 = 0;
    while (P1 != 0) {
        ++n0;
        P1 /= 10;
    }
    return n0;
}

int concatN()
{
    int recalc = 1;
    while (recalc == 1) {
        controle_non_nul(9, " \n \n \n \t N ? : ");
        const NTL::ZZ P2 = valeur0;

        Decoupage d(chiffres_de(P2));
        d.w1 = 0;
        d.construit(P2);
        std::cout << "\n  Pour  " << P2 << " : ";
        d.enumere([](const Decoupage& e) {
            std::cout << " ( ";
            for (int k2 = 1; k2 <= e.k1; ++k2) {
                const int rang = e.debut(k2);
                const int lg = e.longueur(k2);
                for (int i2 = rang; i2 < rang + lg; ++i2) std::cout << e.chiffres[i2];
                std::cout << " ";
            }
            std::cout << ") ";
        });
        std::cout << " \n \n \t  Effectif des concanetations differentes possibles = " << d.w1
                  << " \n \n \t  Un nombre premier est comptabilise comme une concanetation de lui meme. \n \n ";

        controle(1, "\n \n \t Nouvelle valeur de N ? Oui [1] , Non [0] : ");
        recalc = valeur2;
    }
    return 1;
}

int Nconcat()
{
    NTL::ZZ debu(1);
    NTL::ZZ fin(0);
    while (debu > fin) {
        controle_non_nul(9, "\n \t Limite inferieure ? : ");
        debu = valeur0;
        std::cout << " \n  ";
        controle_non_nul(9, "\n \t Limite superieure ? : ");
        fin = valeur0;
    }
    controle(1, "\n \n \t  Afficher,  [1] L'effectif seulement / [0] Toute la liste : ? ");
    const int compter = valeur2;

    // One set of arrays serves the whole range: no N has more digits than fin.
    Decoupage d(chiffres_de(fin));

    if (compter == 0) {
        std::cout << " \n \n \t Entre " << debu << " et " << fin
                  << "   les  nombres qui convienent sont : ";
    }

    // Once N is known to qualify, counting only needs no more splits.
    const std::function<bool()> arret = [&d]() {
        return (choix0 == 3 && d.w1 > 1) || (choix0 == 2 && d.w1 > 0);
    };
    const auto rien = [](const Decoupage&) {};

    std::int64_t w2 = 0;
    for (; debu <= fin; ++debu) {
        if (choix0 == 3 && prem(debu) != 1) continue;
        d.w1 = 0;
        d.construit(debu);
        if (compter == 1) {
            d.enumere(rien, arret);
        } else {
            d.enumere(rien);
        }
        const bool retenu = choix0 == 3 ? d.w1 >= 2 : d.w1 >= 1;
        if (retenu) {
            ++w2;
            if (compter == 0) std::cout << debu << "[" << d.w1 << "]  ";
        }
    }

    std::cout << " \n \n \t Il y a  " << w2 << "  nombres ";
    if (choix0 == 3) {
        std::cout << " premiers de ce type, chacun etant la concatenation d'au moins 2 autres.\n ";
    } else {
        std::cout << "de ce type. \n ";
    }
    if (compter == 0) {
        std::cout << " \n \t Entre crochet apres chaque nombre : l'effectif des concanetations differentes possibles. "
                  << " \n \t Un nombre premier etant comptabilise comme une concanetation de lui meme. \n \n  ";
    }
    return 1;
}

}  // namespace

int concat()
{
    int re = 1;
    while (re == 1) {
        std::cout << " \n \n \t  *****  CONCATENATIONS DE NOMBRES PREMIERS  ***** : "
                  << "\n \n \t Que voulez-vous faire ? : \n "
                  << "\n \n \t \t [1] - Savoir si un nombre N est une concatenation de nombres premiers "
                  << "\n \n \t \t [2] - Trouver tous ces nombres N quelconques, compris entre 2 valeurs ? "
                  << "\n \n \t \t [3] - Trouver tous ces nombres N premiers, compris entre 2 valeurs ? "
                  << "\n \n \t \t [0] - Revenir au debut du programme ? ";
        controle(10, "\n \n \n \t Quel est votre choix ? : ");
        choix0 = valeur2;
        if (choix0 == 1) concatN();
        if (choix0 == 2 || choix0 == 3) Nconcat();
        if (choix0 == 0) re = 0;
    }
    return 1;
}
