// Where each kind of data lives in Outlook, for the code that reaches items one by one
// rather than through an adapter: its item type, its default folder and the property that
// names an item to the user.
#pragma once

#include "platform/WinCompat.h"

struct TItemKind {
    int nFlag;                // AppFlag code
    LONG nItemType;           // OlItemType
    LONG nFolder;             // OlDefaultFolders
    LPCOLESTR szCaption;      // the property naming an item
    const char* szItemsName;  // the kind's items in a sentence, such as "contacts"
};

// The row of an AppFlag code; null for any other value.
const TItemKind* FindItemKind(int nFlag);
