// Object creation and the text copy rule behind the modules' exports.
#include "extension/entry_points.h"

#include <new>
#include <string_view>

#include "resources/toolbar_bitmap.h"

CCorvaneExtension* CreateObjectOf(const Generation& generation)
{
    try {
        return new CCorvaneExtension(generation);
    } catch (const std::bad_alloc&) {
        return nullptr;
    } catch (const CMemoryException&) {
        return nullptr;
    }
}

void DeleteObject(CCorvaneExtension* object) { delete object; }

unsigned CopyTextToBuffer(const char16_t* text, char16_t* buffer, unsigned size)
{
    std::u16string_view source(text);
    unsigned length = static_cast<unsigned>(source.size());
    if (buffer && size > 0) {
        unsigned copied = length < size - 1 ? length : size - 1;
        source.copy(buffer, copied);
        buffer[copied] = u'\0';
    }
    return length < size ? length : size;
}

HBITMAP LoadToolbarBitmap() { return LoadBitmapResource(kToolbarBitmapResource); }
