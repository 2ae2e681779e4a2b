#pragma once
// Values and keys under HKEY_CLASSES_ROOT named by one path: the parts
// before the last backslash name keys, the last part names a value, "" the
// default value ("type\DefaultIcon\" is the default value of
// type\DefaultIcon). Backslashes are found double-byte aware.

// Creates the keys as needed and writes the string value; false when the
// keys could not be created or the value not written.
bool SetValueByPath(const char* path, const char* data);

// Deletes the value, then the key that held it and the path's first key
// (each only when it has no sub keys: the system's plain deletion). False
// as soon as one of these fails; what is left stays.
bool RemovePathValueAndKeys(const char* path);

// Deletes the value only.
void DeleteValueByPath(const char* path);
