// The new procedure generator's steps over the working text.
#include "generators/NewProc.h"

#include <gtest/gtest.h>

namespace qm::generators {
namespace {

const NewProcLoad kLoad{"Author", "Date Created", "  Ann Smith  ", "3/7/2026"};

const std::string kTemplate = "Procedure ProcName()\n"
                              "' Author\n"
                              "' Date Created\n"
                              "End Procedure";

TEST(NewProc, LoadFillsAuthorDateAndSub)
{
    EXPECT_EQ(loadNewProcedure(kTemplate, kLoad), "Sub ProcName()\r\n"
                                                  "' Author Ann Smith\r\n"
                                                  "' Date Created 3/7/2026\r\n"
                                                  "End Sub\r\n");
}

TEST(NewProc, ProgrammerNameIsCutToThirtyCharacters)
{
    NewProcLoad load = kLoad;
    load.programmer = std::string(40, 'n');
    EXPECT_EQ(loadNewProcedure("Author", load), "Author " + std::string(30, 'n') + "\r\n");
}

TEST(NewProc, NameReplacesPlaceholderOnce)
{
    const std::string loaded = loadNewProcedure(kTemplate, kLoad);
    const std::string named = applyProcedureName(loaded, "  Total  ");
    EXPECT_EQ(named.substr(0, 16), "Sub Total()\r\n' A");
    EXPECT_EQ(applyProcedureName(named, "Other"), named);
    EXPECT_EQ(applyProcedureName(loaded, "   "), loaded);
    EXPECT_EQ(applyProcedureName("Sub X()\r\n", "Total"), "Sub X()\r\n");
}

TEST(NewProc, KindOptionsReplaceEveryOccurrence)
{
    const std::string in = "' Subtotal\r\nSub A()\r\nEnd Sub\r\n";
    EXPECT_EQ(applyFunctionKind(in), "' Functiontotal\r\nFunction A()\r\nEnd Function\r\n");
    EXPECT_EQ(applySubKind(applyFunctionKind(in)), in);
}

TEST(NewProc, ScopeOptions)
{
    struct Case
    {
        const char *in;
        std::string (*option)(std::string_view);
        const char *expected;
    };
    const Case cases[] = {
        {"Sub A()\r\nEnd Sub\r\n", applyPrivateScope, "Private Sub A()\r\nEnd Sub\r\n"},
        {"Private Sub A()\r\n", applyPublicScope, "Public Sub A()\r\n"},
        {"Public Sub A()\r\n", applyPrivateScope, "Private Sub A()\r\n"},
        // "sub " in the comment comes first, letter case ignored.
        {"' a sub for x\r\nFunction A()\r\n", applyPrivateScope,
         "' a Private sub for x\r\nFunction A()\r\n"},
        {"Function A()\r\nEnd Function\r\n", applyPublicScope,
         "Public Function A()\r\nEnd Function\r\n"},
        {"x = 1\r\nPublic y\r\n", applyPrivateScope, "x = 1\r\nPublic y\r\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.option(c.in), c.expected) << c.in;
}

TEST(NewProc, PrivateThenPublicLeavesOnlyPublic)
{
    EXPECT_EQ(applyPublicScope(applyPrivateScope("Sub A()\r\n")), "Public Sub A()\r\n");
}

} // namespace
} // namespace qm::generators
