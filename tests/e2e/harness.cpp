// Process runner for the end-to-end tests: the input on a pipe, written by
// a thread; standard output and error into temporary files; a time limit.
#include "harness.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>

const std::string INVITE = "\n \n \n \t Quel est votre choix ? : ";
const std::string FIN_ENTREE = "\n";
const std::string INF = "\n \t Limite inferieure ? : ", SUP = "\n \t Limite superieure ? : ";
const std::string MENU =
    " \n   POUR MODIFIER LA TAILLE DU TEXTE ET DE LA FENETRE : [TOUCHE CTRL] + [MOLETTE DE LA SOURIS]. \n "
    "\n" + std::string(107, '_') + "\n" + std::string(107, '*') + "\n"
    " \n  \t  *****  CALCUL DE NOMBRES PREMIERS  ***** : "
    "\n \n \t Que voulez-vous faire ? : \n "
    "\n \n \t \t [1] - Decomposer un nombre en facteurs premiers ? "
    "\n \n \t \t [2] - Lister les nombres premiers avec leurs rangs ? "
    "\n \n \t \t [3] - Afficher les nombres premiers compris entre deux bornes (sans leurs rangs) ? "
    "\n \n \t \t [4] - Concatenation de nombres premiers ? "
    "\n \n \t \t [5] - Afficher des explications ? "
    "\n \n \t \t [0] - Fermer le programme ? " + INVITE;

Session lance(const std::string& entree, int delai_s)
{
    int in[2];
    FILE* out = std::tmpfile();
    FILE* err = std::tmpfile();
    if (!out || !err || pipe(in) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(fileno(out), 1);
        dup2(fileno(err), 2);
        close(in[0]);
        close(in[1]);
        execl(PREMIERS_EXE, PREMIERS_EXE, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    // The program may stop reading early (EPIPE) or stall on a full pipe.
    signal(SIGPIPE, SIG_IGN);
    std::thread ecrivain([fd = in[1], &entree] {
        for (std::size_t fait = 0; fait < entree.size();) {
            const ssize_t n = write(fd, entree.data() + fait, entree.size() - fait);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            fait += static_cast<std::size_t>(n);
        }
        close(fd);
    });
    int st = 0;
    bool tue = false;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(delai_s);
    while (waitpid(pid, &st, WNOHANG) == 0 && !(tue = std::chrono::steady_clock::now() > limite))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (tue) kill(pid, SIGKILL), waitpid(pid, &st, 0);
    ecrivain.join();
    Session s{"", "", !tue && WIFEXITED(st) ? WEXITSTATUS(st) : -1};
    char buf[65536];
    for (auto [f, texte] : {std::pair{out, &s.sortie}, {err, &s.erreurs}}) {
        std::rewind(f);
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) texte->append(buf, n);
        std::fclose(f);
    }
    return s;
}

void attendu(const std::string& entree, const std::string& sortie)
{
    const Session s = lance(entree);
    EXPECT_EQ(s.sortie, sortie) << "entree : " << entree.substr(0, 300);
    EXPECT_EQ(s.statut, 1);
    EXPECT_EQ(s.erreurs, "");
}
