// The library's list files, numbering, storing and deleting objects.
#include "library/ObjectStore.h"

#include "tests/support/EngineTest.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qm::library {
namespace {

TEST(ObjectList, ReadsRecordsKeepingBarsInDescriptionsAndSkippingBlankLines)
{
    const std::string list = "Fmt|PROC0004.txt|Formats a date|with a bar\r\n"
                             "\r\n"
                             "   \r\n"
                             "  Two Words_x |PROC0005.txt|caf\xe9 \r"
                             "NoBars\n"
                             "Last|PROC0007.txt|";
    const std::vector<ProcNameObj> expected = {
        {"Fmt", "Formats a date|with a bar", "PROC0004.txt"},
        {"Two Words_x ", "caf\xe9", "PROC0005.txt"},
        {"NoBars", "", ""},
        {"Last", "", "PROC0007.txt"},
    };
    EXPECT_EQ(parseObjectList(list), expected);
    EXPECT_TRUE(parseObjectList("").empty());
}

TEST(ObjectList, LineFormatTrimsTrailingLineEndsOnlyWhenAdding)
{
    const ProcNameObj record{"Fmt", "Formats a date|with a bar\r\n\r\n", "PROC0004.txt"};
    EXPECT_EQ(formatListLine(record, true), "Fmt|PROC0004.txt|Formats a date|with a bar\r\n");
    EXPECT_EQ(formatListLine(record, false),
              "Fmt|PROC0004.txt|Formats a date|with a bar\r\n\r\n\r\n");
}

TEST(ObjectList, NumbersTheNextObjectAfterTheLast)
{
    const auto none = [](const std::string &) {
        return false;
    };
    struct Case
    {
        ObjectKind kind;
        std::vector<std::string> aliases;
        std::string expected;
    };
    const Case cases[] = {
        {ObjectKind::Controls, {"CTRL0003.frm", "CTRL0009.frm"}, "CTRL0010.frm"},
        {ObjectKind::Controls, {}, "CTRL0001.frm"},
        {ObjectKind::Forms, {}, "FORM0001.frm"},
        {ObjectKind::Modules, {}, "MODL0001.bas"},
        {ObjectKind::Classes, {"CLAS0041.cls"}, "CLAS0042.cls"},
        {ObjectKind::Procs, {"PROC0001.txt"}, "PROC0002.txt"},
        {ObjectKind::Procs, {}, "PROC0001.txt"},
        {ObjectKind::Controls, {"CTRL9999.frm"}, "CTRL10000.frm"},
        {ObjectKind::Controls, {"CTRL10000.frm"}, "CTRL10001.frm"},
        {ObjectKind::Forms, {"MINE.frm"}, "MINE0001.frm"},
    };
    for (const Case &c : cases) {
        std::vector<ProcNameObj> records;
        for (const std::string &alias : c.aliases)
            records.push_back({"x", "", alias});
        EXPECT_EQ(nextObjectAlias(c.kind, records, none), c.expected) << c.expected;
    }
    // A file already there is never taken for a new object.
    const auto taken = [](const std::string &name) {
        return name == "CTRL0010.frm" || name == "CTRL0011.frm";
    };
    EXPECT_EQ(nextObjectAlias(ObjectKind::Controls, {{"x", "", "CTRL0009.frm"}}, taken),
              "CTRL0012.frm");
}

TEST(ObjectList, ControlSetHeaderNamesTheFile)
{
    EXPECT_EQ(controlSetHeader("CTRL0002"), "VERSION 4.00\r\n"
                                            "Begin VB.Form CTRL0002\r\n"
                                            "Caption         =   \"CTRL0002\"\r\n"
                                            "ClientHeight    =   4140\r\n"
                                            "ClientLeft      =   1140\r\n"
                                            "ClientTop       =   1515\r\n"
                                            "ClientWidth     =   6690\r\n"
                                            "Height          =   4545\r\n"
                                            "Left            =   1080\r\n"
                                            "LinkTopic = \"CTRL0002\"\r\n"
                                            "ScaleHeight     =   4140\r\n"
                                            "ScaleWidth      =   6690\r\n"
                                            "Top             =   1170\r\n"
                                            "Width           =   6810\r\n"
                                            "End\r\n"
                                            "Attribute VB_Creatable = False\r\n"
                                            "Attribute VB_Exposed = False\r\n"
                                            "Option Explicit\r\n");
}

TEST(ObjectList, ProcedureNameComesFromTheFirstHeader)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Private Sub Command1_Click()\r\nEnd Sub\r\n", "Command1_Click"},
        {"' notes\r\nPublic Static Function Fmt$(d As Date)\r\n", "Fmt"},
        {"Sub Main()", "Main"},
        {"Dim x\r\nx = 1\r\n", ""},
        {"private sub lower()\r\n", ""},
    };
    for (const auto &[text, name] : cases)
        EXPECT_EQ(GetNameFromProc(text), name) << text;
}

TEST(ObjectList, OnlyPlainFileNamesAreAliases)
{
    for (const char *good : {"CTRL0001.frm", "PROC0001.txt", "My_File.bk$"})
        EXPECT_TRUE(isPlainAlias(good)) << good;
    for (const char *bad :
         {"", "..", ".", "..\\..\\home\\user\\work.frm", "/etc/passwd", "a/b.frm", "C:work.frm"})
        EXPECT_FALSE(isPlainAlias(bad)) << bad;
}

struct LibraryDir : ::testing::Test
{
    test::TempDir dir;
    ObjectLibrary library = ObjectLibrary::inDirectory(dir.str());
};

TEST_F(LibraryDir, AddingWritesTheObjectAndAppendsItsRecord)
{
    dir.write("qm_procs.txt", "Fmt|PROC0001.txt|Formats"); // no final line end
    EXPECT_EQ(library.add(ObjectKind::Procs, "Twice", "Doubles\r\n", "Sub Twice()\r\nEnd Sub"),
              "PROC0002.txt");
    EXPECT_EQ(dir.read("PROC0002.txt"), "Sub Twice()\r\nEnd Sub\r\n");
    EXPECT_EQ(dir.read("qm_procs.txt"),
              "Fmt|PROC0001.txt|Formats\r\nTwice|PROC0002.txt|Doubles\r\n");

    EXPECT_EQ(library.add(ObjectKind::Forms, "Order", "order form", "VERSION 5.00\r\n",
                          std::string("\x01\x02", 2)),
              "FORM0001.frm");
    EXPECT_EQ(dir.read("FORM0001.frx"), std::string("\x01\x02", 2));
    EXPECT_EQ(dir.read("qm_forms.txt"), "Order|FORM0001.frm|order form\r\n");
    EXPECT_EQ(library.find(ObjectKind::Forms, "order"), 0u);
    EXPECT_FALSE(library.find(ObjectKind::Forms, "none").has_value());
}

TEST_F(LibraryDir, DeletingAFormRemovesBothFilesAndKeepsTheOtherRecordsInOrder)
{
    dir.write("qm_forms.txt",
              "A|FORM0001.frm|first\r\nB|FORM0002.frm|second|x\r\nC|FORM0003.frm|third\r\n");
    for (const char *name : {"FORM0001.frm", "FORM0002.frm", "FORM0002.frx", "FORM0003.frm"})
        dir.write(name, "x");
    library.remove(ObjectKind::Forms, 1);
    EXPECT_EQ(dir.read("qm_forms.txt"), "A|FORM0001.frm|first\r\nC|FORM0003.frm|third\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("FORM0002.frm")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("FORM0002.frx")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("FORM0001.frm")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("FORM0003.frm")));
}

TEST_F(LibraryDir, DeletingAModuleWhoseFileIsMissingStillDropsTheRecord)
{
    dir.write("qm_modls.txt", "M|MODL0001.bas|gone\r\nN|MODL0002.bas|kept\r\n");
    dir.write("MODL0001.frx", "unrelated");
    dir.write("MODL0002.bas", "x");
    library.remove(ObjectKind::Modules, 0);
    EXPECT_EQ(dir.read("qm_modls.txt"), "N|MODL0002.bas|kept\r\n");
    EXPECT_TRUE(std::filesystem::exists(dir.file("MODL0001.frx")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("MODL0002.bas")));
}

TEST_F(LibraryDir, AnAliasOutsideTheLibraryIsRefusedAndNothingChanges)
{
    // The alias field stops at the first character a file name of the library cannot hold, so
    // a path leaves ".." or a bare word: the first is refused, the second stays inside.
    test::TempDir outside;
    outside.write("work.frm", "precious");
    const std::string list = "Evil|..\\..\\work.frm|x\r\n";
    dir.write("qm_forms.txt", list);
    const common::UserMessage m = test::messageOf([&] { library.remove(ObjectKind::Forms, 0); });
    EXPECT_EQ(m.title, "Object Frameworks");
    EXPECT_EQ(dir.read("qm_forms.txt"), list);
    EXPECT_EQ(test::messageOf([&] { library.read(library.load(ObjectKind::Forms)[0]); }).title,
              "Object Frameworks");

    dir.write("qm_forms.txt", "Abs|" + outside.file("work.frm") + "|x\r\n");
    library.remove(ObjectKind::Forms, 0);
    EXPECT_EQ(outside.read("work.frm"), "precious");
    EXPECT_EQ(dir.read("qm_forms.txt"), "");
}

TEST_F(LibraryDir, ANameOrDescriptionThatWouldNotReadBackIsRefusedAndNothingIsWritten)
{
    // Each of these would come back from the list as another name (or a record of its own), and
    // the stored object could no longer be found or deleted.
    for (const char *name : {"", "   ", "Order-Entry", "M\xfcller", "a|b", "Tab\tName"}) {
        EXPECT_FALSE(isStorableName(name)) << name;
        EXPECT_EQ(test::messageOf([&] {
                      library.add(ObjectKind::Controls, name, "d", "VERSION 4.00\r\n");
                  }).title,
                  "Input Error")
            << name;
    }
    EXPECT_EQ(test::messageOf([&] {
                  library.add(ObjectKind::Modules, "Two Lines", "one\r\ntwo", "Sub A()\r\n");
              }).text,
              "A description must be a single line.");
    EXPECT_FALSE(std::filesystem::exists(dir.file("qm_ctrls.txt")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("qm_modls.txt")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("CTRL0001.frm")));

    // Letters, digits, "_" and inner blanks read back as they were written.
    EXPECT_TRUE(isStorableName("Order_Entry 2"));
    library.add(ObjectKind::Controls, "Order_Entry 2", "d", "VERSION 4.00\r\n");
    EXPECT_EQ(library.load(ObjectKind::Controls).at(0).ProcName, "Order_Entry 2");
}

TEST_F(LibraryDir, AHundredThousandRecordsLoad)
{
    std::string list;
    for (int i = 0; i < 100000; ++i)
        list += "Name " + std::to_string(i) + "|PROC" + std::to_string(i) + ".txt|d\r\n";
    dir.write("qm_procs.txt", list);
    const std::vector<ProcNameObj> records = library.load(ObjectKind::Procs);
    ASSERT_EQ(records.size(), 100000u);
    EXPECT_EQ(records.back().ProcName, "Name 99999");
}

} // namespace
} // namespace qm::library
