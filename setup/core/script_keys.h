#pragma once
// The script keys that are easy to mix up, each read and written under a
// name that says what it holds. Reads name a script path (the running
// script unless given) and return the length read, 0 for missing or empty.
//
//   [Setup] Name   the product's display name: dialog title, captions, the
//                  name shown in the system's uninstall list
//   [Root]  Name   the product key: the last part names the product's entry
//                  in the uninstall list; before the first run it may be a
//                  folder form such as "%programs%\Tool"
//   [Root]  Named  the install folder actually used, written by the copy step
//   [Menu]  Name   the Start-menu folder's name below the user's Programs
//   [Menu]  Named  the Start-menu folder actually used (empty: Programs
//                  folder and Menu Name)
//   [Menu]  Change the Start-menu folder picked in the dialog, waiting for
//                  the run to make it Menu Named
//   [Registry] Company  the company's settings key under "SOFTWARE"
//   [Registry] Name     the application's settings key under the company's
//   [Setup] Log    the action log's file name, resolved like a file of the
//                  install folder; none: no action log
#include <cstddef>

#include "script.h"

struct ScriptKey {
    const char* section;
    const char* key;
};
inline constexpr ScriptKey kDisplayName{"Setup", "Name"};
inline constexpr ScriptKey kProductKey{"Root", "Name"};
inline constexpr ScriptKey kInstallFolder{"Root", "Named"};
inline constexpr ScriptKey kMenuName{"Menu", "Name"};
inline constexpr ScriptKey kMenuFolder{"Menu", "Named"};
inline constexpr ScriptKey kChosenMenuFolder{"Menu", "Change"};
inline constexpr ScriptKey kActionLogName{"Setup", "Log"};

size_t ReadDisplayName(char (&out)[kPathSize], const char* script = ScriptPath());

size_t ReadProductKey(char (&out)[kPathSize], const char* script = ScriptPath());

size_t ReadActionLogName(char (&out)[kPathSize]);

size_t ReadInstallFolder(char (&out)[kPathSize], const char* script = ScriptPath());
void WriteInstallFolder(const char* folder);

size_t ReadMenuName(char (&out)[kPathSize], const char* script = ScriptPath());
size_t ReadMenuFolder(char (&out)[kPathSize], const char* script = ScriptPath());
void WriteMenuFolder(const char* folder);
size_t ReadChosenMenuFolder(char (&out)[kPathSize]);
void WriteChosenMenuFolder(const char* folder);

// An option whose entries were removed is offered unticked next time: its
// key of section Check becomes "1", unless it is 0 (hidden and off).
void ResetRemovedOption(const char* script, const char* option);

// LastGo Desktop and LastGo Startup: the shortcut file that the desktop or
// startup shortcut was saved to (empty when there is none).
size_t ReadLastGoLink(const char* option, char (&out)[kPathSize], const char* script = ScriptPath());
void WriteLastGoLink(const char* script, const char* option, const char* link);
size_t ReadCompanyKey(char (&out)[kPathSize]);
size_t ReadApplicationKey(char (&out)[kPathSize]);
