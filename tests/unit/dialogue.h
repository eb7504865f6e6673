// Runs part of the program in-process on a scripted input: what controle
// reads comes from a memory file, what is written to std::cout is returned.
// At the end of the input the program stops, as on a real end of input.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>

#include "controle.h"

// Makes `e` what controle reads next (one memory file for the process).
inline void entree_de_controle(const std::string& e)
{
    static const int fd = memfd_create("entree", 0);
    if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, e.data(), e.size(), 0) != static_cast<ssize_t>(e.size()))
        std::abort();
    lseek(fd, 0, SEEK_SET);
    controle_lire_depuis(fd);
}

// What f writes to std::cout.
inline std::string capture(const std::function<void()>& f)
{
    std::ostringstream s;
    auto* ancien = std::cout.rdbuf(s.rdbuf());
    f();
    std::cout.rdbuf(ancien);
    return s.str();
}

inline std::string dialogue(const std::string& entree, const std::function<void()>& f)
{
    entree_de_controle(entree);
    return capture(f);
}
