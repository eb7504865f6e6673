// Runs pieces of the program in-process: controle reads a scripted input from
// a memory file, and what goes to std::cout is captured. At the end of the
// input the program stops, as on a real end of input.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <functional>
#include <iostream>
#include <sstream>

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
