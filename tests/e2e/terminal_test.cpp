// The program at a terminal: a pseudo-terminal in canonical mode, like a
// console, answered only once each prompt is on screen (the program drops
// what was typed ahead). Echo and the output's "\r\n" are turned off, so the
// screen holds the program's own bytes. Standard input or output may be
// elsewhere (a pipe, a file): the terminal rules follow standard input, the
// output at once follows standard output.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utmp.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "harness.h"

namespace {

using std::chrono::steady_clock;

struct Options {
    const char* script = nullptr;  // standard input: this on a pipe, not the terminal
    bool sortie_fichier = false;   // standard output: a file, not the terminal
    bool non_bloquant = false;     // the terminal in O_NONBLOCK
    bool sans_sighup = false;      // SIGHUP ignored, as under nohup
};

struct Terminal {
    int maitre = -1, esclave = -1;
    pid_t pid = -1;
    std::string ecran;  // what the program wrote to its standard output so far
    const std::string fichier = "/tmp/premiers-terminal-" + std::to_string(getpid());
    Options o;

    explicit Terminal(Options opt = {}) : o(opt)
    {
        if (openpty(&maitre, &esclave, nullptr, nullptr, nullptr) != 0) return;
        termios t{};
        tcgetattr(esclave, &t);
        t.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
        tcsetattr(esclave, TCSANOW, &t);
        int tube[2] = {-1, -1};
        if (o.script && pipe(tube) != 0) return;
        if ((pid = fork()) == 0) {
            close(maitre);  // else the terminal outlives the test's end of it
            login_tty(esclave);
            if (o.script) dup2(tube[0], 0), close(tube[0]), close(tube[1]);
            const auto vers = [this](const char* suffixe, int fd) {
                const int f = open((fichier + suffixe).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
                dup2(f, fd), close(f);
            };
            if (o.sortie_fichier) vers(".sortie", 1);
            vers(".erreurs", 2);
            if (o.non_bloquant) fcntl(1, F_SETFL, fcntl(1, F_GETFL) | O_NONBLOCK);
            if (o.sans_sighup) signal(SIGHUP, SIG_IGN);
            execl(PREMIERS_EXE, PREMIERS_EXE, static_cast<char*>(nullptr));
            _exit(127);
        }
        close(esclave);
        if (o.script) {
            close(tube[0]);
            EXPECT_EQ(write(tube[1], o.script, strlen(o.script)), static_cast<ssize_t>(strlen(o.script)));
            close(tube[1]);
        }
    }
    ~Terminal()
    {
        if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0) kill(pid, SIGKILL), waitpid(pid, nullptr, 0);
        if (maitre >= 0) close(maitre);
        for (const char* suffixe : {".sortie", ".erreurs"}) std::remove((fichier + suffixe).c_str());
    }

    // Reads the screen (or the output file) until texte shows after position
    // depuis; the moment it showed, or ten seconds on when it never does.
    steady_clock::time_point attend(const std::string& texte, std::size_t depuis = 0)
    {
        const auto limite = steady_clock::now() + std::chrono::seconds(10);
        char b[65536];
        while (ecran.find(texte, depuis) == std::string::npos && steady_clock::now() < limite) {
            pollfd p{maitre, POLLIN, 0};
            const bool pret = poll(&p, 1, 50) > 0;  // for a file, only the pause between reads
            if (o.sortie_fichier) {
                ecran = lit(fichier + ".sortie");
                continue;
            }
            const ssize_t n = pret ? read(maitre, b, sizeof b) : 0;
            if (n < 0) break;  // the program has gone
            ecran.append(b, static_cast<std::size_t>(n));
        }
        EXPECT_NE(ecran.find(texte, depuis), std::string::npos) << texte;
        return steady_clock::now();
    }

    // Types ligne once the prompt is on screen after position depuis.
    void repond(const std::string& invite, const std::string& ligne, std::size_t depuis = 0)
    {
        attend(invite, depuis);
        tape(ligne + "\n");
    }
    void tape(const std::string& l) { EXPECT_EQ(write(maitre, l.data(), l.size()), static_cast<ssize_t>(l.size())); }

    // The exit status, once the program has ended, and its standard error.
    std::pair<int, std::string> fin()
    {
        int statut = 0;
        EXPECT_EQ(waitpid(pid, &statut, 0), pid);
        return {WIFEXITED(statut) ? WEXITSTATUS(statut) : 128 + WTERMSIG(statut), lit(fichier + ".erreurs")};
    }
};

const std::string CHOIX = "\n \n \n \t Quel est votre choix ? : ";
const std::string N = " \n \n \n \t N ? : ";

}  // namespace

TEST(Terminal, LesPremiersSAffichentAuFurEtAMesure)
{
    Terminal t;
    if (t.pid < 0) GTEST_SKIP() << "no pseudo-terminal on this machine";
    t.repond(CHOIX, "3");
    t.repond("Limite inferieure ? : ", "1000000000000000");
    t.repond("Limite superieure ? : ", "1000000000010000");
    t.repond("Toute la liste : ? ", "0");
    const std::size_t apres = t.ecran.size();
    const auto entete = t.attend("Entre ces limites, les nombres premiers sont : ", apres);
    const auto premier = t.attend(" 1000000000000037 , ", apres);
    const auto effectif = t.attend("  Il y a  263  nombres premiers entre ces limites.", apres);
    // The search takes about a second here; in blocks, all would show at its end.
    EXPECT_GT(effectif - entete, std::chrono::milliseconds(200));
    EXPECT_GT(effectif - premier, std::chrono::milliseconds(200));
    t.repond(CHOIX, "0", apres);
    EXPECT_EQ(t.fin(), std::pair(1, std::string()));
}

TEST(Terminal, UneLigneCoupeeParLeTerminalEstRefusee)
{
    // The terminal keeps 4095 characters of a line and drops the rest: such
    // a line is refused, while one character less is read whole.
    Terminal t;
    if (t.pid < 0) GTEST_SKIP() << "no pseudo-terminal on this machine";
    t.repond(CHOIX, "1");
    for (const std::string& l : {"1" + std::string(4200, '0') + "abc", "1" + std::string(4094, '0')}) {
        t.repond(N, l, t.ecran.size() - N.size());
        const std::size_t apres = t.ecran.size();
        t.attend(" : ", apres);
        ASSERT_EQ(t.ecran.substr(apres), N);
    }
    t.repond(N, "1" + std::string(4093, '0'), t.ecran.size() - N.size());
    t.attend("=  (2)^4093 X (5)^4093");
}

TEST(Terminal, LesReglesSuiventLEntreeStandard)
{
    {
        // A script piped in, the output at a terminal: every line is
        // answered, and the screen gets the bytes a pipe would.
        const char* script = "1\n360\n1\n1001\n0\n2\n3\n0\n0\n";
        Terminal t({script});
        if (t.pid < 0) GTEST_SKIP() << "no pseudo-terminal on this machine";
        const Session tube = lance(script);
        t.attend(tube.sortie);
        EXPECT_EQ(t.ecran, tube.sortie);
        EXPECT_EQ(t.fin(), std::pair(1, std::string()));
    }
    // Typed at a terminal, the output to a file: what was typed ahead is
    // dropped, and a line the terminal cut is refused.
    Terminal t({nullptr, true});
    t.attend(CHOIX);
    t.tape("1\n360\n");
    t.repond(N, "1" + std::string(4094, '0'));
    t.repond(N, "12", t.ecran.find(N) + 1);
    t.repond("Non [0] : ", "0");
    t.repond(CHOIX, "0", t.ecran.rfind("Non [0] : "));
    EXPECT_EQ(t.fin(), std::pair(1, std::string()));
    const std::string attendu = N + N + " \n \n \t 12 =  (2)^2 X (3)\n \n \t Nouvelle";
    EXPECT_EQ(t.ecran.substr(t.ecran.find(N), attendu.size()), attendu);
}

// A write that fails at a terminal ends the run as into a pipe: status 4
// and one line of French, whether nobody reads the terminal or it is gone.
TEST(Terminal, EcritureImpossible)
{
    {
        Terminal t({"3\n1\n1000000\n0\n0\n0\n", false, true});
        if (t.pid < 0) GTEST_SKIP() << "no pseudo-terminal on this machine";
        EXPECT_EQ(t.fin(), std::pair(4, ECRITURE));
    }
    Terminal t({nullptr, false, false, true});
    t.repond(CHOIX, "3");
    t.repond("Limite inferieure ? : ", "1");
    t.repond("Limite superieure ? : ", "100000000000");
    t.repond("Toute la liste : ? ", "0");
    t.attend(" 7919 , ");
    close(t.maitre);
    t.maitre = -1;
    EXPECT_EQ(t.fin(), std::pair(4, ECRITURE));
}
