// In-process dialogue runner: the input goes through a temporary file (no
// pipe-size limit), standard output through a string stream.
#include "dialogue.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <sstream>

#include "controle.h"

std::string dialogue(const std::string& entree, const std::function<void()>& f)
{
    char nom[] = "/tmp/premiers-dialogue-XXXXXX";
    const int fd = mkstemp(nom);
    if (fd < 0) std::abort();
    unlink(nom);
    if (write(fd, entree.data(), entree.size()) != static_cast<ssize_t>(entree.size())) std::abort();
    lseek(fd, 0, SEEK_SET);
    controle_lire_depuis(fd);

    std::ostringstream capture;
    auto* ancien = std::cout.rdbuf(capture.rdbuf());
    f();
    std::cout.rdbuf(ancien);
    close(fd);
    return capture.str();
}
