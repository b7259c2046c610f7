#include "MessageMap.h"

const MessageMapEntry* MessageMap::Find(UINT message, WPARAM wParam) const {
    for (const MessageMap* map = this; map; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const MessageMapEntry& e = map->entries[i];
            if (e.message != message) continue;
            if (message == WM_COMMAND && (e.code != HIWORD(wParam) || e.id != LOWORD(wParam))) continue;
            return &e;
        }
    }
    return nullptr;
}
