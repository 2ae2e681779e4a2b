#pragma once
// The sample product's settings for the install round trip: Reg values in
// every form, their data through the program lookup, its company key beside
// another program's, three associations (a new extension, one taken over with
// Force, one left to its owner with a verb of the product's). Every name holds
// the process id; after the uninstall the registry holds no more of it than before.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "setup_session.h"
#include "test_registry.h"

namespace setup_e2e {

class SampleSettings {
public:
    // `app` is the install folder.
    explicit SampleSettings(const std::wstring& app) : m_app(Ansi(app))
    {
        for (const char* ext : {"b", "c"}) SetRegText(HKEY_CLASSES_ROOT, Ext(ext), "", Type("Other"));
        SetRegText(HKEY_CLASSES_ROOT, Type("Other") + "\\shell\\open\\command", "", "other.exe \"%1\"");
        SetRegText(HKEY_CURRENT_USER, Company() + "\\Other", "Setting", "kept");
        SetRegText(HKEY_CURRENT_USER, Id() + "Top\\Child", "Setting", "kept");
        // For the program lookup: open commands quoted and not, Windows'
        // type of programs ("\"%1\" %*"), Wine's of text files.
        SetRegText(HKEY_CLASSES_ROOT, Ext("q"), "", Type("Quoted"));
        SetRegText(HKEY_CLASSES_ROOT, Type("Quoted") + kOpen, "", "\"C:\\No Such\\v.exe\" \"%1\"");
        SetRegText(HKEY_CLASSES_ROOT, Ext("u"), "", Type("Unquoted"));
        SetRegText(HKEY_CLASSES_ROOT, Type("Unquoted") + kOpen, "", Folder(GetWindowsDirectoryA) + "\\notepad.exe %1");
        SetRegText(HKEY_CLASSES_ROOT, Ext("x"), "", "exefile");
        SetRegText(HKEY_CLASSES_ROOT, Ext("t"), "", "txtfile");
        m_before = RegistryEntries();
    }
    ~SampleSettings()
    {
        for (const char* key : {"a", "b", "c", "q", "u", "x", "t"}) RegDeleteTreeA(HKEY_CLASSES_ROOT, Ext(key).c_str());
        for (const char* type : {"Document", "Forced", "Other", "Quoted", "Unquoted"})
            RegDeleteTreeA(HKEY_CLASSES_ROOT, Type(type).c_str());
        for (HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) RegDeleteTreeA(hive, Company().c_str());
        for (const std::string& key : {Plugins(), Id() + "Top"}) RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
        RegDeleteKeyValueA(HKEY_CURRENT_USER, nullptr, (Id() + "Root").c_str());
    }

    // A document of the product's (Wine's type of text files), for the install folder.
    static std::string Document() { return std::string("ReadMe").append(Ext("t")); }

    // For the scripts of both installs: the uninstall runs from the last.
    // The profile functions take off quotes around a whole value, so the
    // quoted command is written in a second pair.
    std::string ScriptLines() const
    {
        const std::string co = "HKEY_CURRENT_USER\\" + Company() + "\\Sample\\\\";
        const std::string plugins = "HKEY_CURRENT_USER\\" + Plugins(), values = plugins + "\\Values\\\\";
        std::vector<std::string> lines = {"[Reg]"};
        auto numbered = [&lines](const char* kind, const std::vector<std::string>& entries) { // "Make0=...", ...
            for (size_t i = 0; i < entries.size(); ++i) lines.push_back(kind + std::to_string(i) + "=" + entries[i]);
        };
        numbered(
            "Make", {co + "Program\\bin\\tool.exe", "HKLM\\" + Company() + "\\Sample\\\\\\!Sample data",
                     plugins + "\\Sample\\\\Path\\%root%bin", plugins + "\\Keys\\Only",
                     values + "Literal\\!C:\\a\\b c\\d", values + "Unknown\\notes.nosuchextension",
                     plugins + "\\Gone\\Deep\\\\Value\\!x",
                     "hkey_current_user\\\\" + Id() + "Root\\!r", values + "Quoted\\missing" + Ext("q"),
                     values + "Unquoted\\missing" + Ext("u"), values + "Program\\bin\\later" + Ext("x"),
                     values + "Document\\" + Document(), values + "Bare\\1"});
        numbered("Erase", {plugins + "\\Sample", plugins + "\\Values\\", plugins + "\\Keys\\Only\\Nothing",
                           plugins + "\\Gone\\Deep\\Value", "HKEY_CURRENT_USER\\" + Id() + "Top"});
        return Script(lines) +
               Script({"[Registry]", "Company=" + Id() + "Co", "Name=Sample",
                       "[Ext0]", "Ext=" + Ext("a"), "Kind=" + Type("Document"), "Icon=bin\\tool.exe", "IconNo=1",
                       "Verb=open", "Command=\"\"bin\\tool.exe\" \"%1\"\"",
                       "[Ext1]", "Ext=" + Ext("b"), "Kind=" + Type("Forced"), "Force=1", "Icon=bin\\tool.exe",
                       "Verb=edit", "Command=bin\\tool.exe",
                       "[Ext2]", "Ext=" + Ext("c"), "Kind=" + Type("Document"), "Verb2=SampleConvert",
                       "Command=bin\\tool.exe /convert"});
    }

    // After each install. The name that Force saved is the first owner's
    // also after the second install, when the extension was the product's.
    // No Erase entry can take a value of the root key itself (a root's
    // first-level names are never erased): the test does.
    void ExpectMade() const
    {
        const std::string tool = m_app + "\\bin\\tool.exe", values = Plugins() + "\\Values";
        auto value = [](HKEY root, const std::string& key, const std::string& name = "") {
            return Lower(RegText(root, key, name));
        };
        EXPECT_EQ(value(HKEY_CURRENT_USER, Company() + "\\Sample", "Program"), Lower(tool));
        EXPECT_EQ(RegText(HKEY_LOCAL_MACHINE, Company() + "\\Sample"), "Sample data");
        EXPECT_EQ(RegText(HKEY_CURRENT_USER, Plugins() + "\\Sample", "Path"), m_app + "\\bin");
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Plugins() + "\\Keys\\Only"));
        EXPECT_EQ(RegText(HKEY_CURRENT_USER, values, "Literal"), "C:\\a\\b c\\d");
        EXPECT_EQ(RegText(HKEY_CURRENT_USER, "", Id() + "Root"), "r");
        RegDeleteKeyValueA(HKEY_CURRENT_USER, nullptr, (Id() + "Root").c_str());
        // The program lookup: the text inside a quoted open command, the longest
        // leading part of an unquoted one that names a file, a document's
        // program, a program not there yet as itself (not "%1"), a name without
        // extension in the install folder; an unknown type's data as written.
        EXPECT_EQ(RegText(HKEY_CURRENT_USER, values, "Quoted"), "C:\\No Such\\v.exe");
        EXPECT_EQ(value(HKEY_CURRENT_USER, values, "Unquoted"), Lower(Folder(GetWindowsDirectoryA) + "\\notepad.exe"));
        EXPECT_EQ(value(HKEY_CURRENT_USER, values, "Document"), Lower(Folder(GetSystemDirectoryA) + "\\notepad.exe"));
        EXPECT_EQ(value(HKEY_CURRENT_USER, values, "Program"), Lower(m_app + "\\bin\\later" + Ext("x")));
        EXPECT_EQ(value(HKEY_CURRENT_USER, values, "Bare"), Lower(m_app + "\\1"));
        EXPECT_EQ(RegText(HKEY_CURRENT_USER, values, "Unknown"), "notes.nosuchextension");

        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, Ext("a")), Type("Document"));
        EXPECT_EQ(value(HKEY_CLASSES_ROOT, Type("Document") + "\\DefaultIcon"), Lower(tool + ",1"));
        EXPECT_EQ(value(HKEY_CLASSES_ROOT, Type("Document") + kOpen), Lower("\"" + tool + "\" \"%1\""));
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, Ext("b")), Type("Forced"));
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, Ext("b"), "Old Name"), Type("Other"));
        EXPECT_EQ(value(HKEY_CLASSES_ROOT, Type("Forced") + "\\shell\\edit\\command"), Lower(tool + " "));
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, Ext("c")), Type("Other"));
        EXPECT_EQ(value(HKEY_CLASSES_ROOT, Type("Other") + "\\shell\\SampleConvert\\command"),
                  Lower(tool + " /convert"));
    }

    // The product, run by its user, keeps its settings under its company
    // key; a third program takes the extension that Force took over.
    void UseAsTheProgramWould() const
    {
        SetRegText(HKEY_CURRENT_USER, Company() + "\\Sample\\Window", "Left", "10");
        SetRegText(HKEY_CLASSES_ROOT, Ext("b"), "", Type("Third"));
    }

    // After the uninstall: the first owner has its extension back (the name
    // saved at install time); the company's other program and the key right
    // below the root keep their settings, and nothing else of the product
    // is left (the erased keys, the emptied keys above them).
    void ExpectRemoved() const
    {
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, Ext("b")), Type("Other"));
        EXPECT_EQ(RegText(HKEY_CURRENT_USER, Id() + "Top\\Child", "Setting"), "kept");
        EXPECT_EQ(Residue(m_before, RegistryEntries(), {Lower(Id())}), "");
    }

private:
    static constexpr const char* kOpen = "\\shell\\open\\command";
    // The Windows or the system folder.
    static std::string Folder(UINT (*query)(LPSTR, UINT))
    {
        char folder[MAX_PATH];
        query(folder, sizeof folder);
        return folder;
    }
    static std::string Id() { return Unique("SetupE2E"); }
    // Not "." + Id(), of which GCC 12 warns wrongly.
    static std::string Ext(const char* letter) { return std::string(".").append(Id()).append(letter); }
    static std::string Type(const char* name) { return Id() + "." + name; }
    static std::string Company() { return "Software\\" + Id() + "Co"; }
    static std::string Plugins() { return "Software\\" + Id() + "Plugins"; }

    std::string m_app;
    std::set<std::wstring> m_before;
};

} // namespace setup_e2e
