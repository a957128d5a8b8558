#include "common/misc/CsvDelimiter.h"

#include "common/misc/CsvRecordWalker.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace {

// In the order ties go.
constexpr char kCandidates[] = {',', ';', '\t'};
constexpr std::size_t kSampleRecords = 20;

// How one candidate splits the sampled records.
struct TDelimiterFit {
    char chDelimiter = ',';
    std::size_t nRecords = 0;
    bool bConsistent = false;    // every record the same field count, above one
    std::size_t nFields = 0;     // that count
    std::size_t nModeRecords = 0;  // records with the most common count above one
};

TDelimiterFit FitOf(std::string_view text, char chQuote, char chDelimiter)
{
    std::array<std::size_t, kSampleRecords> counts{};
    std::size_t nRecords = 0;
    TCsvRecordWalker walker(text, chQuote, chDelimiter);
    for (std::string_view record; nRecords < kSampleRecords && walker.Next(record);)
        if (!record.empty())
            counts[nRecords++] = CountCsvFields(record, chQuote, chDelimiter);

    TDelimiterFit fit;
    fit.chDelimiter = chDelimiter;
    fit.nRecords = nRecords;
    const auto sampled = std::span(counts).first(nRecords);
    fit.bConsistent = nRecords > 0 && counts[0] > 1 && std::all_of(sampled.begin(), sampled.end(),
                                                                      [&](std::size_t n) { return n == counts[0]; });
    fit.nFields = fit.bConsistent ? counts[0] : 0;
    for (const std::size_t nCount : sampled) {
        const auto nRecordsWithCount = static_cast<std::size_t>(std::count(sampled.begin(), sampled.end(), nCount));
        if (nCount > 1)
            fit.nModeRecords = std::max(fit.nModeRecords, nRecordsWithCount);
    }
    return fit;
}

bool CoversLargerShare(const TDelimiterFit& fit, const TDelimiterFit& best)
{
    return fit.nModeRecords * best.nRecords > best.nModeRecords * fit.nRecords;
}

}  // namespace

char DetectCsvDelimiter(std::string_view text, char chQuote)
{
    std::optional<TDelimiterFit> consistent;
    std::optional<TDelimiterFit> common;
    for (const char chDelimiter : kCandidates) {
        const TDelimiterFit fit = FitOf(text, chQuote, chDelimiter);
        if (fit.bConsistent && (!consistent || fit.nFields > consistent->nFields))
            consistent = fit;
        if (fit.nModeRecords > 0 && (!common || CoversLargerShare(fit, *common)))
            common = fit;
    }
    if (consistent)
        return consistent->chDelimiter;
    return common ? common->chDelimiter : kCandidates[0];
}

std::size_t CountCsvFields(std::string_view record, char chQuote, char chDelimiter)
{
    if (record.empty())
        return 0;
    enum class TState { FieldStart, Bare, Quoted, QuoteInQuoted };
    TState state = TState::FieldStart;
    std::size_t nFields = 1;
    for (const char ch : record) {
        switch (state) {
        case TState::FieldStart:
            if (ch == chQuote && chQuote != '\0')
                state = TState::Quoted;
            else if (ch == chDelimiter)
                ++nFields;
            else
                state = TState::Bare;
            break;
        case TState::Bare:
            if (ch == chDelimiter) {
                ++nFields;
                state = TState::FieldStart;
            }
            break;
        case TState::Quoted:
            if (ch == chQuote)
                state = TState::QuoteInQuoted;
            break;
        case TState::QuoteInQuoted:
            if (ch == chDelimiter) {
                ++nFields;
                state = TState::FieldStart;
            } else if (ch == '\r' || ch == '\n') {
                state = TState::Bare;  // closed; the text after it up to the delimiter joins the field
            } else {
                state = TState::Quoted;  // a doubled quote, or a lone one taken literally
            }
            break;
        }
    }
    return nFields;
}

std::size_t CountCsvColumns(std::string_view text, char chQuote, char chDelimiter)
{
    TCsvRecordWalker walker(text, chQuote, chDelimiter);
    for (std::string_view record; walker.Next(record);)
        if (!record.empty())
            return CountCsvFields(record, chQuote, chDelimiter);
    return 0;
}
