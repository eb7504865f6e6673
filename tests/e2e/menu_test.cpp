// Main menu, explanations screen and exit status, and how lines are read
// from a real pipe: CRLF, no final line break, over-long lines, odd bytes,
// end of input.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

const std::string EXPLICATIONS =
    " \n \n \t  NOMBRES PREMIERS : "
    " \n \n \t  La taille des nombres premiers est limitee a  (2^63 - 1), soit environ 9 milliards de milliards. "
    " \n \n \t  Quand un nombre premier est affiche, il l'est apres son rang. Tous les precedents ont ete calcules et memorises. "
    " \n \t  Ils sont memorises en memore vive depuis le lancement d'un des deux programmes : Decomposition ou Liste. "
    " \n \t  A la fermeture du programme principal, la liste des nombres premiers memorises est effacee. "
    " \n  \t  Cette version ne met que quelques secondes pour calculer et memoriser les nombres premiers jusqu'aux millioniemes. "
    " \n  \t  Pour aller jusqu'au dix millionieme il faut 6 mn et 3 heures pour le cent millionieme. "
    " \n  \t  Pour ces tres longs calculs, d'autres versions de ce programme, qui lisent des fichiers de nombres premiers enregistres a l'avance, conviennent mieux. "
    " \n  \n \t  Une option permet d'afficher rapidement tous les nombres premiers entre deux bornes, mais sans leurs rangs."
    " \n  \t  Dans ce cas, pour afficher les rangs, il faut se servir de 'lister les nombres premiers'. "
    " \n  \n \t  Lancer 'lister les nombres premiers' pour voir les details du fonctionement. "
    " \n \n \n \t  DECOMPOSITION EN FACTEURS PREMIERS : "
    " \n  \n \t  En entree, un nombre N entier positif quelconque convient meme superieur a (2^63 - 1). "
    " \n  \t  Ces programmes utilisent la librairie NTL du C++. Cela permet de factoriser des nombres superieurs a (2^63 - 1). "
    " \n  \t  Neanmoins les facteurs premiers doivent etre inferieurs a (2^63 - 1). "
    " \n  \t  Apres calculs, le logiciel affiche sa decomposition avec la puissance de chaque facteur. "
    " \n  \t  Si cette decomposition comprend des nombres premiers tres grands, le calcul peut-etre long, voir tres long ! "
    " \n  \n  \t  Les nombres premiers calcules a chaque etape, restent memorises et servent pour la suite du deroulement du programme. "
    " \n \n \n \t  NOMBRES PREMIERS JUMEAUX et GENERALISATION: "
    " \n \n \t  On peut afficher parmi les nombres deja calcules, tous les couples de nombres jumeaux ou ceux ayant un ecart choisi."
    " \n \n \n \t  CONCATENATION DE NOMBRES PREMIERS : "
    " \n \n \t  Cette option permet de determiner si un nombre est la concatenation de nombres premiers et d'afficher toutes les possibilites."
    " \n \t  Elle permet egalement de determiner tous les nombres de ce type entre 2 valeurs."
    " \n \t  On peut aussi determiner uniquement les nombres premiers de ce type entre 2 bornes. \n \n"
    "\n \t  *****  FIN DES EXPLICATIONS, RETOUR AU MENU PRINCIPAL.  ***** \n\n";

}  // namespace

TEST(Menu, ChoixRefusEtFinDesEntrees)
{
    attendu("0\n", MENU);
    attendu("5\n5\n0\n", MENU + EXPLICATIONS + MENU + EXPLICATIONS + MENU);
    // Refused silently, each with the prompt alone again.
    attendu("6\n05\n 1\n1 \na\n\n+1\n-0\n00\n12\n5\n0\n", MENU + fois(INVITE, 10) + EXPLICATIONS + MENU);
    attendu("", MENU + FIN_ENTREE);
    attendu("9\n", MENU + INVITE + FIN_ENTREE);
}

TEST(Menu, LignesLuesSurUnTube)
{
    // CRLF, and a last line without its line break.
    attendu("5\r\n0", MENU + EXPLICATIONS + MENU);
    // Refused: a bare "\r" left in the line; a line past 4096 characters
    // (its tail is not read as a further line); NUL, tab, UTF-8.
    attendu("0\r\r\n" + std::string(100000, '0') + "\n" + std::string("0\0", 2) + "\n\t0\n\xc3\xa9\n0\n",
            MENU + fois(INVITE, 5));
}
