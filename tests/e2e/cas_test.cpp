// The runner of the end-to-end tests, and the transcripts: on cas/NAME.entree
// the program must write cas/NAME.sortie byte for byte (a run checked by hand),
// nothing on standard error (where the sanitizers report), and end with 1.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "harness.h"

std::string lit(const std::string& fichier)
{
    std::ostringstream s;
    s << std::ifstream(fichier, std::ios::binary).rdbuf();
    return s.str();
}

// The input goes down a pipe; timeout kills the program past its time. A
// runaway table fails at once on a memory bound: on the address space, or
// under ASan (which reserves far more) on the resident memory.
Session lance(const std::string& entree, int delai_s)
{
#ifdef __SANITIZE_ADDRESS__
    const std::string limite = "export ASAN_OPTIONS=$ASAN_OPTIONS:hard_rss_limit_mb=1024; ";
#else
    const std::string limite = "ulimit -v 1048576; ";
#endif
    const std::string f = "/tmp/premiers-e2e-" + std::to_string(getpid());
    FILE* tube = popen((limite + "timeout -s KILL " + std::to_string(delai_s) + " '" PREMIERS_EXE "' >" + f +
                        ".sortie 2>" + f + ".erreurs").c_str(), "w");
    const auto sigpipe = signal(SIGPIPE, SIG_IGN);  // the program may stop reading early
    std::fwrite(entree.data(), 1, entree.size(), tube);
    const int st = pclose(tube);
    signal(SIGPIPE, sigpipe);  // as it was for the next program
    const Session s{lit(f + ".sortie"), lit(f + ".erreurs"), WIFEXITED(st) ? WEXITSTATUS(st) : -1};
    for (const char* suffixe : {".sortie", ".erreurs"}) std::remove((f + suffixe).c_str());
    return s;
}

class Transcription : public ::testing::TestWithParam<std::string> {};

TEST_P(Transcription, OctetParOctet)
{
    const std::string nom = std::string(CAS) + "/" + GetParam(), attendu = lit(nom + ".sortie");
    const Session s = lance(lit(nom + ".entree"));
    std::size_t i = 0;  // the first difference, shown with what surrounds it
    while (i < s.sortie.size() && i < attendu.size() && s.sortie[i] == attendu[i]) ++i;
    const std::size_t debut = i - std::min<std::size_t>(i, 300);
    EXPECT_EQ(s.sortie.substr(debut, 600), attendu.substr(debut, 600)) << "premier ecart a l'octet " << i;
    EXPECT_TRUE(s.statut == 1 && s.erreurs.empty()) << "statut " << s.statut << "\n" << s.erreurs;
}

INSTANTIATE_TEST_SUITE_P(Cas, Transcription, ::testing::ValuesIn([] {
                             std::vector<std::string> noms;  // every cas/NAME.entree
                             for (const auto& f : std::filesystem::directory_iterator(CAS))
                                 if (f.path().extension() == ".entree") noms.push_back(f.path().stem());
                             return noms;
                         }()), [](const auto& info) { return info.param; });
