// The program at a terminal: a pseudo-terminal in canonical mode, like a
// console, answered only once each prompt is on screen (the program drops
// what was typed ahead). Echo and the output's "\r\n" are turned off, so the
// screen holds the program's own bytes.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utmp.h>

#include <chrono>
#include <string>

namespace {

using std::chrono::steady_clock;

struct Terminal {
    int maitre = -1, esclave = -1;
    pid_t pid = -1;
    std::string ecran;

    Terminal()
    {
        if (openpty(&maitre, &esclave, nullptr, nullptr, nullptr) != 0) return;
        termios t{};
        tcgetattr(esclave, &t);
        t.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
        tcsetattr(esclave, TCSANOW, &t);
        if ((pid = fork()) == 0) {
            login_tty(esclave);
            execl(PREMIERS_EXE, PREMIERS_EXE, static_cast<char*>(nullptr));
            _exit(127);
        }
        close(esclave);
    }
    ~Terminal()
    {
        if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0) kill(pid, SIGKILL), waitpid(pid, nullptr, 0);
        close(maitre);
    }

    // Reads the screen until texte shows after position depuis; the moment
    // it showed, or a minute on when it never does.
    steady_clock::time_point attend(const std::string& texte, std::size_t depuis = 0)
    {
        const auto limite = steady_clock::now() + std::chrono::seconds(60);
        char b[65536];
        while (ecran.find(texte, depuis) == std::string::npos && steady_clock::now() < limite) {
            pollfd p{maitre, POLLIN, 0};
            const ssize_t n = poll(&p, 1, 50) > 0 ? read(maitre, b, sizeof b) : 0;
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
        const std::string l = ligne + "\n";
        EXPECT_EQ(write(maitre, l.data(), l.size()), static_cast<ssize_t>(l.size()));
    }
};

const std::string CHOIX = "\n \n \n \t Quel est votre choix ? : ";

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
    int statut = 0;
    ASSERT_EQ(waitpid(t.pid, &statut, 0), t.pid);
    EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 1);
}

TEST(Terminal, UneLigneCoupeeParLeTerminalEstRefusee)
{
    // The terminal keeps 4095 characters of a line and drops the rest: such
    // a line is refused, while one character less is read whole.
    const std::string N = " \n \n \n \t N ? : ";
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
