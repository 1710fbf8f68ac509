#include "shell/registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/shell/registry_probe.h"

namespace quillot {
namespace {

using test::DeleteTree;
using test::DumpTree;
using test::KeyExists;
using test::SetDefaultText;
using test::SetRegistryValue;

const std::string Root = "QuillotTest.Registry";

class RegistryTest : public ::testing::Test {
  protected:
    test::RegistryCleanup cleanup_{{Root}};
};

std::string Read(const std::string& subKey, const std::string& name = "") {
    return RegistryReadValue(HKEY_CLASSES_ROOT, Root + subKey, name);
}

TEST_F(RegistryTest, ReadsTextsOfEveryLengthWhole) {
    // 998 characters and the NUL fill the first buffer exactly; longer texts
    // need a second read.
    for (size_t length : {0u, 1u, 997u, 998u, 999u, 1000u, 2000u, 20000u}) {
        SCOPED_TRACE(length);
        std::string text(length, 'x');
        for (size_t i = 0; i < length; ++i)
            text[i] = static_cast<char>('a' + i % 26);
        SetDefaultText(Root, text);
        EXPECT_EQ(Read(""), text);
    }
}

TEST_F(RegistryTest, ReadsDefaultAndNamedValues) {
    SetDefaultText(Root + "\\Sub", "default text");
    SetRegistryValue(Root + "\\Sub", "Named", REG_SZ, std::string("named text", 11));
    EXPECT_EQ(Read("\\Sub"), "default text");
    EXPECT_EQ(Read("\\Sub", "Named"), "named text");
    EXPECT_EQ(Read("\\Sub", "Missing"), "");
}

TEST_F(RegistryTest, MissingKeyOrValueReadsEmpty) {
    EXPECT_EQ(Read("\\Nowhere"), "");
    SetRegistryValue(Root + "\\NoDefault", "Named", REG_SZ, std::string("x", 2));
    EXPECT_EQ(Read("\\NoDefault"), "");
}

TEST_F(RegistryTest, StopsAtTheFirstNulAndNeverReadsPastTheData) {
    struct Case {
        const char* name;
        std::string stored;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"without terminator", std::string("abc", 3), "abc"},
        {"embedded NUL", std::string("abc\0def", 8), "abc"},
        {"NUL first", std::string("\0abc", 5), ""},
        {"long, embedded NUL", std::string(1500, 'y') + std::string("\0zz", 4),
         std::string(1500, 'y')},
        {"long, without terminator", std::string(1200, 'w'), std::string(1200, 'w')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetRegistryValue(Root, "", REG_SZ, c.stored);
        EXPECT_EQ(Read(""), c.expected);
    }
}

TEST_F(RegistryTest, WriteCreatesTheWholePath) {
    RegistryWriteValue(HKEY_CLASSES_ROOT, Root + "\\A\\B\\C", "", "deep");
    EXPECT_EQ(DumpTree(Root), (std::vector<std::string>{
                                  Root,
                                  Root + "\\A",
                                  Root + "\\A\\B",
                                  Root + "\\A\\B\\C",
                                  Root + "\\A\\B\\C @ = deep",
                              }));
}

TEST_F(RegistryTest, WriteReplacesOnlyTheNamedValue) {
    SetDefaultText(Root, "old default");
    SetRegistryValue(Root, "Other", REG_SZ, std::string("kept", 5));
    RegistryWriteValue(HKEY_CLASSES_ROOT, Root, "", "new default");
    RegistryWriteValue(HKEY_CLASSES_ROOT, Root, "Named", "named");
    EXPECT_EQ(DumpTree(Root), (std::vector<std::string>{
                                  Root,
                                  Root + " @ = new default",
                                  Root + " Named = named",
                                  Root + " Other = kept",
                              }));
}

TEST_F(RegistryTest, WriteOfAnEmptyTextStoresAnEmptyString) {
    RegistryWriteValue(HKEY_CLASSES_ROOT, Root + "\\Empty", "", "");
    EXPECT_EQ(DumpTree(Root + "\\Empty"), (std::vector<std::string>{
                                              Root + "\\Empty",
                                              Root + "\\Empty @ = ",
                                          }));
}

TEST_F(RegistryTest, WriteReplacesAValueOfAnotherType) {
    SetRegistryValue(Root, "", REG_DWORD, std::string("\x01\x02\x03\x04", 4));
    RegistryWriteValue(HKEY_CLASSES_ROOT, Root, "", "text");
    EXPECT_EQ(DumpTree(Root), (std::vector<std::string>{Root, Root + " @ = text"}));
}

TEST_F(RegistryTest, DeleteRemovesAKeyWithItsSubkeysAndNothingElse) {
    SetDefaultText(Root + "\\Doomed", "top");
    SetDefaultText(Root + "\\Doomed\\shell\\Open\\command", "cmd");
    SetDefaultText(Root + "\\Doomed\\shell\\Open\\ddeexec\\topic", "topic");
    SetRegistryValue(Root + "\\Doomed\\shell", "Named", REG_SZ, std::string("v", 2));
    SetDefaultText(Root + "\\Doomed\\DefaultIcon", "icon");
    SetDefaultText(Root + "\\DoomedSibling", "stays");
    SetDefaultText(Root + "\\Other\\Doomed", "stays too");

    EXPECT_EQ(RegistryDeleteKey(HKEY_CLASSES_ROOT, Root + "\\Doomed"), ERROR_SUCCESS);
    EXPECT_EQ(DumpTree(Root), (std::vector<std::string>{
                                  Root,
                                  Root + "\\DoomedSibling",
                                  Root + "\\DoomedSibling @ = stays",
                                  Root + "\\Other",
                                  Root + "\\Other\\Doomed",
                                  Root + "\\Other\\Doomed @ = stays too",
                              }));
}

TEST_F(RegistryTest, DeleteRemovesManySiblingSubkeys) {
    for (int i = 0; i < 40; ++i) {
        SetDefaultText(Root + "\\Many\\Child" + std::to_string(i) + "\\Grandchild", "x");
    }
    EXPECT_EQ(RegistryDeleteKey(HKEY_CLASSES_ROOT, Root + "\\Many"), ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists(Root + "\\Many"));
    EXPECT_TRUE(KeyExists(Root));
}

TEST_F(RegistryTest, DeleteOfAKeyWithoutSubkeys) {
    SetDefaultText(Root + "\\Leaf", "x");
    EXPECT_EQ(RegistryDeleteKey(HKEY_CLASSES_ROOT, Root + "\\Leaf"), ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists(Root + "\\Leaf"));
}

TEST_F(RegistryTest, DeleteOfAMissingKeyReportsNotFound) {
    EXPECT_EQ(RegistryDeleteKey(HKEY_CLASSES_ROOT, Root + "\\Missing"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegistryDeleteKey(HKEY_CLASSES_ROOT, Root + "\\Missing\\Deeper"),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, DeleteRefusesAnEmptyPath) {
    SetDefaultText(Root + "\\Child", "stays");
    HKEY root;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, Root.c_str(), 0, KEY_ALL_ACCESS, &root),
              ERROR_SUCCESS);
    EXPECT_EQ(RegistryDeleteKey(root, ""), ERROR_INVALID_PARAMETER);
    RegCloseKey(root);
    EXPECT_TRUE(KeyExists(Root + "\\Child"));
}

}  // namespace
}  // namespace quillot
