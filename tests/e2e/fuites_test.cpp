// The sanitizer build must report a leak: a process built and run like the
// program (same flags, same environment, ending by exit(1) as it does) that
// loses memory writes a report on standard error, which every end-to-end
// test finds not empty. Its status stays 1 unless ASAN_OPTIONS sets another
// exit code, as scripts/test.sh --sanitize does.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool ASAN = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool ASAN = true;
#else
constexpr bool ASAN = false;
#endif
#else
constexpr bool ASAN = false;
#endif

void* volatile perdu;

[[gnu::noinline]] void perd()
{
    for (int k = 0; k < 16; ++k) perdu = std::malloc(1000);
    perdu = nullptr;
}

}  // namespace

TEST(Fuites, UneFuiteEstSignalee)
{
    if (!ASAN) GTEST_SKIP() << "build sans AddressSanitizer";
    int err[2];
    ASSERT_EQ(pipe(err), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(err[1], 2);
        close(err[0]);
        close(err[1]);
        perd();
        std::exit(1);
    }
    close(err[1]);
    std::string erreurs;
    char buf[4096];
    for (ssize_t n; (n = read(err[0], buf, sizeof buf)) > 0;) erreurs.append(buf, static_cast<std::size_t>(n));
    close(err[0]);
    int st = 0;
    waitpid(pid, &st, 0);
    ASSERT_TRUE(WIFEXITED(st));
    EXPECT_NE(erreurs.find("LeakSanitizer"), std::string::npos) << erreurs;
    const char* options = std::getenv("ASAN_OPTIONS");
    if (options && std::string(options).find("exitcode=86") != std::string::npos) {
        EXPECT_EQ(WEXITSTATUS(st), 86);
    }
}
