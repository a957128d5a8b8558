// The note properties the notes adapter reads and writes, in its reading order, and those
// it carries between image and record.
#pragma once

#include "common/outlook/OlItemSupport.h"

// EntryID to Color; only Body, Categories and Color are ever written.
OlPropTable NoteItemProps();
// Subject, Body, Categories and Color both ways; the dates and the first 30 characters of
// the EntryID into the record only.
OlPropTable NoteCarriedProps();
