// Process runner for the end-to-end tests: fork, exec, pipes, timeout.
#include "harness.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

const std::string INVITE = "\n \n \n \t Quel est votre choix ? : ";
const std::string FIN_ENTREE = "\n";

std::string menu()
{
    return " \n   POUR MODIFIER LA TAILLE DU TEXTE ET DE LA FENETRE : [TOUCHE CTRL] + [MOLETTE DE LA SOURIS]. \n "
           "\n" + std::string(107, '_') + "\n" + std::string(107, '*') + "\n"
           " \n  \t  *****  CALCUL DE NOMBRES PREMIERS  ***** : "
           "\n \n \t Que voulez-vous faire ? : \n "
           "\n \n \t \t [1] - Decomposer un nombre en facteurs premiers ? "
           "\n \n \t \t [2] - Lister les nombres premiers avec leurs rangs ? "
           "\n \n \t \t [3] - Afficher les nombres premiers compris entre deux bornes (sans leurs rangs) ? "
           "\n \n \t \t [4] - Concatenation de nombres premiers ? "
           "\n \n \t \t [5] - Afficher des explications ? "
           "\n \n \t \t [0] - Fermer le programme ? " + INVITE;
}

Session lance(const std::string& entree, int delai_s)
{
    int in[2], out[2], err[2];
    if (pipe(in) || pipe(out) || pipe(err)) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
        execl(PREMIERS_EXE, PREMIERS_EXE, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);

    // The writer may block on a full pipe while the program is busy; give
    // it its own thread. A program that exits early makes it see EPIPE.
    signal(SIGPIPE, SIG_IGN);
    std::thread ecrivain([fd = in[1], &entree] {
        std::size_t fait = 0;
        while (fait < entree.size()) {
            const ssize_t n = write(fd, entree.data() + fait, entree.size() - fait);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            fait += static_cast<std::size_t>(n);
        }
        close(fd);
    });

    Session s;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(delai_s);
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    int ouverts = 2;
    bool tue = false;
    char buf[65536];
    while (ouverts > 0) {
        const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(
            limite - std::chrono::steady_clock::now()).count();
        if (reste <= 0) {
            kill(pid, SIGKILL);
            tue = true;
            break;
        }
        if (poll(fds, 2, static_cast<int>(reste)) < 0 && errno != EINTR) break;
        for (int k = 0; k < 2; ++k) {
            if (fds[k].fd < 0 || !(fds[k].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            const ssize_t n = read(fds[k].fd, buf, sizeof buf);
            if (n > 0) {
                (k == 0 ? s.sortie : s.erreurs).append(buf, static_cast<std::size_t>(n));
            } else {
                close(fds[k].fd);
                fds[k].fd = -1;
                --ouverts;
            }
        }
    }
    for (auto& f : fds)
        if (f.fd >= 0) close(f.fd);
    int st = 0;
    waitpid(pid, &st, 0);
    ecrivain.join();
    s.statut = (!tue && WIFEXITED(st)) ? WEXITSTATUS(st) : -1;
    return s;
}
