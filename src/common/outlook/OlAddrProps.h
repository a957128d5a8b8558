// The Outlook properties of a contact as the contacts adapter reads, writes and carries
// them: one row per property of the item image, in image order.
#pragma once

#include "common/outlook/OlItemSupport.h"

// Account to WebPage, then Body, CreationTime, LastModificationTime and Categories. Reading
// and writing walk the rows in this order; EntryID, the folder's name and StoreID and the
// user properties travel separately.
OlPropTable AddrItemProperties();
