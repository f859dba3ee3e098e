#include "platform/framework/dialog_template.h"

#include <cstring>

namespace {

// Size of a name-or-ordinal field: none, an ordinal, or a wide string.
size_t NameOrOrdinalSize(const BYTE* data, size_t offset, size_t size)
{
    if (offset + 2 > size) return size - offset;
    WORD first;
    memcpy(&first, data + offset, 2);
    if (first == 0) return 2;
    if (first == 0xFFFF) return 4;
    size_t end = offset;
    WORD c = first;
    while (c != 0 && end + 2 <= size) {
        memcpy(&c, data + end, 2);
        end += 2;
    }
    return end - offset;
}

}  // namespace

std::vector<BYTE> AdaptedDialogTemplate(const std::string& name, const char* windowClass, DWORD addStyle,
                                        DWORD removeStyle)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(5));
    if (!resource) return {};
    HGLOBAL loaded = LoadResource(module, resource);
    auto* data = static_cast<const BYTE*>(LockResource(loaded));
    size_t size = SizeofResource(module, resource);
    if (!data || size < 18) return {};

    WORD signature[2];
    memcpy(signature, data, 4);
    bool extended = signature[0] == 1 && signature[1] == 0xFFFF;
    size_t headerSize = extended ? 26 : 18;
    size_t styleOffset = extended ? 12 : 0;
    if (size < headerSize) return {};
    DWORD style;
    memcpy(&style, data + styleOffset, 4);

    size_t menu = headerSize;
    size_t oldClass = menu + NameOrOrdinalSize(data, menu, size);
    size_t title = oldClass + NameOrOrdinalSize(data, oldClass, size);
    size_t afterTitle = title + NameOrOrdinalSize(data, title, size);
    size_t afterFont = afterTitle;
    if (style & DS_SETFONT) {
        size_t face = afterTitle + (extended ? 6 : 2);
        afterFont = face + NameOrOrdinalSize(data, face, size);
    }
    size_t items = (afterFont + 3) & ~size_t{3};
    if (items > size) items = size;

    std::vector<BYTE> result(data, data + menu);
    style = (style | addStyle) & ~removeStyle;
    memcpy(result.data() + styleOffset, &style, 4);
    result.insert(result.end(), data + menu, data + oldClass);
    for (const char* c = windowClass;; ++c) {
        WORD wide = static_cast<unsigned char>(*c);
        result.insert(result.end(), reinterpret_cast<BYTE*>(&wide), reinterpret_cast<BYTE*>(&wide) + 2);
        if (!*c) break;
    }
    result.insert(result.end(), data + title, data + afterFont);
    result.resize((result.size() + 3) & ~size_t{3}, 0);
    result.insert(result.end(), data + items, data + size);
    return result;
}
