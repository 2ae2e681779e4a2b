#pragma once
// The sample product's settings in the system, for the install round trip:
// registry values of its Reg lists and its company key, three file
// associations (a new extension, one taken over from another program with
// Force, one left to it with a verb of the product's) and a program and a
// library run by Go2. Every name carries the process id.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "setup_session.h"
#include "test_registry.h"

namespace setup_e2e {

class SampleSettings {
public:
    // `probes` is where the program and the library of Go2 lie: the folder
    // above the install folder `app`.
    SampleSettings(const std::filesystem::path& probes, const std::wstring& app) : m_probes(probes), m_app(Narrow(app))
    {
        std::filesystem::copy_file(RUN_LIST_PROBE, probes / L"run_list_probe.exe");
        std::filesystem::copy_file(RUN_LIST_LIBRARY, probes / L"run_list_library.dll");
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
    SampleSettings(const SampleSettings&) = delete;
    SampleSettings& operator=(const SampleSettings&) = delete;

    // For the scripts of both installs: the uninstall runs from the last.
    // The profile functions take off quotes around a whole value, so the
    // quoted command is written in a second pair.
    std::string ScriptLines() const
    {
        const std::string co = "HKEY_CURRENT_USER\\" + Company() + "\\Sample\\\\";
        return Script({"[Reg]", ("Make0=" + co + "Program\\bin\\tool.exe").c_str(),
                       ("Make1=HKLM\\" + Company() + "\\Sample\\\\\\!Sample data").c_str(),
                       ("Make2=HKEY_CURRENT_USER\\" + Plugins() + "\\Sample\\\\Path\\%root%bin").c_str(),
                       ("Erase0=HKEY_CURRENT_USER\\" + Plugins() + "\\Sample").c_str(),
                       "[Registry]", ("Company=" + Id() + "Co").c_str(), "Name=Sample",
                       "[Ext0]", ("Ext=" + Ext("a")).c_str(), ("Kind=" + Type("Document")).c_str(),
                       "Icon=bin\\tool.exe", "IconNo=1", "Verb=open", "Command=\"\"bin\\tool.exe\" \"%1\"\"",
                       "[Ext1]", ("Ext=" + Ext("b")).c_str(), ("Kind=" + Type("Forced")).c_str(), "Force=1",
                       "Icon=bin\\tool.exe", "Verb=edit", "Command=bin\\tool.exe",
                       "[Ext2]", ("Ext=" + Ext("c")).c_str(), ("Kind=" + Type("Document")).c_str(),
                       "Verb2=SampleConvert", "Command=bin\\tool.exe /convert",
                       "[Go2]", "Make0=\"%root%\\..\\run_list_probe.exe\" installed",
                       "Erase0=%root%\\..\\run_list_library.dll;MarkCalled"});
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
        EXPECT_EQ(ProbeRecord("installed"), "show 5\ninstalled");
        std::filesystem::remove(m_probes / L"installed.txt");
    }

    // The product, run by its user, keeps its settings under its company
    // key; a third program takes the extension that Force took over.
    void UseAsTheProgramWould() const
    {
        SetRegText(HKEY_CURRENT_USER, Company() + "\\Sample\\Window", "Left", "10");
        SetRegText(HKEY_CLASSES_ROOT, Ext("b"), "", Type("Third"));
    }

    // After the uninstall: the library was called first, the first owner
    // has its extension back (the name saved at install time), and the
    // registry holds nothing else of the product than before the install.
    void ExpectRemoved() const
    {
        EXPECT_EQ(ProbeRecord("library-called"), "called");
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, Ext("b")), Type("Other"));
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, Type("Other") + "\\shell\\open\\command"), "other.exe \"%1\"");
        std::set<std::wstring> after = RegistryEntries();
        std::string residue;
        auto note = [&](const std::set<std::wstring>& in, const std::set<std::wstring>& notIn, const char* label) {
            for (const std::wstring& entry : in)
                if (!notIn.count(entry) && Lower(Narrow(entry)).find(Lower(Id())) != std::string::npos)
                    residue += label + Narrow(entry) + "\n";
        };
        note(after, m_before, "added: ");
        note(m_before, after, "lost: ");
        EXPECT_EQ(residue, "");
    }

private:
    static std::string Id() { return "SetupE2E" + std::to_string(GetCurrentProcessId()); }
    static std::string Ext(const char* letter) { return std::string(".").append(Id()).append(letter); }
    static std::string Type(const char* name) { return Id() + "." + name; }
    static std::string Company() { return "Software\\" + Id() + "Co"; }
    static std::string Plugins() { return "Software\\" + Id() + "Plugins"; }
    static std::string Lower(std::string text)
    {
        for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        return text;
    }
    std::string ProbeRecord(const std::string& name) const
    {
        std::filesystem::path file = m_probes / (name + ".txt");
        e2e::WaitUntil([&] { return Exists(file.wstring()); }, 10000);
        return ReadBytes(file);
    }

    std::filesystem::path m_probes;
    std::string m_app;
    std::set<std::wstring> m_before;
};

} // namespace setup_e2e
