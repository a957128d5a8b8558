// What an item state keeps of each kind, taken from the adapters' own property tables: the
// properties they write, the pattern properties they write, and whether they write user
// properties; and the order in which properties tied together by Outlook's rules go back.
#pragma once

#include "common/outlook/OlItemSupport.h"

#include <string>
#include <string_view>
#include <vector>

using OlRowList = std::vector<const OlPropDef*>;

struct TOlStateKind {
    LONG nItemType;                  // OlItemType
    const char* szKind;              // the kind in the log
    OlRowList properties;            // each written property once, in write order, none read-only
    OlRowList pattern;               // the written pattern properties; empty: the adapter writes no pattern
    bool bUserProperties;            // the adapter writes user properties
    std::vector<platform::OleStringView> restoreFirst;  // put back before the others, in this order
};

// The kind of an OlItemType; null for one no adapter writes.
const TOlStateKind* FindStateKind(LONG nItemType);

// The row with that name (ASCII, as the state keeps it); null when there is none.
const OlPropDef* FindRow(const OlRowList& rows, std::string_view name);

// The row's property name in the narrow form the state keeps.
std::string RowName(const OlPropDef& row);
