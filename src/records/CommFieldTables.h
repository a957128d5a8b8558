// The field tables of the four record kinds.
#pragma once

#include "records/CommAddrRec.h"
#include "records/CommDateRec.h"
#include "records/CommFieldRow.h"
#include "records/CommNoteRec.h"
#include "records/CommTaskRec.h"

extern const CommKindFields kCommAddrFields;
extern const CommKindFields kCommDateFields;
extern const CommKindFields kCommTaskFields;
extern const CommKindFields kCommNoteFields;
