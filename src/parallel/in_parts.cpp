#include "parallel/in_parts.hpp"

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>
#include <unordered_set>

#include "driver/line_loop.hpp"
#include "driver/translation_steps.hpp"
#include "parallel/side_by_side.hpp"
#include "prepass/line_map.hpp"
#include "prepass/normalise.hpp"
#include "types/type_scan.hpp"

namespace xlat {

namespace {

constexpr size_t kNoStop = std::string_view::npos;

// A part of the normalised text and its translation.
struct Part {
    Part(size_t start, size_t stop, size_t sourceSize) : start(start), stop(stop), guard(sourceSize) {}

    size_t start;  // where the part begins
    size_t stop;   // where the next part begins
    Translator t;
    CycleGuard guard;
    std::optional<FatalStop> fatal;
    std::exception_ptr failure;  // anything else that ended the translation
    // A part that is not the first starts with the type names that a quick
    // look over the text before it finds (`presumed`); it notes the names it
    // looked up and did not find (`misses`) and those it found only among the
    // presumed ones (`presumedHits`).
    std::vector<std::string> presumed;
    NameLog misses;
    NameLog presumedHits;
};

// Translates the part's lines from where its translator stands.
void Continue(Part& part, size_t stopAt, size_t written = 0) {
    try {
        RunLines(part.t, part.guard, stopAt, written);
    } catch (const FatalStop& stop) {
        part.fatal = stop;
    } catch (...) {
        part.failure = std::current_exception();
    }
}

// Where the parts would begin if they took the same time: a part after the
// first also looks over all the text before it for type names, which costs
// about an eighth of translating that text.
std::vector<size_t> BalancedStarts(size_t size, size_t parts) {
    constexpr double kLookShare = 0.12;
    auto startsFor = [&](double firstLength) {
        std::vector<double> starts{0};
        for (size_t k = 1; k < parts; ++k) starts.push_back(starts.back() + firstLength - kLookShare * starts.back());
        return starts;
    };
    double low = 0, high = static_cast<double>(size);  // the first part's length
    for (int i = 0; i < 50; ++i) {
        const double mid = (low + high) / 2;
        const std::vector<double> starts = startsFor(mid);
        const double end = starts.back() + mid - kLookShare * starts.back();
        (end < static_cast<double>(size) ? low : high) = mid;
    }
    std::vector<size_t> starts;
    for (double start : startsFor(low)) starts.push_back(static_cast<size_t>(start));
    return starts;
}

// Where the parts begin: the first one at 0, each other one at the start of
// a line that follows a line holding only "}" (the end of a definition at
// the top level), looked for from the balanced places on.
std::vector<size_t> PartStarts(std::string_view text, size_t parts) {
    std::vector<size_t> starts{0};
    const std::vector<size_t> targets = BalancedStarts(text.size(), parts);
    for (size_t i = 1; i < parts; ++i) {
        size_t at = std::max(targets[i], starts.back());
        for (;;) {
            at = text.find("\n}", at);
            if (at == std::string_view::npos) return starts;
            size_t end = at + 2;
            if (end < text.size() && text[end] == '\r') ++end;
            at += 2;
            if (end < text.size() && text[end] == '\n' && end + 1 < text.size()) {
                starts.push_back(end + 1);
                break;
            }
        }
    }
    return starts;
}

// Whether two translators, between two lines, go on alike: everything
// that a line hands on to the next is compared. The type names are
// compared apart.
bool SameStateBetweenLines(const Translator& a, const Translator& b) {
    return static_cast<const LineState&>(a) == static_cast<const LineState&>(b);
}

// The state a part that is not the first starts in.
void SetPartStartState(Translator& t) { t.beforeFirstFunction = 0; }

// Whether every type name lookup of `next` found what it would have found
// after `done`: a name that `done` learnt but `next` did not presume was
// never looked up, and a name that `next` presumed but `done` did not learn
// was never found. (`done` learnt the names from `knownTypes` on.)
bool SameTypeAnswers(const Part& done, Part& next, size_t knownTypes) {
    const std::vector<std::string>& names = done.t.types.Names();
    const std::unordered_set<std::string_view> learnt(names.begin() + static_cast<std::ptrdiff_t>(knownTypes),
                                                      names.end());
    const std::unordered_set<std::string_view> presumed(next.presumed.begin(), next.presumed.end());
    for (std::string_view name : learnt)
        if (!presumed.count(name) && next.misses.Holds(name)) return false;
    for (std::string_view name : presumed)
        if (!learnt.count(name) && next.presumedHits.Holds(name)) return false;
    return true;
}

// Whether `next` may take over from `done`, which translated everything
// before it: `done` stopped exactly where `next` starts, in the state that
// `next` started in, every type name lookup of `next` was answered right,
// and the output stays within the safety net's limit (`written` is the
// output of everything before `next`).
bool CanTakeOver(const Part& done, Part& next, size_t written, size_t knownTypes) {
    if (next.failure || done.t.in.Position().pos != next.start) return false;
    Translator startState;
    SetPartStartState(startState);
    if (!SameStateBetweenLines(done.t, startState) || !SameTypeAnswers(done, next, knownTypes)) return false;
    return written + next.t.out.size() <= next.guard.OutputLimit();
}

// Normalises the source and maps its lines, side by side.
void Prepare(std::string_view source, unsigned threads, std::string& text, std::vector<long>& lines) {
    std::exception_ptr failures[2];
    RunSideBySide(2, threads, [&](size_t k) {
        try {
            if (k == 0)
                text = NormaliseSource(source);
            else
                lines = MapNormalisedLines(source);
        } catch (...) {
            failures[k] = std::current_exception();
        }
    });
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
}

unsigned ThreadsFor(const WorkSharing& sharing) { return sharing.threads ? sharing.threads : CoreCount(); }

// The parts of the prepared text, each with a translator standing at its
// start. `knownTypes` is set to the number of type names every translator
// knows before it reads a line.
std::vector<Part> CutIntoParts(const PreparedSource& prepared, size_t sourceSize, std::string_view typeNamesFile,
                               const WorkSharing& sharing, size_t& knownTypes) {
    const std::string& text = *prepared.text;
    const size_t wanted = std::min(sharing.maxParts ? sharing.maxParts : ThreadsFor(sharing),
                                   text.size() / std::max<size_t>(sharing.partBytes, 1));
    const std::vector<size_t> starts = PartStarts(text, std::max<size_t>(wanted, 1));
    std::vector<Part> parts;
    parts.reserve(starts.size());
    for (size_t k = 0; k < starts.size(); ++k) {
        Part& part = parts.emplace_back(starts[k], k + 1 < starts.size() ? starts[k + 1] : kNoStop, sourceSize);
        Translator& t = part.t;
        StartTranslator(t, prepared, typeNamesFile, sharing);
        knownTypes = t.types.Names().size();
        // Room for about as much BASIC as there is C, so that the output
        // seldom moves while it grows (room not written takes no memory);
        // the first part's output gets room for all of it, as the others
        // are appended to it.
        if (starts.size() > 1) {
            const size_t end = k == 0 || part.stop == kNoStop ? text.size() : part.stop;
            t.out.reserve((end - part.start) + (end - part.start) / 4 + 4096);
        }
        if (k > 0) {
            t.in.Rewind({part.start, static_cast<long>(std::count(text.begin(), text.begin() + part.start, '\n'))});
            SetPartStartState(t);
        }
    }
    return parts;
}

// Translates every part side by side; a part after the first first looks
// over the text before it for the type names it presumes.
void TranslateSideBySide(std::vector<Part>& parts, std::string_view text, unsigned threads) {
    RunSideBySide(parts.size(), threads, [&](size_t k) {
        Part& part = parts[k];
        if (k > 0) {
            try {
                part.presumed = ScanTypeNames(text.substr(0, part.start));
                part.t.types.Presume(part.presumed, &part.presumedHits);
                part.t.types.RecordMisses(&part.misses);
            } catch (...) {
                part.failure = std::current_exception();
                return;
            }
        }
        Continue(part, part.stop);
    });
}

// Joins the parts in order: each one takes over from the one translated
// before it, or is translated again from there. Every output is freed as
// soon as it is copied.
Conversion JoinParts(std::vector<Part>& parts, size_t knownTypes, const std::vector<long>& sourceLines) {
    // The output of the parts before `current`. A translator keeps its own
    // output while it goes on into the next part: a TYPE block still open
    // there rewrites the lines it wrote before.
    std::string written;
    size_t total = 0;
    for (const Part& part : parts) total += part.t.out.size();
    const auto handOver = [&](std::string& out) {
        if (written.empty()) {
            written.swap(out);
            written.reserve(total);
        } else {
            written += out;
            std::string().swap(out);
        }
    };
    size_t partsKept = 0;
    Conversion result;
    Part* current = &parts[0];
    for (size_t k = 1; k < parts.size() && !current->fatal && !current->failure; ++k) {
        Part& next = parts[k];
        if (CanTakeOver(*current, next, written.size() + current->t.out.size(), knownTypes)) {
            handOver(current->t.out);
            const std::vector<std::string>& names = current->t.types.Names();
            next.t.types.EndPresuming();
            for (size_t i = knownTypes; i < names.size(); ++i) next.t.types.Add(names[i]);
            KeepTouchUps(current->t, sourceLines, result);
            current->t = Translator();
            current = &next;
            ++partsKept;
        } else {
            next.t = Translator();
            Continue(*current, next.stop, written.size());
        }
    }
    if (current->failure) std::rethrow_exception(current->failure);

    Translator& t = current->t;
    handOver(t.out);
    result = FinishConversion(std::move(result), t, std::move(written), current->fatal, sourceLines);
    result.partsKept = partsKept;
    return result;
}

}  // namespace

bool TranslatesInParts(size_t size, const WorkSharing& sharing) {
    return sharing.partsSideBySide && ThreadsFor(sharing) > 1 && size >= 2 * sharing.partBytes;
}

Conversion TranslateInParts(std::string_view source, std::string* owned, std::string_view typeNamesFile,
                            const WorkSharing& sharing) {
    std::string normalised;
    std::vector<long> lineMap;
    Prepare(source, ThreadsFor(sharing), normalised, lineMap);
    if (owned) std::string().swap(*owned);
    const PreparedSource prepared{std::make_shared<const std::string>(std::move(normalised)),
                                  std::make_shared<const std::vector<long>>(std::move(lineMap))};
    size_t knownTypes = 0;
    std::vector<Part> parts = CutIntoParts(prepared, source.size(), typeNamesFile, sharing, knownTypes);
    TranslateSideBySide(parts, *prepared.text, ThreadsFor(sharing));
    return JoinParts(parts, knownTypes, *prepared.lines);
}

}  // namespace xlat
