#pragma once

#include "platform/win/Types.h"
