#pragma once
// The sample product's settings in the system, for the install round trip:
// registry values of its Reg lists and its company key, and three file
// associations (a new extension, one taken over from another program with
// Force, one left to it with a verb of the product's). Every name carries
// the process id; the registry holds nothing else of it after the
// uninstall than before.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

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
        m_before = RegistryEntries();
    }
    ~SampleSettings()
    {
        for (const std::string& key : {Ext("a"), Ext("b"), Ext("c"), Type("Document"), Type("Forced"), Type("Other")})
            RegDeleteTreeA(HKEY_CLASSES_ROOT, key.c_str());
        for (HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) RegDeleteTreeA(hive, Company().c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, Plugins().c_str());
    }

    // For the scripts of both installs: the uninstall runs from the last.
    // The profile functions take off quotes around a whole value, so the
    // quoted command is written in a second pair.
    std::string ScriptLines() const
    {
        const std::string co = "HKEY_CURRENT_USER\\" + Company() + "\\Sample\\\\";
        return Script({"[Reg]", "Make0=" + co + "Program\\bin\\tool.exe",
                       "Make1=HKLM\\" + Company() + "\\Sample\\\\\\!Sample data",
                       "Make2=HKEY_CURRENT_USER\\" + Plugins() + "\\Sample\\\\Path\\%root%bin",
                       "Erase0=HKEY_CURRENT_USER\\" + Plugins() + "\\Sample",
                       "[Registry]", "Company=" + Id() + "Co", "Name=Sample",
                       "[Ext0]", "Ext=" + Ext("a"), "Kind=" + Type("Document"), "Icon=bin\\tool.exe", "IconNo=1",
                       "Verb=open", "Command=\"\"bin\\tool.exe\" \"%1\"\"",
                       "[Ext1]", "Ext=" + Ext("b"), "Kind=" + Type("Forced"), "Force=1", "Icon=bin\\tool.exe",
                       "Verb=edit", "Command=bin\\tool.exe",
                       "[Ext2]", "Ext=" + Ext("c"), "Kind=" + Type("Document"), "Verb2=SampleConvert",
                       "Command=bin\\tool.exe /convert"});
    }

    // After each install. The name that Force saved is the first owner's
    // also after the second install, when the extension was the product's.
    void ExpectMade() const
    {
        const std::string tool = m_app + "\\bin\\tool.exe";
        EXPECT_EQ(Lower(RegText(HKEY_CURRENT_USER, Company() + "\\Sample", "Program")), Lower(tool));
        EXPECT_EQ(RegText(HKEY_LOCAL_MACHINE, Company() + "\\Sample"), "Sample data");
        EXPECT_EQ(RegText(HKEY_CURRENT_USER, Plugins() + "\\Sample", "Path"), m_app + "\\bin");
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, Ext("a")), Type("Document"));
        EXPECT_EQ(Lower(RegText(HKEY_CLASSES_ROOT, Type("Document") + "\\DefaultIcon")), Lower(tool + ",1"));
        EXPECT_EQ(Lower(RegText(HKEY_CLASSES_ROOT, Type("Document") + "\\shell\\open\\command")),
                  Lower("\"" + tool + "\" \"%1\""));
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, Ext("b")), Type("Forced"));
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, Ext("b"), "Old Name"), Type("Other"));
        EXPECT_EQ(Lower(RegText(HKEY_CLASSES_ROOT, Type("Forced") + "\\shell\\edit\\command")), Lower(tool + " "));
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, Ext("c")), Type("Other"));
        EXPECT_EQ(Lower(RegText(HKEY_CLASSES_ROOT, Type("Other") + "\\shell\\SampleConvert\\command")),
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
    // saved at install time), and nothing else of the product is left.
    void ExpectRemoved() const
    {
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, Ext("b")), Type("Other"));
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, Type("Other") + "\\shell\\open\\command"), "other.exe \"%1\"");
        EXPECT_EQ(Residue(m_before, RegistryEntries(), {Lower(Id())}), "");
    }

private:
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
