// The notes adapter's CSV field table: ids 1 to 8, each with the image member its CSV text
// is made of and, for the three imported fields, the record member it fills.
#pragma once

#include "common/outlook/OlAdapterShared.h"

OlCsvFieldTable NoteCsvFields();
