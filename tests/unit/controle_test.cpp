// The number-entry routine in every mode: which lines it takes, which it
// refuses (prompting again), and the values it leaves behind.
#include <gtest/gtest.h>

#include <string>

#include "controle.h"
#include "dialogue.h"
#include "table.h"

namespace {

const std::string INV = "? ";

// Runs controle on `lignes` as standard input and returns how many times
// the prompt was written (one per line read, the accepted one included).
int essais(int mode, const std::string& lignes)
{
    const std::string s = dialogue(lignes, [mode] { controle(mode, INV); });
    int n = 0;
    for (std::size_t p = 0; (p = s.find(INV, p)) != std::string::npos; p += INV.size()) ++n;
    EXPECT_EQ(s.size(), static_cast<std::size_t>(n) * INV.size()) << "rien d'autre que l'invite";
    return n;
}

// The value mode m gives to a line accepted at the first try.
std::int64_t val64(int mode, const std::string& ligne)
{
    EXPECT_EQ(essais(mode, ligne + "\n"), 1) << ligne;
    return valeur;
}

// True when the line is refused: a sentinel line accepted on the next try.
bool refusee(int mode, const std::string& ligne, const std::string& sentinelle = "7")
{
    return essais(mode, ligne + "\n" + sentinelle + "\n") == 2;
}

}  // namespace

TEST(Valtest, Caracteres)
{
    EXPECT_EQ(valtest('7'), 1);
    EXPECT_EQ(valtest1, 7);
    EXPECT_EQ(valtest('+'), 1);
    EXPECT_EQ(valtest1, 1);
    EXPECT_EQ(valtest('-'), 1);
    EXPECT_EQ(valtest1, -1);
    EXPECT_EQ(valtest('a'), 0);
    EXPECT_EQ(valtest1, 0);
}

TEST(ModesTouche, ClesAccepteesEtRefusees)
{
    struct { int mode; const char* cles; } modes[] = {
        {1, "01"}, {2, "12"}, {3, "012"}, {6, "012345"}, {8, "012345"}, {10, "0123"}};
    for (auto m : modes) {
        for (char c = '0'; c <= '9'; ++c) {
            const bool cle = std::string(m.cles).find(c) != std::string::npos;
            const std::string sentinelle(1, m.cles[0]);
            EXPECT_EQ(refusee(m.mode, std::string(1, c), sentinelle), !cle) << m.mode << c;
            if (cle) {
                essais(m.mode, std::string(1, c) + "\n");
                EXPECT_EQ(valeur2, c - '0');
            }
        }
        for (const char* l : {"", "01", " 1", "1 ", "+", "+1", "-1", "a", "*", "="})
            EXPECT_TRUE(refusee(m.mode, l, std::string(1, m.cles[0]))) << m.mode << "[" << l << "]";
    }
}

TEST(ModesNonSignes, SyntaxeEtValeurs)
{
    for (int mode : {4, 11}) {
        xn = 0;
        EXPECT_EQ(val64(mode, "0"), 0);
        EXPECT_EQ(val64(mode, "+5"), 5);
        EXPECT_EQ(val64(mode, "+50"), 50);
        EXPECT_EQ(val64(mode, "120"), 120);
        EXPECT_EQ(val64(mode, "9223372036854775807"), INT64_MAX);
        for (const char* l : {"", "01", " 1", "1 ", "+", "+0", "+05", "-0", "-5", "5-", "--5",
                              "-+5", "12a", "*", "=5", "9223372036854775808",
                              "99999999999999999999999"})
            EXPECT_TRUE(refusee(mode, l)) << mode << "[" << l << "]";
        xn = 1;
        EXPECT_TRUE(refusee(mode, "0"));
        EXPECT_EQ(essais(mode, "x\n7\n"), 2);
        EXPECT_EQ(valeur, 7);
        xn = 0;
    }
}

TEST(ModeNeuf, GrandsEntiers)
{
    xn = 0;
    EXPECT_EQ(essais(9, "0\n"), 1);
    EXPECT_EQ(valeur0, 0);
    const std::string trente = "123456789012345678901234567890";
    EXPECT_EQ(essais(9, trente + "\n"), 1);
    EXPECT_EQ(valeur0, NTL::conv<NTL::ZZ>(trente.c_str()));
    EXPECT_EQ(essais(9, "+9223372036854775808\n"), 1);
    EXPECT_EQ(valeur0, NTL::conv<NTL::ZZ>("9223372036854775808"));
    const std::string long4096 = "1" + std::string(4095, '0');
    EXPECT_EQ(essais(9, long4096 + "\n"), 1);
    EXPECT_EQ(valeur0, NTL::power(NTL::ZZ(10), 4095));
    EXPECT_TRUE(refusee(9, long4096 + "0"));
    for (const char* l : {"01", "+", "+0", "-5", " 1", "1 ", "1e5"}) EXPECT_TRUE(refusee(9, l)) << l;
    xn = 1;
    EXPECT_TRUE(refusee(9, "0"));
    xn = 0;
}

TEST(ModesSignes, SyntaxeEtBornes)
{
    amorce();
    for (int mode : {5, 7}) {
        xn = 1;  // no effect on the signed modes
        EXPECT_EQ(val64(mode, "0"), 0);
        xn = 0;
        EXPECT_EQ(val64(mode, "-5"), -5);
        EXPECT_EQ(val64(mode, "-120"), -120);
        EXPECT_EQ(val64(mode, "+5"), 5);
        EXPECT_EQ(val64(mode, "9223372036854775807"), INT64_MAX);
        EXPECT_EQ(val64(mode, "-9223372036854775808"), INT64_MIN);
        for (const char* l : {"+", "-", "-0", "+0", "01", "-05", "5-", "--5", "-+5", "12a",
                              "9223372036854775808", "-9223372036854775809", "*", "**"})
            EXPECT_TRUE(refusee(mode, l)) << mode << "[" << l << "]";
    }
    EXPECT_TRUE(refusee(5, "=5"));
}

TEST(ModeSept, CommandesEgalEtEtoile)
{
    amorce();
    un = 0;
    EXPECT_EQ(val64(7, "=5"), 5);
    EXPECT_EQ(un, 1);
    un = 0;
    EXPECT_EQ(val64(7, "=-5"), -5);
    EXPECT_EQ(un, 1);
    un = 0;
    EXPECT_EQ(val64(7, "=+5"), 5);
    EXPECT_EQ(un, 1);
    un = 0;
    EXPECT_EQ(val64(7, "=0"), 0);
    EXPECT_EQ(un, 1);
    un = 0;
    for (const char* l : {"==5", "=", "=*", "= 5", "=x"}) {
        EXPECT_TRUE(refusee(7, l)) << l;
        EXPECT_EQ(un, 0) << "une ligne refusee ne laisse pas de \"=\" : " << l;
    }

    // "*" is a command only once the table is past its seed.
    EXPECT_TRUE(refusee(7, "*"));
    EXPECT_EQ(voir, 0);
    Suiv();
    EXPECT_EQ(essais(7, "*\n"), 1);
    EXPECT_EQ(voir, 1);
    for (const char* l : {"**", "*5", " *", "=*"}) EXPECT_TRUE(refusee(7, l)) << l;
    EXPECT_EQ(voir, 0);
}

TEST(ModesInconnus, NiEcritureNiLecture)
{
    EXPECT_EQ(essais(0, "5\n"), 0);
    EXPECT_EQ(essais(12, "5\n"), 0);
}

TEST(FinDesEntrees, TermineAvecStatutUn)
{
    EXPECT_EXIT(
        {
            essais(6, "");
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EXIT(
        {
            essais(4, "x\n");
        },
        ::testing::ExitedWithCode(1), "");
}
