// Writes every property of items of one kind, for checking what a conversion wrote: as
// CSV (a title row, then one row per item) or as a JSON array of objects. Recurrence
// pattern members come as "RecurrencePattern.<member>" columns; user properties as one
// "UserProperties" column of "name=value" pairs joined by "; ".
#pragma once

#include "olsim/ItemData.h"

#include <ostream>

namespace olsim {

enum class ListFormat { Csv, Json };

class ItemListing {
public:
    ItemListing(std::ostream& out, ItemKind kind, ListFormat format);
    ItemListing(const ItemListing&) = delete;
    ItemListing& operator=(const ItemListing&) = delete;

    void Add(const ItemData& item);
    // Closes the listing (the JSON array); call once after the last item.
    void Finish();

private:
    void AddCsv(const ItemData& item);
    void AddJson(const ItemData& item);

    std::ostream& m_out;
    ItemKind m_kind;
    ListFormat m_format;
    bool m_first = true;
};

}  // namespace olsim
