#include "dialog_template.h"

namespace e2e {

namespace {

class Reader {
public:
    Reader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}
    bool Ok() const { return m_ok; }

    template <class T> T Read()
    {
        T value{};
        if (m_position + sizeof(T) > m_size) {
            m_ok = false;
            return value;
        }
        memcpy(&value, m_data + m_position, sizeof(T));
        m_position += sizeof(T);
        return value;
    }
    // A string or an ordinal (0xFFFF and a number), as in class and title fields.
    std::wstring ReadSzOrOrdinal(WORD* ordinal = nullptr)
    {
        WORD first = Read<WORD>();
        if (first == 0xFFFF) {
            WORD number = Read<WORD>();
            if (ordinal) *ordinal = number;
            return L"#" + std::to_wstring(number);
        }
        std::wstring text;
        for (WORD c = first; m_ok && c != 0; c = Read<WORD>()) text += wchar_t(c);
        return text;
    }
    void AlignToDword() { m_position = (m_position + 3) & ~size_t(3); }
    void Skip(size_t bytes) { m_position += bytes; }

private:
    const BYTE* m_data;
    size_t m_size;
    size_t m_position = 0;
    bool m_ok = true;
};

// The predefined classes by their usual spelling, whether the resource
// compiler stored an atom or the name (in any case).
std::wstring CanonicalClass(const std::wstring& name, WORD atom)
{
    static const wchar_t* const kPredefined[] = {L"Button", L"Edit", L"Static", L"ListBox", L"ScrollBar", L"ComboBox"};
    if (atom >= 0x80 && atom <= 0x85) return kPredefined[atom - 0x80];
    for (const wchar_t* predefined : kPredefined)
        if (_wcsicmp(name.c_str(), predefined) == 0) return predefined;
    return name;
}

} // namespace

const DialogItem* DialogTemplate::Item(int id) const
{
    for (const DialogItem& item : items)
        if (item.id == id) return &item;
    return nullptr;
}

DialogTemplate ReadDialogTemplate(const std::wstring& programFile, int id)
{
    DialogTemplate result;
    HMODULE module = LoadLibraryExW(programFile.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return result;
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    const BYTE* data = resource ? static_cast<const BYTE*>(LockResource(LoadResource(module, resource))) : nullptr;
    if (data) {
        Reader reader(data, SizeofResource(module, resource));
        result.style = reader.Read<DWORD>();
        result.exStyle = reader.Read<DWORD>();
        WORD count = reader.Read<WORD>();
        result.x = reader.Read<short>();
        result.y = reader.Read<short>();
        result.cx = reader.Read<short>();
        result.cy = reader.Read<short>();
        reader.ReadSzOrOrdinal(); // menu
        reader.ReadSzOrOrdinal(); // class
        result.title = reader.ReadSzOrOrdinal();
        if (result.style & DS_SETFONT) {
            result.pointSize = reader.Read<WORD>();
            result.font = reader.ReadSzOrOrdinal();
        }
        for (WORD i = 0; i < count && reader.Ok(); ++i) {
            reader.AlignToDword();
            DialogItem item;
            item.style = reader.Read<DWORD>();
            item.exStyle = reader.Read<DWORD>();
            item.x = reader.Read<short>();
            item.y = reader.Read<short>();
            item.cx = reader.Read<short>();
            item.cy = reader.Read<short>();
            WORD id = reader.Read<WORD>();
            item.id = id == 0xFFFF ? -1 : id; // -1: IDC_STATIC
            WORD atom = 0;
            std::wstring className = reader.ReadSzOrOrdinal(&atom);
            item.className = CanonicalClass(className, atom);
            item.text = reader.ReadSzOrOrdinal();
            reader.Skip(reader.Read<WORD>()); // creation data
            result.items.push_back(item);
        }
        result.found = reader.Ok();
    }
    FreeLibrary(module);
    return result;
}

} // namespace e2e
