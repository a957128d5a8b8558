// The journal's text of an item's earlier content, on any bytes: it is either refused, the
// state left as it was, or read into a state that writes back to a text read as the same
// state, so that what undo puts back is what the journal kept.
#include "FuzzCheck.h"

#include "common/outlook/OlItemState.h"

#include <cstdint>
#include <string_view>

using fuzz_support::FuzzCheck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view text(reinterpret_cast<const char*>(pData), nSize);
    TOlItemState marker;
    marker.bRecurring = true;
    marker.properties.push_back({"Subject", TOlValue(std::string("untouched"))});
    TOlItemState state = marker;
    if (!DecodeItemState(text, state)) {
        FuzzCheck(state == marker, "a refused text leaves the state as it was");
        return 0;
    }
    const std::string encoded = EncodeItemState(state);
    TOlItemState again;
    FuzzCheck(DecodeItemState(encoded, again), "a written state reads back");
    FuzzCheck(again == state, "a written state reads back as the same state");
    FuzzCheck(EncodeItemState(again) == encoded, "a state writes the same text every time");
    return 0;
}
