// Module and class files: header, Attribute lines and code, kept byte for byte.
#include "ide/Component.h"
#include "ide/Module.h"
#include "platform/VbError.h"
#include "tests/ide/FormTestData.h"

#include <gtest/gtest.h>

using namespace qm::ide;
using qm::platform::VbError;
using qm::test::formData;

namespace {

TEST(ModuleFile, ModulesAndClassesRoundTripWithTheirCode)
{
    std::string bas = formData("modTools.bas");
    auto module = ModuleFile::parse(ComponentKind::Module, bas, "modTools.bas");
    EXPECT_EQ(module->name(), "modTools");
    EXPECT_EQ(module->header(), "");
    EXPECT_EQ(module->code().substr(0, 17), "Option Explicit\r\n");
    EXPECT_EQ(module->text(), bas);

    std::string cls = formData("Account.cls");
    auto account = ModuleFile::parse(ComponentKind::Class, cls, "Account.cls");
    EXPECT_EQ(account->name(), "Account");
    EXPECT_EQ(account->header(), "VERSION 1.0 CLASS\r\nBEGIN\r\n  MultiUse = -1  'True\r\nEND\r\n");
    EXPECT_EQ(account->section().attributes().size(), 5u);
    EXPECT_EQ(account->text(), cls);
    account->setName("Ledger");
    EXPECT_NE(
        account->text().find("Attribute VB_Name = \"Ledger\"\r\nAttribute VB_GlobalNameSpace"),
        std::string::npos);

    // A module of the oldest kind, with no Attribute line at all, is all code.
    auto plain = ModuleFile::parse(ComponentKind::Module, "Sub Main()\nEnd Sub", "old.bas");
    EXPECT_EQ(plain->name(), "");
    EXPECT_EQ(plain->code(), "Sub Main()\nEnd Sub");
}

TEST(ModuleFile, AModuleWithoutVbNameIsKnownByItsFilesBaseName)
{
    auto module = Component::fromText(ComponentKind::Module, "src\\MCI_REC.BAS", "Sub Main()\r\n");
    EXPECT_EQ(module->name(), "MCI_REC");
    auto named = Component::fromText(ComponentKind::Module, "src\\x.bas",
                                     "Attribute VB_Name = \"Tools\"\r\n");
    EXPECT_EQ(named->name(), "Tools");
    EXPECT_EQ(module->text(), "Sub Main()\r\n"); // nothing is added to the file
}

TEST(ModuleFile, TypedLinesTakeTheFilesOwnLineEnd)
{
    auto module = Component::fromText(ComponentKind::Module, "m.bas",
                                      "Attribute VB_Name = \"m\"\nSub Main()\nEnd Sub\n");
    module->setCode("Sub Main()\r\n    Beep\r\nEnd Sub\n");
    module->module()->section().setAttribute("VB_Description", "\"x\"");
    EXPECT_EQ(module->text(), "Attribute VB_Name = \"m\"\nAttribute VB_Description = \"x\"\n"
                              "Sub Main()\n    Beep\nEnd Sub\n");
}

TEST(ModuleFile, AClassHeaderWithoutItsEndIsRefused)
{
    try {
        ModuleFile::parse(ComponentKind::Class, "VERSION 1.0 CLASS\r\nBEGIN\r\n  MultiUse = -1\r\n",
                          "c.cls");
        ADD_FAILURE();
    } catch (const VbError &e) {
        EXPECT_EQ(e.number, InvalidFileFormat);
        EXPECT_EQ(e.description, "c.cls(1): the class header has no END line");
    }
}

TEST(ModuleFile, NewComponentsAndAttributes)
{
    auto component = Component::createNew(ComponentKind::Class, "Class1");
    EXPECT_EQ(component->name(), "Class1");
    EXPECT_TRUE(component->isNew());
    EXPECT_TRUE(component->isModified());
    CodeSection section = CodeSection::parse("Attribute VB_Name = \"X\"");
    section.setAttribute("VB_Exposed", "False");
    EXPECT_EQ(section.text(), "Attribute VB_Name = \"X\"\r\nAttribute VB_Exposed = False\r\n");
    EXPECT_EQ(componentKindOfPath("A.FRM"), ComponentKind::Form);
    EXPECT_EQ(componentKindOfPath("a.frx"), std::nullopt);
}

} // namespace
