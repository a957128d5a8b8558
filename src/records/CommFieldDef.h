// One row of a record kind's field table: names a record field by number for the record
// pages, the detail texts and the duplicate test.
#pragma once

#include "platform/WinCompat.h"

struct CommFieldDef {
    LONG nId;
    CHAR szName[32];
    // Contacts: 1 text, 4 gender code, 5 number, 6 date. The other kinds dispatch by id
    // alone and leave it 0.
    LONG nType;
    // Contacts: the member's width in bytes. The other kinds: a nominal text length.
    LONG nSize;
};
