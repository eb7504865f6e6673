// The sanitizer build must report a leak: a process built like the program
// and ending by exit(1) as it does, that loses memory, writes a report on
// standard error, which every end-to-end test requires empty; its status
// is then the one ASAN_OPTIONS sets (scripts/test.sh --sanitize: 86).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {
void* volatile perdu;
}

TEST(Fuites, UneFuiteEstSignalee)
{
#ifndef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "build sans AddressSanitizer";
#endif
    int err[2];
    ASSERT_EQ(pipe(err), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(err[1], 2);
        for (int k = 0; k < 16; ++k) perdu = std::malloc(1000);
        perdu = nullptr;
        std::exit(1);
    }
    close(err[1]);
    std::string erreurs;
    char buf[4096];
    for (ssize_t n; (n = read(err[0], buf, sizeof buf)) > 0;) erreurs.append(buf, static_cast<std::size_t>(n));
    close(err[0]);
    int st = 0;
    waitpid(pid, &st, 0);
    EXPECT_NE(erreurs.find("LeakSanitizer"), std::string::npos) << erreurs;
    const char* options = std::getenv("ASAN_OPTIONS");
    if (options && std::string(options).find("exitcode=86") != std::string::npos) { EXPECT_EQ(WEXITSTATUS(st), 86); }
}
