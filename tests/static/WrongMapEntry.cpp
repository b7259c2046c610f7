// Must not compile: a message-map entry of one class that names another
// class's member would call it on an object of the wrong class.
#include "controls/CLinkStatic.h"
#include "controls/CMacEdit.h"

class CWrongMap final : public CStatic {
    DECLARE_MESSAGE_MAP(CWrongMap)
};

const MessageMapEntry CWrongMap::messageEntries[] = {
    Map::Message<&CMacEdit::PasteFromClipboard>(WM_PASTE),
};
const MessageMap CWrongMap::messageMap{&CStatic::messageMap, messageEntries};
