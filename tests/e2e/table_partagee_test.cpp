// The prime table outlives each operation: what one leaves behind is what
// the listing with ranks shows next, from a fresh start each time.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

// The line of the listing's entry texts that names the table's last prime.
std::string dernier(const std::string& np, const std::string& p)
{
    return " \n \n \t  Le dernier nombre premier calcule est  :    [ " + np + " : " + p + " ] .";
}

void table_apres(const std::string& session, const std::string& np, const std::string& p)
{
    const Session s = lance(session + "2\n0\n0\n");
    EXPECT_NE(s.sortie.find(dernier(np, p)), std::string::npos) << session;
    EXPECT_EQ(s.statut, 1);
    EXPECT_EQ(s.erreurs, "");
}

}  // namespace

TEST(TablePartagee, ApresUneDecomposition)
{
    table_apres("", "2", "3");
    table_apres("1\n360\n0\n", "3", "5");
    table_apres("1\n12\n0\n", "2", "3");
    table_apres("1\n9\n0\n", "2", "3");
    table_apres("1\n97\n0\n", "5", "11");
    table_apres("1\n1\n0\n", "2", "3");
    table_apres("1\n20014\n0\n", "26", "101");
    table_apres("1\n25\n0\n", "3", "5");
    table_apres("1\n30030\n1\n12\n0\n", "6", "13");
    // Two calls: the second starts from what the first left.
    table_apres("1\n97\n0\n1\n25\n0\n", "5", "11");
}

TEST(TablePartagee, ApresLesAutresOperations)
{
    table_apres("3\n1\n100\n1\n", "5", "11");
    table_apres("3\n1\n100\n0\n", "5", "11");
    table_apres("2\n-100\n0\n", "26", "101");
    table_apres("4\n1\n1009\n0\n0\n", "12", "37");  // 1009 is divided by 37, the first prime above its root 31
    table_apres("4\n1\n24\n0\n0\n", "2", "3");      // 2, 24 and 4 need no prime beyond 3
    // The selections never extend the table.
    table_apres("2\n5\n*\n1\n7\n0\n0\n", "7", "17");
}
