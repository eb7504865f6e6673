// Entry point: seeds the prime table, then runs the main menu until the
// choice 0, which ends the program with status 1. Choice 5 shows the
// explanations screen. A failure that ends the run early (a table past
// 2^63 - 1, no memory left, output that cannot be written, input that cannot
// be read) is told in one line on standard error, with a status of its own.
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <new>
#include <streambuf>
#include <string>

#include <NTL/tools.h>

#include "controle.h"
#include "operations.h"
#include "table.h"

namespace {

// Standard output at a terminal: no buffer, each piece of text written the
// moment it is given, so that it is on screen at once. A write that fails
// fails the output operation itself, which then throws like any other lost
// write (unitbuf would flush in the sentry's destructor, where an exception
// cannot leave and ends the run in std::terminate).
class SortieDirecte : public std::streambuf {
public:
    explicit SortieDirecte(int fd) : fd_(fd) {}

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        std::streamsize ecrits = 0;
        while (ecrits < n) {
            const ssize_t k = ::write(fd_, s + ecrits, static_cast<std::size_t>(n - ecrits));
            if (k < 0 && errno == EINTR) continue;
            if (k <= 0) break;  // EAGAIN included: nobody reads a full terminal
            ecrits += k;
        }
        return ecrits;
    }

    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        const char octet = traits_type::to_char_type(c);
        return xsputn(&octet, 1) == 1 ? c : traits_type::eof();
    }

private:
    int fd_;
};

void affiche_menu()
{
    const std::string soulignes(107, '_');
    const std::string etoiles(107, '*');
    std::cout << " \n   POUR MODIFIER LA TAILLE DU TEXTE ET DE LA FENETRE : [TOUCHE CTRL] + [MOLETTE DE LA SOURIS]. \n "
              << "\n" << soulignes << "\n"
              << etoiles << "\n"
              << " \n  \t  *****  CALCUL DE NOMBRES PREMIERS  ***** : "
              << "\n \n \t Que voulez-vous faire ? : \n "
              << "\n \n \t \t [1] - Decomposer un nombre en facteurs premiers ? "
              << "\n \n \t \t [2] - Lister les nombres premiers avec leurs rangs ? "
              << "\n \n \t \t [3] - Afficher les nombres premiers compris entre deux bornes (sans leurs rangs) ? "
              << "\n \n \t \t [4] - Concatenation de nombres premiers ? "
              << "\n \n \t \t [5] - Afficher des explications ? "
              << "\n \n \t \t [0] - Fermer le programme ? ";
}

void explications()
{
    std::cout
        << " \n \n \t  NOMBRES PREMIERS : "
        << " \n \n \t  La taille des nombres premiers est limitee a  (2^63 - 1), soit environ 9 milliards de milliards. "
        << " \n \n \t  Quand un nombre premier est affiche, il l'est apres son rang. Tous les precedents ont ete calcules et memorises. "
        << " \n \t  Ils sont memorises en memore vive depuis le lancement d'un des deux programmes : Decomposition ou Liste. "
        << " \n \t  A la fermeture du programme principal, la liste des nombres premiers memorises est effacee. "
        << " \n  \t  Cette version ne met que quelques secondes pour calculer et memoriser les nombres premiers jusqu'aux millioniemes. "
        << " \n  \t  Pour aller jusqu'au dix millionieme il faut 6 mn et 3 heures pour le cent millionieme. "
        << " \n  \t  Pour ces tres longs calculs, d'autres versions de ce programme, qui lisent des fichiers de nombres premiers enregistres a l'avance, conviennent mieux. "
        << " \n  \n \t  Une option permet d'afficher rapidement tous les nombres premiers entre deux bornes, mais sans leurs rangs."
        << " \n  \t  Dans ce cas, pour afficher les rangs, il faut se servir de 'lister les nombres premiers'. "
        << " \n  \n \t  Lancer 'lister les nombres premiers' pour voir les details du fonctionement. "
        << " \n \n \n \t  DECOMPOSITION EN FACTEURS PREMIERS : "
        << " \n  \n \t  En entree, un nombre N entier positif quelconque convient meme superieur a (2^63 - 1). "
        << " \n  \t  Ces programmes utilisent la librairie NTL du C++. Cela permet de factoriser des nombres superieurs a (2^63 - 1). "
        << " \n  \t  Neanmoins les facteurs premiers doivent etre inferieurs a (2^63 - 1). "
        << " \n  \t  Apres calculs, le logiciel affiche sa decomposition avec la puissance de chaque facteur. "
        << " \n  \t  Si cette decomposition comprend des nombres premiers tres grands, le calcul peut-etre long, voir tres long ! "
        << " \n  \n  \t  Les nombres premiers calcules a chaque etape, restent memorises et servent pour la suite du deroulement du programme. "
        << " \n \n \n \t  NOMBRES PREMIERS JUMEAUX et GENERALISATION: "
        << " \n \n \t  On peut afficher parmi les nombres deja calcules, tous les couples de nombres jumeaux ou ceux ayant un ecart choisi."
        << " \n \n \n \t  CONCATENATION DE NOMBRES PREMIERS : "
        << " \n \n \t  Cette option permet de determiner si un nombre est la concatenation de nombres premiers et d'afficher toutes les possibilites."
        << " \n \t  Elle permet egalement de determiner tous les nombres de ce type entre 2 valeurs."
        << " \n \t  On peut aussi determiner uniquement les nombres premiers de ce type entre 2 bornes. \n \n"
        << std::endl
        << " \t  *****  FIN DES EXPLICATIONS, RETOUR AU MENU PRINCIPAL.  ***** " << std::endl
        << std::endl;
}

// Exit statuses of the failures; 1 is a normal end.
constexpr int TABLE_DEPASSEE = 2;
constexpr int MEMOIRE_EPUISEE = 3;
constexpr int ECRITURE_IMPOSSIBLE = 4;
constexpr int LECTURE_IMPOSSIBLE = 5;
const char* const MEMOIRE = "memoire insuffisante, calcul abandonne.";

int echec(const char* texte, int statut)
{
    // What is left to write goes first, if it can; it may fail quietly now.
    std::cout.exceptions(std::ios::goodbit);
    std::cout.flush();
    std::cerr << "premiers : " << texte << std::endl;
    return statut;
}

// NTL cannot throw here (built without exceptions) and aborts after this
// call: out of memory, stop first with our own message.
void erreur_ntl(const char* texte)
{
    if (std::strcmp(texte, "out of memory") == 0) std::_Exit(echec(MEMOIRE, MEMOIRE_EPUISEE));
    std::cerr << "premiers : erreur de NTL : " << texte << std::endl;
}

void menu_principal()
{
    int choix = 10;
    while (choix != 0) {
        affiche_menu();
        controle(6, "\n \n \n \t Quel est votre choix ? : ");
        choix = valeur2;
        if (choix == 2) premier();
        if (choix == 1) decomp();
        if (choix == 4) concat();
        if (choix == 3) liste();
        if (choix == 5) explications();
    }
    std::cout.flush();
}

}  // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    // A failed write throws: nothing is computed for output that is lost.
    std::cout.exceptions(std::ios::badbit);
    // At a terminal each text shows the moment it is written; into a pipe
    // or a file the output stays in blocks, for speed. Never destroyed:
    // std::cout is flushed after every static object is gone.
    if (::isatty(STDOUT_FILENO)) {
        static SortieDirecte* const terminal = new SortieDirecte(STDOUT_FILENO);
        std::cout.rdbuf(terminal);
    }
    NTL::ErrorMsgCallback = erreur_ntl;

    try {
        amorce();
        menu_principal();
    } catch (const std::bad_alloc&) {
        return echec(MEMOIRE, MEMOIRE_EPUISEE);
    } catch (const TableDepassee&) {
        return echec("la table depasserait 2^63 - 1, calcul impossible.", TABLE_DEPASSEE);
    } catch (const ErreurLecture&) {
        return echec("lecture impossible sur l'entree standard.", LECTURE_IMPOSSIBLE);
    } catch (const std::exception&) {
        // The library's type for a failed write depends on its ABI: tell
        // it by the state of the stream.
        if (!std::cout.bad()) throw;
        return echec("ecriture impossible sur la sortie standard.", ECRITURE_IMPOSSIBLE);
    }
    return 1;
}
