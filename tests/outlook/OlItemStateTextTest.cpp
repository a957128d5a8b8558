// The text form of an item state: every state comes back whole, and any other text is refused
// without touching the state it was to fill.
#include "common/outlook/OlItemState.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

TOlItemState RichState()
{
    TOlItemState state;
    state.properties = {
        {"Subject", std::string("Review: P4:x;T2:ab B1 L-1; D0.5; OIS1")},
        {"Body", std::string("Line 1\r\nLine 2\0with a NUL", 26)},
        {"Location", std::string()},
        {"NickName", std::string("Zo\xc3\xab \xe2\x9c\x93 \xf0\x9f\x93\x85")},
        {"Start", DATE{45371.395833333336}},
        {"Birthday", DATE{949998.0}},
        {"Early", DATE{-657434.0}},
        {"Zero", DATE{0.0}},
        {"Duration", LONG{90}},
        {"Lowest", std::numeric_limits<LONG>::min()},
        {"Highest", std::numeric_limits<LONG>::max()},
        {"AllDayEvent", false},
        {"ReminderSet", true},
    };
    state.userProperties = {
        {"Team", 1, std::string("Blue")},
        {"Score", 3, LONG{-17}},
        {"Since", 5, DATE{43467.0}},
        {"Active", 6, true},
        {"Leer", 1, std::string()},
    };
    state.bRecurring = true;
    state.pattern = {{"RecurrenceType", LONG{1}}, {"DayOfWeekMask", LONG{10}}, {"PatternEndDate", DATE{45473.0}}};
    return state;
}

TEST(OlItemStateText, EveryStateComesBackWhole)
{
    TOlItemState notRecurringWithPattern;
    notRecurringWithPattern.pattern = {{"Interval", LONG{2}}};
    TOlItemState onlyRecurring;
    onlyRecurring.bRecurring = true;
    const TOlItemState states[] = {TOlItemState{}, RichState(), notRecurringWithPattern, onlyRecurring};
    for (const TOlItemState& state : states) {
        const std::string text = EncodeItemState(state);
        TOlItemState decoded;
        decoded.properties.push_back({"Replaced", LONG{1}});
        ASSERT_TRUE(DecodeItemState(text, decoded)) << text;
        EXPECT_EQ(decoded, state) << text;
        EXPECT_EQ(EncodeItemState(decoded), text);
    }
}

TEST(OlItemStateText, AMalformedTextIsRefusedAndTheStateLeftAlone)
{
    const struct {
        const char* szLabel;
        std::string text;
    } malformed[] = {
        {"empty", ""},
        {"another header", "OIS2"},
        {"a cut header", "OIS"},
        {"a header with a NUL", std::string("OIS\0", 4)},
        {"an unknown record", "OIS1X"},
        {"a record without name", "OIS1P"},
        {"an empty name", "OIS1P0:L1;"},
        {"a name longer than the text", "OIS1P9:Name"},
        {"a length with a sign", "OIS1P+4:NameL1;"},
        {"a negative length", "OIS1P-4:NameL1;"},
        {"a length without digits", "OIS1P:NameL1;"},
        {"a length that overflows", "OIS1P99999999999999999999999:NameL1;"},
        {"a value without type", "OIS1P4:Name"},
        {"an unknown value type", "OIS1P4:NameX1;"},
        {"a long without end", "OIS1P4:NameL1"},
        {"a long without digits", "OIS1P4:NameL;"},
        {"a long with a fraction", "OIS1P4:NameL1.5;"},
        {"a long beyond 32 bits", "OIS1P4:NameL2147483648;"},
        {"a long with a plus", "OIS1P4:NameL+1;"},
        {"a date that is not a number", "OIS1P4:NameDnan;"},
        {"an infinite date", "OIS1P4:NameDinf;"},
        {"a date out of range", "OIS1P4:NameD1e999;"},
        {"a date with text after it", "OIS1P4:NameD1.5x;"},
        {"a flag that is neither", "OIS1P4:NameB2"},
        {"a text longer than the rest", "OIS1P4:NameT5:abc"},
        {"a text that is not UTF-8", "OIS1P4:NameT1:\xff"},
        {"a name that is not UTF-8", "OIS1P1:\xc3L1;"},
        {"a user property without type", "OIS1U4:TeamT4:Blue"},
        {"a user property type that is not a number", "OIS1U4:TeamX;T4:Blue"},
        {"a user property without value", "OIS1U4:Team1;"},
        {"properties after user properties", "OIS1U4:Team1;T4:BlueP4:NameL1;"},
        {"properties after the recurrence mark", "OIS1RP4:NameL1;"},
        {"two recurrence marks", "OIS1RR"},
        {"user properties after the pattern", "OIS1Q8:IntervalL2;U4:Team1;T4:Blue"},
        {"a pattern member without value", "OIS1RQ8:Interval"},
        {"text after the end", "OIS1P4:NameL1;x"},
        {"a blank after the end", "OIS1P4:NameL1; "},
    };
    for (const auto& m : malformed) {
        TOlItemState state = RichState();
        EXPECT_FALSE(DecodeItemState(m.text, state)) << m.szLabel;
        EXPECT_EQ(state, RichState()) << m.szLabel;
    }
}

TEST(OlItemStateText, APrefixOfATextIsEitherRefusedOrTheStateOfItsWholeRecords)
{
    const std::string text = EncodeItemState(RichState());
    std::size_t nAccepted = 0;
    for (std::size_t nLength = 0; nLength < text.size(); ++nLength) {
        const std::string prefix = text.substr(0, nLength);
        TOlItemState state;
        if (DecodeItemState(prefix, state)) {
            ++nAccepted;
            EXPECT_EQ(EncodeItemState(state), prefix);
        }
    }
    // The header alone and the end of every record and of the recurrence mark, but for the
    // last record, whose end is the whole text.
    const TOlItemState state = RichState();
    EXPECT_EQ(nAccepted, 1 + state.properties.size() + state.userProperties.size() + 1 + state.pattern.size() - 1);
}

TEST(OlItemStateText, ATextWithAnyByteChangedDecodesToAStateThatKeepsItsForm)
{
    const std::string text = EncodeItemState(RichState());
    for (std::size_t nAt = 0; nAt < text.size(); ++nAt) {
        for (const char c : {'\0', ':', ';', '9', 'L', 'T', 'R', '\xff'}) {
            std::string changed = text;
            changed[nAt] = c;
            TOlItemState state;
            if (!DecodeItemState(changed, state))
                continue;
            TOlItemState again;
            ASSERT_TRUE(DecodeItemState(EncodeItemState(state), again)) << nAt << " " << int(c);
            EXPECT_EQ(again, state) << nAt << " " << int(c);
        }
    }
}

}  // namespace
